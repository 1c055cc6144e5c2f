// SPDX-License-Identifier: GPL-3.0-or-later
#include "popuplist.h"

#include <QEvent>
#include <QScopedValueRollback>

PopupList::PopupList(int openTop, int closedTop, QWidget *parent)
    : QListWidget(parent), m_openTop(openTop), m_closedTop(closedTop)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setFocusPolicy(Qt::ClickFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(this, &QListWidget::itemSelectionChanged, this, &PopupList::onSelectionChanged);
}

void PopupList::setOpen(bool open)
{
    m_open = open;
    move(x(), open ? m_openTop : m_closedTop);
    if (!open && window()->focusWidget() == this)
        clearFocus();
}

void PopupList::refill(const QStringList &entries)
{
    const QScopedValueRollback guard(m_refilling, true);
    clear();
    addItems(entries);
    setCurrentRow(-1, QItemSelectionModel::Clear);
}

void PopupList::onSelectionChanged()
{
    if (m_refilling)
        return;
    const QList<QListWidgetItem *> selected = selectedItems();
    if (!selected.isEmpty())
        emit chosen(selected.first()->text());
}

bool PopupList::event(QEvent *event)
{
    // Laying out the entries measures each of them in the list's font, which loads that font
    // and the text shaper, over a megabyte, before the window can appear. Out of sight the
    // layout waits: the toolkit keeps it pending and runs it at the list's first paint or at
    // the first question about an entry's place.
    if (event->type() == QEvent::Show && isParked())
        return QAbstractScrollArea::event(event);
    return QListWidget::event(event);
}

bool PopupList::isParked() const
{
    const QWidget *parent = parentWidget();
    return parent && !parent->rect().intersects(geometry());
}

void PopupList::mouseDoubleClickEvent(QMouseEvent *)
{
    // The first click of the pair already chose; the second is no click.
}
