// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordfield.h"

#include "clickfilter.h"
#include "usercharacters.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

namespace {

// Letters and digits carry an arc; punctuation at a syllable's edges stays outside it.
bool carriesArc(QStringView character)
{
    return character.front().isLetterOrNumber();
}

} // namespace

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

void WordField::setHighlight(TextSpan span)
{
    if (span == m_highlight)
        return;
    m_highlight = span;
    update();
}

void WordField::setBlank(bool blank)
{
    if (blank == m_blank)
        return;
    m_blank = blank;
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

    const QFontMetricsF metrics(m_drawnFont, this);
    if (!m_highlight.isEmpty())
        painter.fillRect(highlightArea(metrics, area), QColor(highlightColour));
    // One character at a time, each right after the previous one, as a typewriter would:
    // a colour change between two characters never moves them.
    const qreal baseline = area.top() + metrics.ascent();
    const qreal arcTop = baseline + metrics.descent() + metrics.lineWidth();
    qreal x = area.left();
    for (const SyllableRun &run : std::as_const(m_runs)) {
        const QColor &colour = m_colours[run.colourSlot == 0 ? 0 : 1];
        painter.setPen(colour);
        // An arc spans the letters of one syllable between blanks.
        bool inArc = false;
        qreal arcLeft = x;
        qreal arcRight = x;
        // A character is what the reader sees as one: a letter with its combining marks, or
        // a surrogate pair, is drawn whole.
        UserCharacters::all(run.text, [&](QStringView character) {
            const QString glyph = character.toString();
            const qreal advance = metrics.horizontalAdvance(glyph);
            if (character.front() == u' ' && inArc) {
                drawArc(painter, arcLeft, arcRight, arcTop, metrics.height(), colour);
                inArc = false;
            } else if (carriesArc(character)) {
                arcLeft = inArc ? arcLeft : x;
                arcRight = x + advance;
                inArc = true;
            }
            painter.setPen(colour);
            painter.drawText(QPointF(x, baseline), glyph);
            x += advance;
            return true;
        });
        if (inArc)
            drawArc(painter, arcLeft, arcRight, arcTop, metrics.height(), colour);
        if (x > area.right())
            break;
    }
    emit painted(false);
}

// Where the characters of the highlight stand, laid out as the drawing lays them out.
QRectF WordField::highlightArea(const QFontMetricsF &metrics, const QRect &area) const
{
    const qsizetype end = m_highlight.from + m_highlight.length;
    qsizetype position = 0;
    qreal x = area.left();
    QRectF band;
    for (const SyllableRun &run : m_runs) {
        const bool more = UserCharacters::all(run.text, [&](QStringView character) {
            const qreal advance = metrics.horizontalAdvance(character.toString());
            if (position >= m_highlight.from)
                band |= QRectF(x, area.top(), advance, metrics.height());
            position += character.size();
            x += advance;
            return position < end;
        });
        if (!more)
            break;
    }
    return band;
}

void WordField::drawArc(QPainter &painter, qreal left, qreal right, qreal top, qreal size,
                        const QColor &colour) const
{
    if (!m_drawnArcs)
        return;
    // A shallow bow below the descenders, a little narrower than the syllable, so that the
    // arcs of two neighbouring syllables never touch. Everything scales with the font.
    const qreal penWidth = std::max<qreal>(2, size / 14);
    const qreal inset = std::min((right - left) / 6, size / 12);
    const qreal depth = size / 6;
    QPainterPath bow(QPointF(left + inset, top));
    bow.quadTo(QPointF((left + right) / 2, top + 2 * depth), QPointF(right - inset, top));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, penWidth, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(bow);
    painter.restore();
}
