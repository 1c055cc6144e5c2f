// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttonlabel.h"

#include "clickfilter.h"
#include "layouttable.h"

#include <QPainter>

ButtonLabel::ButtonLabel(QWidget *parent) : QLabel(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(true);
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
    connect(new ClickFilter(this), &ClickFilter::clicked, this, &ButtonLabel::clicked);
}

void ButtonLabel::layOut(const ControlLayout &row)
{
    setObjectName(row.objectName);
    setGeometry(row.pixelRect());
    setText(row.caption);
    setToolTip(row.tooltip);
    setColours(row.background.resolve(palette()), row.text.resolve(palette()));
    setFont(row.font());
    setBorder(row.border);
    setAlignment(row.alignment);
}

void ButtonLabel::setBorder(bool border)
{
    m_border = border;
    // The text keeps clear of the frame line.
    const int margin = border ? 1 : 0;
    setContentsMargins(margin, margin, margin, margin);
    update();
}

void ButtonLabel::setColours(const QColor &background, const QColor &text)
{
    QPalette colours = palette();
    colours.setColor(QPalette::Window, background);
    colours.setColor(QPalette::WindowText, text);
    setPalette(colours);
}

void ButtonLabel::setBackgroundColour(const QColor &background)
{
    setColours(background, palette().color(QPalette::WindowText));
}

QColor ButtonLabel::backgroundColour() const
{
    return palette().color(QPalette::Window);
}

void ButtonLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!m_border)
        return;
    QPainter painter(this);
    painter.setPen(QColor(Qt::black));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
