// SPDX-License-Identifier: GPL-3.0-or-later
#include "alphabeticalorder.h"
#include "extras/extrascontroller.h"
#include "mainwindow.h"
#include "messageboxdialogs.h"
#include "platform/fontcatalog.h"
#include "printing/printmodule.h"
#include "speech/qtspeaker.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

#include <cstdio>
#include <cstdlib>

#include "org.trabelo.Trabelo.xpm"

// LeakSanitizer's check of the whole run, present only in a sanitizer build.
extern "C" void __lsan_do_leak_check() __attribute__((weak));

namespace {

// The event loop ends only once the exit sequence has saved the settings. Threads may still be
// at work then (loading the syllable patterns, connecting to a speech service that does not
// answer), and a normal end would wait for them: the toolkit for its thread pool, the speaker
// for its service, for seconds or for ever. Nothing they do matters any more, so the process
// ends without running the destructors.
[[noreturn]] void endAtOnce(int status)
{
    // Only the program's own streams: flushing all of them would wait for the lock of a stream
    // another thread is blocked reading (the speech library's connection to its service).
    std::fflush(stdout);
    std::fflush(stderr);
    // A sanitizer build still looks for memory lost during the run, as a normal end would.
    if (__lsan_do_leak_check)
        __lsan_do_leak_check();
    std::_Exit(status);
}

// The syllable patterns the window loads: the system's, or for tests those that
// TRABELO_HYPHEN_PATTERNS names (a file that loads slowly, or never).
QString testPatterns()
{
    return qEnvironmentVariable("TRABELO_HYPHEN_PATTERNS");
}

SyllableMarkerLoader::Source patternsSource()
{
    const QString patterns = testPatterns();
    if (patterns.isEmpty())
        return &SyllableMarkerLoader::loadSystemPatterns;
    return [patterns] { return SyllableMarker::load(patterns); };
}

// The system's patterns kept from an earlier run; none when a test names its own patterns,
// which are then always loaded.
SyllableMarkerLoader::KeptSource keptPatternsSource()
{
    if (!testPatterns().isEmpty())
        return {};
    return &SyllableMarkerLoader::keptSystemPatterns;
}

} // namespace

int main(int argc, char *argv[])
{
    // What keeps the start fast stands here, each with what it saved when it was measured
    // (bench/startup-cost against the comparison window; memory at the window's first map).
    //
    // With automatic syllables on, their patterns kept from an earlier run open on a thread of
    // their own while the toolkit starts, first of all, so that the first word is drawn marked
    // without the window's thread waiting for them (the whole marker is built once the window
    // is up). Their folder is named after the program, so the name comes first.
    QApplication::setApplicationName(QStringLiteral("Trabelo"));
    ExtrasController::prepare(QDir::current());
    // The font configuration (4.3 ms and 1.1 MB to read, measured alone) is read on a thread of
    // its own while the toolkit starts, at the program's own priority (see FontCatalog).
    FontCatalog::prepareSystemFamilies();
    // The collation the word queue is sorted with opens on a thread of its own: the first sort
    // finds it loaded (0.3 ms of the window's thread, median of 21 cold starts).
    AlphabeticalOrder::prepareCollation();
    // Measures that lie in their own classes, each the work of something used later or never:
    // - the German button texts load with the first box, the hint (MessageBoxDialogs): 120 kB;
    // - a pop-up list builds its list control when first opened (PopupList): 720 kB;
    // - the extras menu is built at the first right click (ExtrasController::menu): 164 kB;
    // - the print support is loaded with the first print, from a module (PrintModule): linked
    //   into the program it cost about 0.5 ms of processor time (2 %) and 300 kB.

    // The window places itself (centred, keeping its left and top edges when its width
    // changes), which only an X11 client may do; on Wayland desktops it runs through
    // XWayland. A platform the user chose still wins.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");

    QApplication application(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.trabelo.Trabelo"));
    // Compiled in as XPM, which the toolkit reads without an image library: no PNG decoder is
    // loaded at start (100 kB).
    QApplication::setWindowIcon(QIcon(QPixmap(trabeloIconXpm)));

    // Word lists and silben.ini are read from, and written to, the current directory.
    MessageBoxDialogs dialogs;
    // Connects to the desktop's speech service only once a teacher asks for speech.
    QtSpeaker speaker;
    PrintModule printing(PrintModule::installedPath());
    MainWindow window({.folder = QDir::current(),
                       .dialogs = &dialogs,
                       .markerSource = patternsSource(),
                       .speaker = &speaker,
                       .keptMarkerSource = keptPatternsSource(),
                       .printing = &printing});
    window.show();
    endAtOnce(QApplication::exec());
}
