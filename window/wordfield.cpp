// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordfield.h"

#include "clickfilter.h"
#include "usercharacters.h"

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
    painter.setClipRect(area);
    painter.setFont(m_drawnFont);

    // One character at a time, each right after the previous one, as a typewriter would:
    // a colour change between two characters never moves them.
    const QFontMetricsF metrics(m_drawnFont, this);
    const qreal baseline = area.top() + metrics.ascent();
    qreal x = area.left();
    for (const SyllableRun &run : std::as_const(m_runs)) {
        painter.setPen(m_colours[run.colourSlot == 0 ? 0 : 1]);
        // A character is what the reader sees as one: a letter with its combining marks, or
        // a surrogate pair, is drawn whole.
        UserCharacters::all(run.text, [&](QStringView character) {
            const QString glyph = character.toString();
            painter.drawText(QPointF(x, baseline), glyph);
            x += metrics.horizontalAdvance(glyph);
            return true;
        });
        if (x > area.right())
            break;
    }
}
