// SPDX-License-Identifier: GPL-3.0-or-later
#include "messageboxdialogs.h"

#include "platform/germantranslation.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

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

std::optional<QString> MessageBoxDialogs::editText(QWidget *parent, const QString &title,
                                                   const QString &prompt, const QString &text)
{
    useGermanButtons();
    QDialog box(parent);
    box.setWindowTitle(title);
    auto *label = new QLabel(withLineBreaks(prompt), &box);
    label->setTextFormat(Qt::PlainText);
    auto *field = new QPlainTextEdit(text, &box);
    // The cursor after the last word and nothing selected: a word typed at once is added, and
    // never replaces the list.
    field->moveCursor(QTextCursor::End);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &box);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &box, &QDialog::reject);
    auto *layout = new QVBoxLayout(&box);
    layout->addWidget(label);
    layout->addWidget(field);
    layout->addWidget(buttons);
    field->setFocus();
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    return field->toPlainText();
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
