// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pageunits.h"
#include "printedlesson.h"

class QPagedPaintDevice;
class QPainter;

// A reading sheet for the one-minute reading check: a header with the list's name, the letter
// sequence and lines for the child's name and the date; then the words in rows at a size a
// first-grader reads, each row ending in the running total of words, so that the adult finds
// the number read at a glance; the page number at the foot of every page.
class ReadingSheet
{
public:
    static constexpr qreal wordPoints = 20;

    // The painter is active on the device the sheet goes to.
    ReadingSheet(QPainter &painter, const PrintedLesson &lesson);

    void draw(QPagedPaintDevice &device);

private:
    struct Placed
    {
        qsizetype word;
        qreal left; // from the row's start
        qreal points;
    };
    struct Row
    {
        QList<Placed> words;
        qsizetype total; // the words up to the end of this row
    };

    void layOutRows();
    QList<QList<Row>> pages() const;
    qreal headerHeight() const;
    qreal footerHeight() const;
    qreal rowPitch() const;
    qreal totalsWidth() const;
    QFont textFont(qreal points, bool bold = false) const;

    void drawHeader();
    void drawRow(const Row &row, qreal baseline);
    void drawFooter(int page, int pageCount);

    QPainter &m_painter;
    const PrintedLesson &m_lesson;
    PageUnits m_units;
    QRectF m_page;
    QList<Row> m_rows;
};
