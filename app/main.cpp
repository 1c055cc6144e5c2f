// SPDX-License-Identifier: GPL-3.0-or-later
#include "germantranslation.h"
#include "mainwindow.h"
#include "messageboxdialogs.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    // The window places itself (centred, keeping its left and top edges when its width
    // changes), which only an X11 client may do; on Wayland desktops it runs through
    // XWayland. A platform the user chose still wins.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trabelo"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.trabelo.Trabelo"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/trabelo.png")));
    installGermanTranslation(&application);

    // Word lists and silben.ini are read from, and written to, the current directory.
    MessageBoxDialogs dialogs;
    MainWindow window({.folder = QDir::current(), .dialogs = &dialogs});
    window.show();
    return QApplication::exec();
}
