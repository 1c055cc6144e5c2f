// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "userdialogs.h"

#include <QMessageBox>

// The modal boxes of the desktop. Their buttons read "Ja", "Nein", "OK" and "Abbrechen": the
// first box installs the toolkit's German translation, which nothing before it needs, so
// loading it never delays the window. Without that translation the buttons keep the toolkit's
// own words.
class MessageBoxDialogs : public UserDialogs
{
public:
    void inform(QWidget *parent, const QString &title, const QString &text) override;
    void warn(QWidget *parent, const QString &title, const QString &text) override;
    bool confirm(QWidget *parent, const QString &title, const QString &question) override;
    QString askText(QWidget *parent, const QString &title, const QString &prompt,
                    const QString &text) override;
    std::optional<QString> editText(QWidget *parent, const QString &title, const QString &prompt,
                                    const QString &text) override;

    // A carriage return, the line break of the program's texts, as a line break.
    static QString withLineBreaks(const QString &text);

private:
    void useGermanButtons();
    static int showBox(QWidget *parent, QMessageBox::Icon icon, const QString &title,
                       const QString &text, QMessageBox::StandardButtons buttons,
                       QMessageBox::StandardButton defaultButton);

    bool m_germanTried = false;
};
