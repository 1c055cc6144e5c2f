// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QWidget;

// Turns a widget's mouse events into clicks as the program's buttons know them: a left press
// and a release inside the widget are one click; the second press of a double click is none.
// It takes those mouse events for itself, so the widget sees no press, release or double click.
class ClickFilter : public QObject
{
    Q_OBJECT

public:
    // Watches the widget, which owns the filter.
    explicit ClickFilter(QWidget *widget);

signals:
    void clicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_widget;
    bool m_pressed = false;
};
