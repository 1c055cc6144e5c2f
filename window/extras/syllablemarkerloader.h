// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keptpatterns.h"
#include "syllablemarker.h"

#include <QFutureWatcher>
#include <QObject>

#include <functional>

// Loads the syllable marker once, on a worker thread: loading the patterns takes seconds when
// no earlier run has kept them built in the cache, and the window must stay responsive and
// draw words unmarked meanwhile. Patterns kept from an earlier run take milliseconds to build,
// too long for the moment the window first shows: the window opens them before it first
// shows and hands them over (adopt()); until the whole marker is loaded, each entry is marked
// from the few kept states its marking needs, exactly as the whole marker will mark it.
class SyllableMarkerLoader : public QObject
{
    Q_OBJECT

public:
    using Source = std::function<SyllableMarker::Loaded()>;
    // The patterns kept built from an earlier run, opened; null when there are none.
    using KeptSource = std::function<std::shared_ptr<const KeptPatterns>()>;

    explicit SyllableMarkerLoader(Source source, QObject *parent = nullptr);

    // Starts loading unless it has started already.
    void start();
    // Takes the patterns an earlier run kept, unless loading has started; they mark until the
    // whole marker is loaded, which then brings no finished() as it marks the same. Null
    // patterns are not taken.
    void adopt(std::shared_ptr<const KeptPatterns> kept);
    // The entry with its syllables marked; unchanged while there is nothing to mark with.
    QString markEntry(const QString &entry) const;
    // Whether there is something to mark with: the whole marker, or the kept patterns.
    bool marks() const { return m_loaded.marker || m_kept; }
    // Why loading failed, in German; empty otherwise.
    QString error() const { return m_loaded.error; }

    // The system's German patterns: from the user's cache when it holds them built, otherwise
    // built from the patterns file and then kept in the cache for the next start.
    static SyllableMarker::Loaded loadSystemPatterns();
    // Starts loading the system's patterns kept from an earlier run on a thread of its own, so
    // that keptSystemPatterns() finds them loaded. Needs the application's name, which names
    // the cache folder, but no application object; further calls do nothing. Both are called
    // on the window's thread.
    static void prepareKeptSystemPatterns();
    // The system's patterns as an earlier run kept them, or null: what the preparation above
    // opened, taken once, else opened now.
    static std::shared_ptr<const KeptPatterns> keptSystemPatterns();

signals:
    void finished();

private:
    Source m_source;
    QFutureWatcher<SyllableMarker::Loaded> m_watcher;
    SyllableMarker::Loaded m_loaded;
    std::shared_ptr<const KeptPatterns> m_kept; // until the whole marker is loaded
    bool m_started = false;
};
