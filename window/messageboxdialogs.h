// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "userdialogs.h"

#include <QMessageBox>

// The modal boxes of the desktop. Their buttons speak the language of the installed
// translation ("Ja", "Nein", "OK", "Abbrechen" once the German one is installed).
class MessageBoxDialogs : public UserDialogs
{
public:
    void inform(QWidget *parent, const QString &title, const QString &text) override;
    void warn(QWidget *parent, const QString &title, const QString &text) override;
    bool confirm(QWidget *parent, const QString &title, const QString &question) override;
    QString askText(QWidget *parent, const QString &title, const QString &prompt,
                    const QString &text) override;

    // A carriage return, the line break of the program's texts, as a line break.
    static QString withLineBreaks(const QString &text);

private:
    static int showBox(QWidget *parent, QMessageBox::Icon icon, const QString &title,
                       const QString &text, QMessageBox::StandardButtons buttons,
                       QMessageBox::StandardButton defaultButton);
};
