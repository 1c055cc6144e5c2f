// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <hyphen.h>

#include <array>
#include <memory>
#include <vector>

// The automaton the hyphenation library builds from a patterns file, kept in a file of this
// program's own format. The library takes seconds and tens of megabytes to build it from the
// German patterns, and builds the same one every time; rebuilt from the file it takes
// milliseconds.
//
// A cache file is untrusted input. It is used only when it was written by this format version
// for the same patterns file (path, size, modification time and a checksum of its bytes), ends
// in the checksum of all bytes before it, and holds nothing the library's hyphenation could
// follow out of bounds or round in circles (see read()).
//
// Layout, little-endian:
//   "TRBPATC\n", u32 format version
//   the key: u32 path length, the path in UTF-8, i64 size, i64 modification time (ms since the
//     epoch), the patterns' checksum
//   u8 level count (1 or 2), then per level:
//     i8 lhmin, rhmin, clhmin, crhmin
//     u32 length of the NOHYPHEN items, the items, each ended by a zero byte
//     u32 state count, u32 length of the matches
//     per state: i32 fallback state, u16 transition count, u8 match length
//     per transition, state by state: u8 character, u32 target state
//     the matches, state by state, each ended by a zero byte
//   the checksum of all bytes before it
class CachedPatterns
{
public:
    // What a cache was built from; a cache for another key is stale.
    struct Key
    {
        QString patternsPath;
        qint64 size = 0;
        qint64 modified = 0; // milliseconds since the epoch
        QByteArray checksum;

        bool operator==(const Key &) const = default;
    };

    // A CRC-32, little-endian: it tells a damaged or replaced file. What could make the
    // library's hyphenation go astray is refused by the checks of read() whatever it says.
    static constexpr qsizetype checksumSize = 4;
    static QByteArray checksum(QByteArrayView bytes);
    // The key of the patterns file at path whose bytes were just read.
    static Key keyOf(const QString &patternsPath, QByteArrayView bytes);

    // The bytes of a cache file holding dict and the level after it. Empty when the library
    // built what this format does not hold: replacements, UTF-8 patterns, more than two levels.
    static QByteArray write(const Key &key, const HyphenDict &dict);
    // Null unless bytes are a sound cache for key.
    static std::unique_ptr<CachedPatterns> read(QByteArrayView bytes, const Key &key);

    // Written whole or not at all, its folder made if need be; false when it could not be.
    static bool save(const QString &cachePath, const Key &key, const HyphenDict &dict);
    // Null when the file is missing, unreadable, or not a sound cache for key.
    static std::unique_ptr<CachedPatterns> load(const QString &cachePath, const Key &key);

    CachedPatterns(const CachedPatterns &) = delete;
    CachedPatterns &operator=(const CachedPatterns &) = delete;

    // The first level, for the library's hyphenation functions. It lives as long as this
    // object, which frees it: the library's free function must never see it.
    HyphenDict *dict() { return &m_levels[0].dict; }

    // One level's dictionary and the storage it points into.
    struct Level
    {
        HyphenDict dict{};
        std::vector<HyphenState> states;
        std::vector<HyphenTrans> transitions;
        std::vector<char> matches;
        std::vector<char> noHyphen;
    };

private:
    CachedPatterns() = default;

    std::array<Level, 2> m_levels;
};
