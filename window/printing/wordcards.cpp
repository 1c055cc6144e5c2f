// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordcards.h"

#include <QPagedPaintDevice>
#include <QPainter>

namespace {

// Room around the word on its card, so that a glyph reaching beyond its advance stays on the
// card and scissors along the cut line never touch a letter.
constexpr qreal cardMarginMm = 6;
constexpr qreal cutLineMm = 0.25;
const QColor cutLineColour(150, 150, 150);

} // namespace

WordCards::WordCards(QPainter &painter, const PrintedLesson &lesson)
    : m_painter(painter), m_lesson(lesson), m_units(*painter.device()),
      m_page(0, 0, painter.device()->width(), painter.device()->height())
{
    // The widest word, as drawn, decides the size of all: the one that fits least.
    qreal fitsAll = std::numeric_limits<qreal>::infinity();
    for (const QList<SyllableRun> &word : lesson.words)
        fitsAll =
            std::min(fitsAll, ColouredWord::fittingPointSize(word, lesson.font, painter.device(),
                                                             lesson.look.arcs, wordSpace()));
    if (!lesson.words.isEmpty())
        m_commonPoints = std::max(fitsAll, smallestCommonPoints);
}

QRectF WordCards::card(int indexOnPage) const
{
    const qreal width = m_page.width() / columns;
    const qreal height = m_page.height() / rows;
    return QRectF(m_page.left() + (indexOnPage % columns) * width,
                  m_page.top() + (indexOnPage / columns) * height, width, height);
}

QSizeF WordCards::wordSpace() const
{
    const qreal margin = 2 * m_units.millimetres(cardMarginMm);
    return card(0).size() - QSizeF(margin, margin);
}

qreal WordCards::pointSizeFor(const QList<SyllableRun> &word) const
{
    QFont font = m_lesson.font;
    font.setPointSizeF(m_commonPoints);
    const QRectF extent = ColouredWord::extent(word, font, m_painter.device(), m_lesson.look.arcs);
    const QSizeF space = wordSpace();
    if (extent.width() <= space.width() && extent.height() <= space.height())
        return m_commonPoints;
    return ColouredWord::fittingPointSize(word, m_lesson.font, m_painter.device(),
                                          m_lesson.look.arcs, space);
}

void WordCards::draw(QPagedPaintDevice &device)
{
    const int perPage = columns * rows;
    for (qsizetype i = 0; i < m_lesson.words.size(); ++i) {
        const int onPage = int(i % perPage);
        if (onPage == 0) {
            if (i > 0)
                device.newPage();
            drawCutLines();
        }
        drawWord(m_lesson.words[i], card(onPage));
    }
}

// The lines run across the whole page, once each, so that their dashes line up.
void WordCards::drawCutLines()
{
    m_painter.save();
    QPen pen(cutLineColour, m_units.millimetres(cutLineMm), Qt::DashLine);
    m_painter.setPen(pen);
    for (int column = 0; column <= columns; ++column) {
        const qreal x = m_page.left() + column * m_page.width() / columns;
        m_painter.drawLine(QPointF(x, m_page.top()), QPointF(x, m_page.bottom()));
    }
    for (int row = 0; row <= rows; ++row) {
        const qreal y = m_page.top() + row * m_page.height() / rows;
        m_painter.drawLine(QPointF(m_page.left(), y), QPointF(m_page.right(), y));
    }
    m_painter.restore();
}

void WordCards::drawWord(const QList<SyllableRun> &word, const QRectF &card)
{
    QFont font = m_lesson.font;
    font.setPointSizeF(pointSizeFor(word));
    m_painter.setFont(font);
    const QRectF extent = ColouredWord::extent(word, font, m_painter.device(), m_lesson.look.arcs);
    const QPointF baseline(card.center().x() - extent.width() / 2,
                           card.center().y() - extent.center().y());
    ColouredWord::draw(m_painter, baseline, word, m_lesson.look);
}
