// SPDX-License-Identifier: GPL-3.0-or-later
// Times what a teacher waits for: loading, filtering and sorting a word list, and handing out
// the next word. Lists are generated: German-like syllabified words with umlauts and ß, about
// half of them made only of the letters "aeimnorst", some lines holding two words.

#include "textcodec.h"
#include "wordpractice.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString letters = QStringLiteral("aeimnorst");

QString makeWord(QRandomGenerator &random, bool passing)
{
    static const QStringList known = {u"ma"_s,  u"mi"_s, u"no"_s,  u"ra"_s,  u"se"_s,
                                      u"ti"_s,  u"to"_s, u"ne"_s,  u"sin"_s, u"mer"_s,
                                      u"tan"_s, u"ro"_s, u"nes"_s, u"stam"_s};
    static const QStringList unknown = {u"bä"_s, u"fü"_s,  u"ßen"_s, u"gel"_s, u"hu"_s,
                                        u"kö"_s, u"pul"_s, u"wa"_s,  u"fel"_s, u"schu"_s};
    const int syllables = 1 + random.bounded(4);
    QString word;
    for (int i = 0; i < syllables; ++i) {
        const bool fromKnown = passing || (i > 0 && random.bounded(2) == 0);
        const QStringList &pool = fromKnown ? known : unknown;
        if (i > 0)
            word += u'-';
        word += pool[random.bounded(int(pool.size()))];
    }
    if (random.bounded(3) == 0)
        word[0] = word[0].toUpper();
    return word;
}

QByteArray makeList(int lines)
{
    QRandomGenerator random(4711);
    QString text;
    for (int i = 0; i < lines; ++i) {
        QString line = makeWord(random, random.bounded(2) == 0);
        if (random.bounded(10) == 0)
            line += u' ' + makeWord(random, random.bounded(2) == 0);
        text += line + u"\r\n"_s;
    }
    return TextCodec::encode(text);
}

// One folder per list size, written once and shared by every case of that size.
const QTemporaryDir &listFolder(int lines)
{
    static std::map<int, std::unique_ptr<QTemporaryDir>> folders;
    auto &folder = folders[lines];
    if (!folder) {
        folder = std::make_unique<QTemporaryDir>();
        QFile file(folder->filePath(QStringLiteral("SILBEN.TXT")));
        if (!file.open(QIODevice::WriteOnly) || file.write(makeList(lines)) < 0)
            qFatal("cannot write the generated word list");
    }
    return *folder;
}

void loadAlphabetical(benchmark::State &state)
{
    WordPractice practice(QDir(listFolder(int(state.range(0))).path()));
    practice.setLetterSequence(letters);
    for (auto _ : state)
        practice.loadWordList();
    state.counters["queued"] = double(practice.queue().size());
}

// The same list with the letters changed before every load (to ones that let the same entries
// pass), so that no load can reuse the order of the one before: the full sort every time.
void loadAlphabeticalNewLetters(benchmark::State &state)
{
    WordPractice practice(QDir(listFolder(int(state.range(0))).path()));
    const QString otherLetters = letters + u'x';
    bool other = false;
    for (auto _ : state) {
        practice.setLetterSequence((other = !other) ? otherLetters : letters);
        practice.loadWordList();
    }
    state.counters["queued"] = double(practice.queue().size());
}

void loadFileOrder(benchmark::State &state)
{
    WordPractice practice(QDir(listFolder(int(state.range(0))).path()));
    practice.setLetterSequence(letters);
    practice.switchOrderMode();
    for (auto _ : state)
        practice.loadWordList();
    state.counters["queued"] = double(practice.queue().size());
}

// The same load (file order: a sort would hide the filter) with the sound units, the letters
// naming st, which the list's "stam" holds, so that the same entries pass; then with sight
// words besides, looked up for every word the letters let fail.
void loadFileOrderSoundUnits(benchmark::State &state)
{
    WordPractice practice(QDir(listFolder(int(state.range(0))).path()));
    practice.setLetterSequence(letters + u",st"_s);
    QStringList sightWords;
    if (state.range(1) != 0)
        sightWords = {u"und"_s, u"ist"_s, u"der"_s, u"die"_s, u"das"_s, u"bä-fü"_s, u"Hu"_s};
    practice.setFilterRules({.soundUnits = true, .sightWords = sightWords});
    practice.switchOrderMode();
    for (auto _ : state)
        practice.loadWordList();
    state.counters["queued"] = double(practice.queue().size());
}

// One ShowNextWord in "nach Zufall" without a refill: the queue is reloaded outside the
// timing whenever it runs low.
void showNextWordRandom(benchmark::State &state)
{
    WordPractice practice(QDir(listFolder(int(state.range(0))).path()));
    practice.setLetterSequence(letters);
    practice.switchOrderMode();
    practice.switchOrderMode();
    for (auto _ : state) {
        if (practice.queue().size() < 2) {
            state.PauseTiming();
            practice.loadWordList();
            state.ResumeTiming();
        }
        benchmark::DoNotOptimize(practice.showNextWord());
    }
}

} // namespace

BENCHMARK(loadAlphabetical)->Arg(32767)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(loadAlphabeticalNewLetters)->Arg(32767)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(loadFileOrder)->Arg(32767)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(loadFileOrderSoundUnits)
    ->ArgNames({"lines", "sightWords"})
    ->Args({32767, 0})
    ->Args({32767, 1})
    ->Args({1000000, 0})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(showNextWordRandom)
    ->Arg(32767)
    ->Arg(1000000)
    ->Iterations(1000)
    ->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
