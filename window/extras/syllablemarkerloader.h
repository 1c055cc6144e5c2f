// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "syllablemarker.h"

#include <QFutureWatcher>
#include <QObject>

#include <functional>

// Loads the syllable marker once, on a worker thread: loading the patterns takes seconds when
// no earlier run has kept them built in the cache, and the window must stay responsive and
// draw words unmarked meanwhile.
class SyllableMarkerLoader : public QObject
{
    Q_OBJECT

public:
    using Source = std::function<SyllableMarker::Loaded()>;

    explicit SyllableMarkerLoader(Source source, QObject *parent = nullptr);

    // Starts loading unless it has started already.
    void start();
    // Null until loaded, and when loading failed.
    const SyllableMarker *marker() const { return m_loaded.marker.get(); }
    // Why loading failed, in German; empty otherwise.
    QString error() const { return m_loaded.error; }

    // The system's German patterns: from the user's cache when it holds them built, otherwise
    // built from the patterns file and then kept in the cache for the next start.
    static SyllableMarker::Loaded loadSystemPatterns();

signals:
    void finished();

private:
    Source m_source;
    QFutureWatcher<SyllableMarker::Loaded> m_watcher;
    SyllableMarker::Loaded m_loaded;
    bool m_started = false;
};
