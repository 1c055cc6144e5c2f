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

#include "org.trabelo.Trabelo.xpm"

int main(int argc, char *argv[])
{
    // What keeps the start fast stands here, each with what it saved when it was measured
    // (bench/startup-cost against the comparison window; memory at the window's first map).
    //
    // The font configuration (4.3 ms and 1.1 MB to read, measured alone) is read on a thread of
    // its own at a lower priority while the toolkit starts; the lower priority: 0.6-1.4 ms.
    FontCatalog::prepareSystemFamilies();
    // The collation the word queue is sorted with opens on a thread of its own: the first sort
    // finds it loaded (0.3 ms of the window's thread, median of 21 cold starts).
    AlphabeticalOrder::prepareCollation();
    // With automatic syllables on, their patterns kept from an earlier run load on a thread of
    // their own while the toolkit starts, so that the first word is drawn marked without the
    // window's thread loading them: 15-18 ms to map (medians of 31 interleaved starts, twice,
    // on a busy machine). Their folder is named after the program, so the name comes first.
    QApplication::setApplicationName(QStringLiteral("Trabelo"));
    ExtrasController::prepare(QDir::current());
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
                       .speaker = &speaker,
                       .printing = &printing});
    window.show();
    return QApplication::exec();
}
