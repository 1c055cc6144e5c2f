// SPDX-License-Identifier: GPL-3.0-or-later
#include "syllablemarkerloader.h"

#include <QtConcurrent/QtConcurrentRun>

SyllableMarkerLoader::SyllableMarkerLoader(Source source, QObject *parent)
    : QObject(parent), m_source(std::move(source))
{
    connect(&m_watcher, &QFutureWatcher<SyllableMarker::Loaded>::finished, this, [this] {
        m_loaded = m_watcher.result();
        emit finished();
    });
}

void SyllableMarkerLoader::start()
{
    if (m_started)
        return;
    m_started = true;
    m_watcher.setFuture(QtConcurrent::run(m_source));
}

SyllableMarker::Loaded SyllableMarkerLoader::loadSystemPatterns()
{
    return SyllableMarker::load(SyllableMarker::defaultPatternsPath(),
                                SyllableMarker::defaultCachePath());
}
