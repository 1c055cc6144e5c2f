// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "extrastable.h"

#include <QMap>
#include <QMenu>

class QAction;
class QActionGroup;

// The word field's context menu of extras, one entry per row of the extras table (a choice as a
// submenu, a stored list without one). It shows each entry as it is told and says what the
// teacher chose; what a choice does is the extras controller's.
//
// A click outside the menu only closes it: the toolkit would replay that press to the control
// under the pointer, and on the word field it would show the next word.
class ExtrasMenu : public QMenu
{
    Q_OBJECT

public:
    // How one entry stands: a switch's or a choice's value, and whether it can be chosen. A
    // disabled entry says why in its tooltip, when there is a reason.
    struct EntryState
    {
        int value = 0;
        bool enabled = true;
        QString reason;
    };

    explicit ExtrasMenu(QWidget *parent = nullptr);

    void showEntry(Extra extra, const EntryState &state);

    // The entry with this caption (for tests and assistive tools), or null.
    QAction *entry(const QString &caption) const;

signals:
    // The teacher switched a switch (1 on, 0 off) or took a choice's option.
    void valueChosen(Extra extra, int value);
    void commandChosen(Extra extra);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void addChoice(const ExtraRow &row);

    QMap<Extra, QAction *> m_entries; // of a choice, its submenu's entry
    QMap<Extra, QActionGroup *> m_choices;
    QList<QMenu *> m_menus; // this one and its submenus
};
