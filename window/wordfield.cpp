// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordfield.h"

#include "clickfilter.h"
#include "colouredword.h"

#include <QFontMetricsF>
#include <QPainter>

WordField::WordField(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_drawnFont = font();
    connect(new ClickFilter(this), &ClickFilter::clicked, this, &WordField::clicked);
}

void WordField::drawColouredWord(const QList<SyllableRun> &runs, const QColor &first,
                                 const QColor &second)
{
    m_runs = runs;
    m_colours[0] = first;
    m_colours[1] = second;
    m_drawnFont = font();
    m_drawnArcs = m_arcs;
    update();
}

void WordField::setBlank(bool blank)
{
    if (blank == m_blank)
        return;
    m_blank = blank;
    update();
}

void WordField::setHighlight(TextSpan span)
{
    if (span == m_highlight)
        return;
    m_highlight = span;
    update();
}

QRect WordField::drawingArea() const
{
    return rect().adjusted(1, 1, -1, -1);
}

void WordField::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QColor(Qt::black));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    const QRect area = drawingArea();
    painter.fillRect(area, palette().color(QPalette::Base));
    if (m_blank) {
        emit painted(true);
        return;
    }
    painter.setClipRect(area);
    painter.setFont(m_drawnFont);
    const QPointF baseline(area.left(), area.top() + QFontMetricsF(m_drawnFont, this).ascent());
    if (!m_highlight.isEmpty())
        painter.fillRect(
            ColouredWord::spanExtent(m_runs, m_drawnFont, this, m_highlight).translated(baseline),
            QColor(highlightColour));
    ColouredWord::draw(painter, baseline, m_runs, {{m_colours[0], m_colours[1]}, m_drawnArcs},
                       area.right());
    emit painted(false);
}
