// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "schoolsyllables.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <string_view>

class CachedPatterns;
class KeptPatterns;

// Marks the spoken syllables of German words with hyphens, as German schools write them by the
// rules of 2006: O-ma, Fens-ter, Zu-cker, Ka-ka-o, Ta-schen-lam-pe.
//
// The German line-breaking patterns (ISO-8859-1, lower case) give the boundaries inside a word;
// SchoolSyllables adds what they leave out. Loading the patterns takes seconds and tens of
// megabytes, loading what the library built from them out of the cache a few milliseconds,
// marking a word about a microsecond. A loaded marker never changes, so it may be loaded on one
// thread and used on any number of others.
class SyllableMarker
{
public:
    struct Loaded
    {
        std::shared_ptr<const SyllableMarker> marker; // null when loading failed
        QString error;                                // German, for the user; empty when loaded
        bool fromCache = false;
    };

    // The German patterns in the system's hyphenation folder.
    static QString defaultPatternsPath();
    // Where the built patterns are kept between runs: in the running application's cache
    // folder, which the program and trabelo-silben share as both name themselves Trabelo.
    // Empty when the system gives no cache folder.
    static QString defaultCachePath();

    // Never throws: a missing or unreadable file, or one that holds no German patterns, gives
    // an error instead of a marker.
    static Loaded load(const QString &patternsPath);
    // The same, but from the cache at cachePath when it holds what the library built from
    // these patterns; otherwise from the patterns, after which the cache is written for the
    // next run. A missing, stale or damaged cache is ignored and replaced. An empty cachePath
    // uses no cache.
    static Loaded load(const QString &patternsPath, const QString &cachePath);
    // Only from the cache, in milliseconds: null, with no reason given, when the cache is
    // missing, stale or damaged, or the patterns cannot be read; load() then takes seconds.
    static std::shared_ptr<const SyllableMarker> loadFromCache(const QString &patternsPath,
                                                               const QString &cachePath);
    // On patterns rebuilt from a cache, whatever they are; the loads above also check that
    // they are German.
    static std::shared_ptr<const SyllableMarker> fromCache(std::unique_ptr<CachedPatterns> cached);

    // Marks the given entries exactly as the whole automaton kept in kept would, and only
    // them: it is built from the few states their marking walks through, in microseconds.
    // Null when kept refuses them, or holds no German patterns.
    static std::shared_ptr<const SyllableMarker> forEntries(const KeptPatterns &kept,
                                                            const QStringList &entries);
    ~SyllableMarker();
    SyllableMarker(const SyllableMarker &) = delete;
    SyllableMarker &operator=(const SyllableMarker &) = delete;

    // One word, with hyphens inserted at its syllable boundaries; nothing else changes.
    // Characters that are not letters stay outside the syllables ("Mama!" gives "Ma-ma!") and
    // split the word into parts marked on their own. A word holding a letter or mark outside
    // ISO-8859-1 comes back unchanged.
    QString markWord(const QString &word) const;

    // One word-list entry: returned exactly as written if it holds a hyphen, otherwise each
    // blank-separated word is marked and the blanks are kept.
    QString markEntry(const QString &entry) const;

private:
    struct Patterns;

    explicit SyllableMarker(std::unique_ptr<Patterns> patterns);

    static Loaded loadFromPatterns(QByteArray bytes, const QString &patternsPath);
    static std::shared_ptr<const SyllableMarker>
    germanFromCache(std::unique_ptr<CachedPatterns> cached);

    SchoolSyllables::Boundaries patternBoundaries(std::string_view letters) const;
    SchoolSyllables::Boundaries boundaries(std::string_view letters) const;
    bool recognisesGermanPatterns() const;
    void appendMarkedRun(QStringView run, QString &out) const;

    std::unique_ptr<Patterns> m_patterns;
};
