// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "automatonmemory.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <hyphen.h>

#include <array>
#include <memory>
#include <optional>
#include <vector>

class QIODevice;

// The automaton the hyphenation library builds from a patterns file, kept in a file of this
// program's own format. The library takes seconds and tens of megabytes to build it from the
// German patterns, and builds the same one every time; rebuilt from the file it takes
// milliseconds.
//
// A cache file is untrusted input. It is used only when it was written by this format version
// for the same patterns file (path, size, modification time and a checksum of its bytes), holds
// the checksum of all bytes after it, and holds nothing the library's hyphenation could follow
// out of bounds or round in circles (see read()).
//
// Layout, little-endian:
//   "TRBPATC\n", u32 format version, u64 checksum of all bytes after it
//   the key: u32 path length, the path in UTF-8, i64 size, i64 modification time (ms since the
//     epoch), u64 the patterns' checksum
//   u8 level count (1 or 2), then per level:
//     i8 lhmin, rhmin, clhmin, crhmin
//     u32 length of the NOHYPHEN items, the items, each ended by a zero byte
//     u32 state count, u32 length of the matches, each counted with a zero byte to end it
//     u32 length of the records; for every 64th state in the order below, u32 where its record
//       starts within the records and u32 the number of its first child
//     the states in breadth-first order from state 0, each as i32 fallback state,
//       u8 transition count, u8 match length, the transitions' characters, the match's digits
// The transitions' targets are not written: in breadth-first order the k-th transition of a
// level, counted over its states in order, leads to state k + 1. So the states rebuild in one
// pass, each state's parent before it. The library numbers its states otherwise; marking
// depends only on the strings the states stand for, not on their numbers.
class CachedPatterns
{
public:
    // What a cache was built from; a cache for another key is stale.
    struct Key
    {
        QString patternsPath;
        qint64 size = 0;
        qint64 modified = 0; // milliseconds since the epoch
        quint64 checksum = 0;

        bool operator==(const Key &) const = default;
    };

    // It tells a damaged or replaced file; what could make the library's hyphenation go astray
    // is refused by the checks of read() whatever it says. Taken in blocks of this size, so
    // that a file can be checked as it is read.
    static constexpr qsizetype checksumBlockSize = 64 * 1024;
    static quint64 checksum(QByteArrayView bytes);
    // The checksum of the blocks before and the next block.
    static quint64 addToChecksum(quint64 sum, QByteArrayView block);
    // The key of the patterns file at path whose bytes were just read.
    static Key keyOf(const QString &patternsPath, QByteArrayView bytes);
    // The key of the patterns file at path, read a block at a time; none when it cannot be read.
    static std::optional<Key> keyOfFile(const QString &patternsPath);

    // The bytes of a cache file holding dict and the level after it. Empty when the library
    // built what this format does not hold: replacements, UTF-8 patterns, more than two levels,
    // states that do not form a tree from state 0.
    static QByteArray write(const Key &key, const HyphenDict &dict);
    // bytes of a cache, with the checksum of what follows it set; unchanged when too short.
    static QByteArray sealed(QByteArray bytes);
    // Null unless bytes are a sound cache for key.
    static std::unique_ptr<CachedPatterns> read(QByteArrayView bytes, const Key &key);
    // Whether bytes were written by this format for key and hold the checksum of what follows.
    static bool isSound(QByteArrayView bytes, const Key &key);
    // Where a cache's levels, their checkpoints and records lie in its bytes; it points into them.
    struct Index
    {
        // Every step-th state's record is noted, where it lies and which number its first
        // child has: a state's record is found by reading on from the one noted before it.
        static constexpr quint32 step = 64;
        struct Level
        {
            std::array<qint8, 4> minimums{}; // lhmin, rhmin, clhmin, crhmin
            QByteArrayView noHyphen;
            quint32 count = 0; // of its states
            QByteArrayView checkpoints;
            QByteArrayView records;
        };
        std::vector<Level> levels;
    };
    // None unless the levels of bytes are where their lengths say; it looks at no record.
    static std::optional<Index> indexOf(QByteArrayView bytes);
    // Only the few states of the indexed cache that the library's hyphenation of the words (lower
    // case, ISO-8859-1), or of any part of them, can reach: marks those words exactly as the whole
    // automaton does, without building it. The states taken are checked as read() checks
    // them; null when they are refused. index is indexOf(bytes), and bytes must outlive it;
    // whether they belong to the patterns at hand is isSound()'s to tell.
    static std::unique_ptr<CachedPatterns> readFor(const Index &index,
                                                   const QList<QByteArray> &words);

    // Written whole or not at all, its folder made if need be; false when it could not be.
    static bool save(const QString &cachePath, const Key &key, const HyphenDict &dict);
    // Null when the file is missing, unreadable, or not a sound cache for key. Read a block at
    // a time while the automaton is rebuilt.
    static std::unique_ptr<CachedPatterns> load(const QString &cachePath, const Key &key);

    CachedPatterns(const CachedPatterns &) = delete;
    CachedPatterns &operator=(const CachedPatterns &) = delete;

    // The first level, for the library's hyphenation functions. It lives as long as this
    // object, which frees it: the library's free function must never see it.
    HyphenDict *dict() { return &m_levels[0].dict; }

    // One level's dictionary; its states, transitions and matches lie in memory.
    struct Level
    {
        HyphenDict dict{};
        std::vector<char> noHyphen;
        AutomatonMemory memory;
    };

private:
    CachedPatterns() = default;

    static std::unique_ptr<CachedPatterns> read(QIODevice &device, qint64 size, const Key &key);

    std::array<Level, 2> m_levels;
};
