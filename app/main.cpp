// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow.h"
#include "messageboxdialogs.h"
#include "platform/fontcatalog.h"
#include "speech/qtspeaker.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

#include "org.trabelo.Trabelo.xpm"

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
    MainWindow window({.folder = QDir::current(), .dialogs = &dialogs, .speaker = &speaker});
    window.show();
    return QApplication::exec();
}
