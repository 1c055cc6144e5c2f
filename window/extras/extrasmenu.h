// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "extras.h"

#include <QMenu>

class QAction;
class QActionGroup;

// The word field's context menu of extras. It shows the extras it is given and tells what the
// teacher chose; the window owns the extras and decides what a choice does.
class ExtrasMenu : public QMenu
{
    Q_OBJECT

public:
    explicit ExtrasMenu(QWidget *parent = nullptr);

    // Checks the entries as the extras stand.
    void showExtras(const Extras &extras);

    // An entry whose service is missing is disabled and says why in its tooltip.
    void setSyllablesAvailable(bool available, const QString &reason);
    void setSpeechAvailable(bool available, const QString &reason);
    void setShowAgainEnabled(bool enabled);

    // The entry with this caption (for tests and assistive tools), or null.
    QAction *entry(const QString &caption) const;

signals:
    // The teacher switched an extra: the extras as the entries now stand.
    void extrasChanged(const Extras &extras);
    void showWordAgain();
    void readWord();
    void readSyllables();
    void allExtrasOff();

private:
    QAction *addSwitch(const QString &caption);
    QAction *addCommand(const QString &caption, void (ExtrasMenu::*signal)());
    void addFlashChoices();
    Extras chosenExtras() const;
    static void setAvailable(QAction *action, bool available, const QString &reason);

    QAction *m_automaticSyllables;
    QAction *m_syllableArcs;
    QActionGroup *m_flash = nullptr;
    QAction *m_showAgain = nullptr;
    QAction *m_readWord = nullptr;
    QAction *m_readSyllables = nullptr;
    QAction *m_slowSpeech = nullptr;
    QAction *m_speakerButton = nullptr;
    QAction *m_noWordSign = nullptr;
};
