// SPDX-License-Identifier: GPL-3.0-or-later
#include "messageboxdialogs.h"

#include "platform/germantranslation.h"

#include <QCoreApplication>
#include <QInputDialog>

void MessageBoxDialogs::inform(QWidget *parent, const QString &title, const QString &text)
{
    useGermanButtons();
    showBox(parent, QMessageBox::NoIcon, title, text, QMessageBox::Ok, QMessageBox::Ok);
}

void MessageBoxDialogs::warn(QWidget *parent, const QString &title, const QString &text)
{
    useGermanButtons();
    showBox(parent, QMessageBox::Warning, title, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool MessageBoxDialogs::confirm(QWidget *parent, const QString &title, const QString &question)
{
    useGermanButtons();
    return showBox(parent, QMessageBox::Question, title, question,
                   QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

QString MessageBoxDialogs::askText(QWidget *parent, const QString &title, const QString &prompt,
                                   const QString &text)
{
    useGermanButtons();
    bool ok = false;
    const QString entered =
        QInputDialog::getText(parent, title, withLineBreaks(prompt), QLineEdit::Normal, text, &ok);
    return ok ? entered : QString();
}

void MessageBoxDialogs::useGermanButtons()
{
    if (m_germanTried)
        return;
    m_germanTried = true;
    installGermanTranslation(QCoreApplication::instance());
}

QString MessageBoxDialogs::withLineBreaks(const QString &text)
{
    QString shown = text;
    return shown.replace(u'\r', u'\n');
}

int MessageBoxDialogs::showBox(QWidget *parent, QMessageBox::Icon icon, const QString &title,
                               const QString &text, QMessageBox::StandardButtons buttons,
                               QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, title, withLineBreaks(text), buttons, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(defaultButton);
    return box.exec();
}
