// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pageunits.h"
#include "printedlesson.h"

class QPagedPaintDevice;
class QPainter;

// Word cards to cut out: 2 × 4 cards a page between thin dashed cut lines, each word centred
// on its card. All cards of a print share one font size, the largest at which the widest word
// fits its card with a margin, but not below 24 pt; a word that does not fit at 24 pt gets a
// smaller size on its own card, so that no word is ever cut off.
class WordCards
{
public:
    static constexpr int columns = 2;
    static constexpr int rows = 4;
    static constexpr qreal smallestCommonPoints = 24;

    // The painter is active on the device the cards go to.
    WordCards(QPainter &painter, const PrintedLesson &lesson);

    void draw(QPagedPaintDevice &device);

private:
    QRectF card(int indexOnPage) const;
    QSizeF wordSpace() const;
    qreal pointSizeFor(const QList<SyllableRun> &word) const;
    void drawCutLines();
    void drawWord(const QList<SyllableRun> &word, const QRectF &card);

    QPainter &m_painter;
    const PrintedLesson &m_lesson;
    PageUnits m_units;
    QRectF m_page;
    qreal m_commonPoints = smallestCommonPoints;
};
