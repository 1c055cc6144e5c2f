// SPDX-License-Identifier: GPL-3.0-or-later
#include "fontcatalog.h"
#include "mainwindow.h"
#include "messageboxdialogs.h"
#include "qtspeaker.h"

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
SyllableMarkerLoader::Source patternsSource()
{
    const QString patterns = qEnvironmentVariable("TRABELO_HYPHEN_PATTERNS");
    if (patterns.isEmpty())
        return &SyllableMarkerLoader::loadSystemPatterns;
    return [patterns] { return SyllableMarker::load(patterns); };
}

} // namespace

int main(int argc, char *argv[])
{
    // Reading the font configuration for the font chooser overlaps the toolkit's start.
    FontCatalog::prepareSystemFamilies();

    // The window places itself (centred, keeping its left and top edges when its width
    // changes), which only an X11 client may do; on Wayland desktops it runs through
    // XWayland. A platform the user chose still wins.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trabelo"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.trabelo.Trabelo"));
    QApplication::setWindowIcon(QIcon(QPixmap(trabeloIconXpm)));

    // Word lists and silben.ini are read from, and written to, the current directory.
    MessageBoxDialogs dialogs;
    // Connects to the desktop's speech service only once a teacher asks for speech.
    QtSpeaker speaker;
    MainWindow window({.folder = QDir::current(),
                       .dialogs = &dialogs,
                       .markerSource = patternsSource(),
                       .speaker = &speaker});
    window.show();
    endAtOnce(QApplication::exec());
}
