// SPDX-License-Identifier: GPL-3.0-or-later
#include "syllablemarkerloader.h"

#include <QtConcurrent/QtConcurrentRun>

#include <future>
#include <mutex>

namespace {

std::future<std::shared_ptr<const KeptPatterns>> preparedKeptPatterns;
std::once_flag keptPatternsPrepared;

std::shared_ptr<const KeptPatterns> openKeptPatterns(const QString &cachePath)
{
    return KeptPatterns::open(SyllableMarker::defaultPatternsPath(), cachePath);
}

} // namespace

SyllableMarkerLoader::SyllableMarkerLoader(Source source, QObject *parent)
    : QObject(parent), m_source(std::move(source))
{
    connect(&m_watcher, &QFutureWatcher<SyllableMarker::Loaded>::finished, this, [this] {
        m_loaded = m_watcher.result();
        const bool marksAsBefore = m_kept && m_loaded.marker;
        m_kept.reset();
        if (!marksAsBefore)
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

void SyllableMarkerLoader::adopt(std::shared_ptr<const KeptPatterns> kept)
{
    if (!m_started && kept)
        m_kept = std::move(kept);
}

QString SyllableMarkerLoader::markEntry(const QString &entry) const
{
    if (m_loaded.marker)
        return m_loaded.marker->markEntry(entry);
    if (m_kept) {
        if (const auto marker = SyllableMarker::forEntries(*m_kept, {entry}))
            return marker->markEntry(entry);
    }
    return entry;
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
            std::async(std::launch::async, &openKeptPatterns, SyllableMarker::defaultCachePath());
    });
}

std::shared_ptr<const KeptPatterns> SyllableMarkerLoader::keptSystemPatterns()
{
    if (preparedKeptPatterns.valid())
        return preparedKeptPatterns.get();
    return openKeptPatterns(SyllableMarker::defaultCachePath());
}
