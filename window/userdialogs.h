// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

class QWidget;

// The modal boxes the window asks the user through. While one is open the window takes no
// input. Texts may hold carriage returns, each of which is one line break.
class UserDialogs
{
public:
    virtual ~UserDialogs() = default;

    // A message with an OK button only and no icon.
    virtual void inform(QWidget *parent, const QString &title, const QString &text) = 0;
    // A failure the user must know of, with a warning icon and an OK button.
    virtual void warn(QWidget *parent, const QString &title, const QString &text) = 0;
    // A question with Yes and No, a question mark and No as the default button. Returns
    // true iff the user answered Yes.
    virtual bool confirm(QWidget *parent, const QString &title, const QString &question) = 0;
    // A one-line input with OK and Cancel, holding text at first. Returns the text confirmed
    // with OK, or an empty text when the user cancelled.
    virtual QString askText(QWidget *parent, const QString &title, const QString &prompt,
                            const QString &text) = 0;
    // A multi-line text field with OK and Cancel, holding text at first. Returns the text
    // confirmed with OK, empty or not, or nothing when the user cancelled.
    virtual std::optional<QString> editText(QWidget *parent, const QString &title,
                                            const QString &prompt, const QString &text) = 0;
};
