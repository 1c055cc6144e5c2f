// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cachedpatterns.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>

#include <memory>

// The automaton an earlier run kept in the cache, checked against the patterns at hand (the
// cache's format, key and checksum) but not yet built. Building all of it takes milliseconds
// and more than ten megabytes, too much for the moment the window first shows; the few states
// the marking of one entry walks through are built from it in microseconds.
//
// The file is mapped, not read: only the pages the check and the walks touch are taken in, and
// nothing is copied. It is only ever replaced whole (QSaveFile renames the new file over it), so
// the mapped one stays intact.
class KeptPatterns
{
public:
    // Null when the patterns or the cache cannot be read, or the cache is not sound for
    // these patterns.
    static std::unique_ptr<KeptPatterns> open(const QString &patternsPath,
                                              const QString &cachePath);
    // The same for a cache's bytes already read.
    static std::unique_ptr<KeptPatterns> fromBytes(QByteArray bytes,
                                                   const CachedPatterns::Key &key);

    KeptPatterns(const KeptPatterns &) = delete;
    KeptPatterns &operator=(const KeptPatterns &) = delete;

    // The states the hyphenation of the words can reach; see CachedPatterns::readFor().
    // Microseconds: the records were indexed when the cache was opened.
    std::unique_ptr<CachedPatterns> statesFor(const QList<QByteArray> &words) const
    {
        return CachedPatterns::readFor(m_index, words);
    }

private:
    KeptPatterns() = default;
    // Checks the bytes for key and indexes their records.
    bool indexed(const CachedPatterns::Key &key);

    QFile m_file;
    QByteArray m_bytes; // the mapped file, or bytes given
    CachedPatterns::Index m_index;
};
