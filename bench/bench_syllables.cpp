// SPDX-License-Identifier: GPL-3.0-or-later
// Times the syllable marker: loading the German patterns (with the resident memory they take)
// and marking 100,000 generated German-like words, some capitalised, some with punctuation.

#include "syllablemarker.h"

#include <QFile>
#include <QRandomGenerator>

#include <benchmark/benchmark.h>

#include <algorithm>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int wordCount = 100000;

// Resident memory of the process in megabytes, from the second field of /proc/self/statm.
double residentMegabytes()
{
    QFile statm(u"/proc/self/statm"_s);
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    if (fields.size() < 2)
        return 0;
    return fields[1].toDouble() * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

std::shared_ptr<const SyllableMarker> loadOrFail()
{
    const SyllableMarker::Loaded loaded =
        SyllableMarker::load(SyllableMarker::defaultPatternsPath());
    if (!loaded.marker)
        qFatal("%s", qPrintable(loaded.error));
    return loaded.marker;
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

// Each iteration loads the patterns anew; "resident_MB" is what the first load added to the
// process (later loads reuse the memory the previous marker gave back).
void loadPatterns(benchmark::State &state)
{
    double growth = 0;
    for (auto _ : state) {
        const double before = residentMegabytes();
        const auto marker = loadOrFail();
        growth = std::max(growth, residentMegabytes() - before);
        benchmark::DoNotOptimize(marker.get());
    }
    state.counters["resident_MB"] = growth;
}

void markWords(benchmark::State &state)
{
    static const auto marker = loadOrFail();
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

BENCHMARK(loadPatterns)->Iterations(3)->Unit(benchmark::kSecond);
BENCHMARK(markWords)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
