// SPDX-License-Identifier: GPL-3.0-or-later
// Times the syllable marker side by side: loaded from the German patterns and from the cache of
// what the library built from them, with the resident memory each load adds to a fresh process,
// and marking 100,000 generated German-like words, some capitalised, some with punctuation,
// with either. Also what the window does before it first shows: opening the cache and marking
// one entry from the few states it needs.

#include "freshprocess.h"
#include "keptpatterns.h"
#include "syllablemarker.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

constexpr int wordCount = 100000;

using Marker = std::shared_ptr<const SyllableMarker>;

// What a load adds to the resident memory of a process that has loaded nothing yet.
double residentAddedInFreshProcess(const std::function<Marker()> &load)
{
    return inFreshProcess(
        [&] {
            const double before = statusMegabytes("VmRSS");
            const Marker marker = load();
            return marker ? statusMegabytes("VmRSS") - before : -1;
        },
        "the load");
}

const QTemporaryDir cacheFolder;
const QString cachePath = cacheFolder.filePath(u"syllable-patterns.cache"_s);

Marker loadFromPatterns()
{
    const SyllableMarker::Loaded loaded =
        SyllableMarker::load(SyllableMarker::defaultPatternsPath());
    if (!loaded.marker)
        qFatal("%s", qPrintable(loaded.error));
    return loaded.marker;
}

Marker loadFromCache()
{
    Marker marker = SyllableMarker::loadFromCache(SyllableMarker::defaultPatternsPath(), cachePath);
    if (!marker)
        qFatal("the cache is not warm");
    return marker;
}

// The cache opened and checked, and one entry marked from the states it needs.
Marker firstEntry()
{
    const auto kept = KeptPatterns::open(SyllableMarker::defaultPatternsPath(), cachePath);
    Marker marker = kept ? SyllableMarker::forEntries(*kept, {u"Taschenlampe"_s}) : nullptr;
    if (!marker || marker->markEntry(u"Taschenlampe"_s) != u"Ta-schen-lam-pe"_s)
        qFatal("the cache is not warm");
    return marker;
}

QStringList makeWords()
{
    static const QStringList syllables = {
        u"ma"_s,   u"o"_s,  u"ro"_s,   u"se"_s,  u"kin"_s,   u"der"_s,   u"fens"_s,
        u"ter"_s,  u"zu"_s, u"cker"_s, u"ta"_s,  u"schen"_s, u"lam"_s,   u"pe"_s,
        u"stra"_s, u"ße"_s, u"ei"_s,   u"mer"_s, u"bau"_s,   u"er"_s,    u"lie"_s,
        u"be"_s,   u"ge"_s, u"hen"_s,  u"fah"_s, u"ne"_s,    u"he"_s,    u"xe"_s,
        u"ra"_s,   u"di"_s, u"mu"_s,   u"um"_s,  u"haus"_s,  u"tür"_s,   u"a"_s,
        u"bend"_s, u"i"_s,  u"gel"_s,  u"kat"_s, u"ze"_s,    u"sprin"_s, u"gen"_s};
    static const QStringList endings = {QString(), QString(), QString(), u"!"_s, u","_s, u"."_s};
    QRandomGenerator random(4711);
    QStringList words;
    words.reserve(wordCount);
    for (int i = 0; i < wordCount; ++i) {
        QString word;
        const int length = 1 + random.bounded(4);
        for (int k = 0; k < length; ++k)
            word += syllables[random.bounded(int(syllables.size()))];
        if (random.bounded(3) == 0)
            word[0] = word[0].toUpper();
        words << word + endings[random.bounded(int(endings.size()))];
    }
    return words;
}

struct Figures
{
    double fromPatternsMegabytes = 0;
    double fromCacheMegabytes = 0;
    double firstEntryMegabytes = 0;
};
Figures figures;

void load(benchmark::State &state, Marker (*loader)(), const double *residentAdded)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(loader().get());
    state.counters["resident_MB"] = *residentAdded;
}

void markWords(benchmark::State &state, Marker (*loader)())
{
    const Marker marker = loader();
    static const QStringList words = makeWords();
    for (auto _ : state) {
        for (const QString &word : words)
            benchmark::DoNotOptimize(marker->markWord(word));
    }
    state.counters["per_word"] =
        benchmark::Counter(double(state.iterations()) * wordCount,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

} // namespace

BENCHMARK_CAPTURE(load, fromPatterns, &loadFromPatterns, &figures.fromPatternsMegabytes)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(load, fromCache, &loadFromCache, &figures.fromCacheMegabytes)
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(load, firstEntryFromCache, &firstEntry, &figures.firstEntryMegabytes)
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(markWords, fromPatterns, &loadFromPatterns)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(markWords, fromCache, &loadFromCache)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    // Before any load in this process: the cache is written by a load of its own.
    figures.fromPatternsMegabytes = residentAddedInFreshProcess(&loadFromPatterns);
    residentAddedInFreshProcess([] {
        return SyllableMarker::load(SyllableMarker::defaultPatternsPath(), cachePath).marker;
    });
    figures.fromCacheMegabytes = residentAddedInFreshProcess(&loadFromCache);
    figures.firstEntryMegabytes = residentAddedInFreshProcess(&firstEntry);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
