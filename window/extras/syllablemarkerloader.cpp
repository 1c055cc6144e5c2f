// SPDX-License-Identifier: GPL-3.0-or-later
#include "syllablemarkerloader.h"

#include <QtConcurrent/QtConcurrentRun>

#include <future>
#include <mutex>

namespace {

std::future<std::shared_ptr<const SyllableMarker>> preparedKeptPatterns;
std::once_flag keptPatternsPrepared;

std::shared_ptr<const SyllableMarker> loadKeptPatterns(const QString &cachePath)
{
    return SyllableMarker::loadFromCache(SyllableMarker::defaultPatternsPath(), cachePath);
}

} // namespace

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

void SyllableMarkerLoader::adopt(std::shared_ptr<const SyllableMarker> marker)
{
    if (m_started || !marker)
        return;
    m_started = true;
    m_loaded = {std::move(marker), QString(), true};
}

SyllableMarker::Loaded SyllableMarkerLoader::loadSystemPatterns()
{
    return SyllableMarker::load(SyllableMarker::defaultPatternsPath(),
                                SyllableMarker::defaultCachePath());
}

void SyllableMarkerLoader::prepareKeptSystemPatterns()
{
    std::call_once(keptPatternsPrepared, [] {
        // The folder is looked up here, where the application's name is known to be set.
        preparedKeptPatterns =
            std::async(std::launch::async, &loadKeptPatterns, SyllableMarker::defaultCachePath());
    });
}

std::shared_ptr<const SyllableMarker> SyllableMarkerLoader::keptSystemPatterns()
{
    if (preparedKeptPatterns.valid())
        return preparedKeptPatterns.get();
    return loadKeptPatterns(SyllableMarker::defaultCachePath());
}
