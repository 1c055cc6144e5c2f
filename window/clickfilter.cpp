// SPDX-License-Identifier: GPL-3.0-or-later
#include "clickfilter.h"

#include <QMouseEvent>
#include <QWidget>

ClickFilter::ClickFilter(QWidget *widget) : QObject(widget), m_widget(widget)
{
    widget->installEventFilter(this);
}

bool ClickFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_widget)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        m_pressed = static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
        return true;
    case QEvent::MouseButtonRelease: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const bool click = m_pressed && mouse->button() == Qt::LeftButton &&
                           m_widget->rect().contains(mouse->position().toPoint());
        m_pressed = false;
        if (click)
            emit clicked();
        return true;
    }
    case QEvent::MouseButtonDblClick:
        // The second press of a double click: its release must not count as a click.
        m_pressed = false;
        return true;
    default:
        return false;
    }
}
