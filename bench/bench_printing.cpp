// SPDX-License-Identifier: GPL-3.0-or-later
// Times printing a lesson of 1,000 words into a PDF file, as word cards and as a reading sheet,
// in the starting settings' bold Arial with arcs, and the memory a print takes at its peak
// beyond what the process held before it, measured in a child forked before any print (memory
// one print gives back is reused by the next).

#include "freshprocess.h"
#include "printing/lessonpages.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int wordCount = 1000;

PrintedLesson makeLesson()
{
    static const QStringList syllables = {u"ma"_s,  u"o"_s,    u"ro"_s,  u"se"_s,  u"kin"_s,
                                          u"der"_s, u"fens"_s, u"ter"_s, u"zu"_s,  u"cker"_s,
                                          u"ta"_s,  u"ße"_s,   u"ei"_s,  u"mer"_s, u"tür"_s};
    QRandomGenerator random(4711);
    PrintedLesson lesson;
    lesson.font = QFont(u"Arial"_s, 48, QFont::Bold);
    lesson.look = {{QColor(0, 0, 255), QColor(255, 0, 0)}, true};
    lesson.listName = u"SILBEN.TXT"_s;
    lesson.letterSequence = u"abcdefghijklmnopqrstuvwxyzäöüß"_s;
    for (int i = 0; i < wordCount; ++i) {
        QStringList parts;
        for (int k = 0, length = 1 + random.bounded(4); k < length; ++k)
            parts << syllables[random.bounded(int(syllables.size()))];
        lesson.words << SyllableRuns::syllablesOf(parts.join(u'-'));
    }
    return lesson;
}

bool printInto(const QString &path, LessonPages::Kind kind, const PrintedLesson &lesson)
{
    QPdfWriter pdf(path);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    return LessonPages::draw(&pdf, kind, lesson, false);
}

// The peak resident memory one print adds, in a child process that has printed nothing yet.
double peakAddedInFreshProcess(const QString &path, LessonPages::Kind kind,
                               const PrintedLesson &lesson)
{
    return inFreshProcess(
        [&] {
            // Writing 5 to clear_refs resets the peak to what is resident now.
            QFile clear(u"/proc/self/clear_refs"_s);
            const bool reset = clear.open(QIODevice::WriteOnly) && clear.write("5") == 1;
            clear.close();
            const double before = statusMegabytes("VmRSS");
            return reset && printInto(path, kind, lesson) ? statusMegabytes("VmHWM") - before : -1;
        },
        "the print");
}

void print(benchmark::State &state, LessonPages::Kind kind)
{
    static const PrintedLesson lesson = makeLesson();
    const QTemporaryDir folder;
    const QString path = folder.filePath(u"lesson.pdf"_s);
    const double peakAdded = peakAddedInFreshProcess(path, kind, lesson);
    for (auto _ : state) {
        if (!printInto(path, kind, lesson))
            state.SkipWithError("the PDF could not be written");
    }
    state.counters["peak_added_MB"] = peakAdded;
    state.counters["pdf_kB"] = double(QFileInfo(path).size()) / 1024;
}

} // namespace

BENCHMARK_CAPTURE(print, wordCards, LessonPages::Kind::WordCards)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(print, readingSheet, LessonPages::Kind::ReadingSheet)
    ->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    // Fonts need the application; no window is shown.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
