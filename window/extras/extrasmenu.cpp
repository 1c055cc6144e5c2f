// SPDX-License-Identifier: GPL-3.0-or-later
#include "extrasmenu.h"

#include <QActionGroup>
#include <QMouseEvent>

ExtrasMenu::ExtrasMenu(QWidget *parent) : QMenu(parent), m_menus{this}
{
    // Disabled entries say what is missing in their tooltips.
    setToolTipsVisible(true);
    installEventFilter(this);
    for (const ExtraRow &row : ExtrasTable::rows()) {
        if (row.kind == ExtraKind::StoredList)
            continue;
        if (row.separatorBefore)
            addSeparator();
        if (row.kind == ExtraKind::Choice) {
            addChoice(row);
            continue;
        }
        QAction *action = addAction(row.caption);
        m_entries.insert(row.extra, action);
        if (row.kind == ExtraKind::Command) {
            connect(action, &QAction::triggered, this,
                    [this, e = row.extra] { emit commandChosen(e); });
            continue;
        }
        action->setCheckable(true);
        // Only the teacher's own choice counts: triggered, unlike toggled, never comes from
        // showEntry.
        connect(action, &QAction::triggered, this,
                [this, e = row.extra](bool checked) { emit valueChosen(e, checked ? 1 : 0); });
    }
}

void ExtrasMenu::addChoice(const ExtraRow &row)
{
    QMenu *options = addMenu(row.caption);
    options->installEventFilter(this);
    m_menus.append(options);
    m_entries.insert(row.extra, options->menuAction());
    auto *group = new QActionGroup(this);
    group->setExclusive(true);
    m_choices.insert(row.extra, group);
    for (const ExtraChoice &choice : row.choices) {
        QAction *action = options->addAction(choice.caption);
        action->setCheckable(true);
        action->setData(choice.value);
        group->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, e = row.extra, v = choice.value] { emit valueChosen(e, v); });
    }
}

void ExtrasMenu::showEntry(Extra extra, const EntryState &state)
{
    QAction *action = m_entries.value(extra);
    if (!action)
        return;
    if (action->isCheckable())
        action->setChecked(state.value != 0);
    if (const QActionGroup *group = m_choices.value(extra)) {
        for (QAction *option : group->actions())
            option->setChecked(option->data().toInt() == state.value);
    }
    action->setEnabled(state.enabled);
    action->setToolTip(state.enabled || state.reason.isEmpty() ? action->text() : state.reason);
}

QAction *ExtrasMenu::entry(const QString &caption) const
{
    const QList<QAction *> all = findChildren<QAction *>();
    for (QAction *action : all) {
        if (action->text() == caption)
            return action;
    }
    return nullptr;
}

bool ExtrasMenu::eventFilter(QObject *watched, QEvent *event)
{
    // A press outside every open menu closes them all, and the toolkit would then replay it to
    // the control under the pointer unless the last menu to close says not to. The toolkit
    // clears that mark at every mouse event a menu receives, so it is set anew at each press.
    if (event->type() == QEvent::MouseButtonPress) {
        const QPoint at = static_cast<QMouseEvent *>(event)->globalPosition().toPoint();
        const bool outside = std::none_of(m_menus.begin(), m_menus.end(), [at](QMenu *menu) {
            return menu->isVisible() && menu->geometry().contains(at);
        });
        if (outside) {
            for (QMenu *menu : std::as_const(m_menus))
                menu->setAttribute(Qt::WA_NoMouseReplay);
        }
    }
    return QMenu::eventFilter(watched, event);
}
