// SPDX-License-Identifier: GPL-3.0-or-later
#include "popuplist.h"

#include <QEvent>
#include <QListWidget>
#include <QScopedValueRollback>

PopupList::PopupList(int openTop, int closedTop, QWidget *parent)
    : QWidget(parent), m_openTop(openTop), m_closedTop(closedTop)
{}

void PopupList::setOpen(bool open)
{
    m_open = open;
    if (open && !m_view)
        buildView();
    move(x(), open ? m_openTop : m_closedTop);
    if (!open && m_view && window()->focusWidget() == m_view)
        m_view->clearFocus();
}

void PopupList::refill(const QStringList &entries)
{
    m_entries = entries;
    if (m_view)
        showEntries();
}

void PopupList::setFramed(bool framed)
{
    m_framed = framed;
    if (m_view)
        m_view->setFrameStyle(framed ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
}

void PopupList::buildView()
{
    m_view = new QListWidget(this);
    m_view->setGeometry(rect());
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setFocusPolicy(Qt::ClickFocus);
    m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setLineWidth(1);
    setFramed(m_framed);
    m_view->viewport()->installEventFilter(this);
    setFocusProxy(m_view);
    connect(m_view, &QListWidget::itemSelectionChanged, this, &PopupList::onSelectionChanged);
    showEntries();
    m_view->show();
}

void PopupList::showEntries()
{
    const QScopedValueRollback guard(m_refilling, true);
    m_view->clear();
    m_view->addItems(m_entries);
    m_view->setCurrentRow(-1, QItemSelectionModel::Clear);
}

void PopupList::onSelectionChanged()
{
    if (m_refilling)
        return;
    const QList<QListWidgetItem *> selected = m_view->selectedItems();
    if (!selected.isEmpty())
        emit chosen(selected.first()->text());
}

bool PopupList::eventFilter(QObject *watched, QEvent *event)
{
    // The first click of a pair already chose; the second is no click.
    if (m_view && watched == m_view->viewport() && event->type() == QEvent::MouseButtonDblClick)
        return true;
    return QWidget::eventFilter(watched, event);
}

void PopupList::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_view)
        m_view->setGeometry(rect());
}
