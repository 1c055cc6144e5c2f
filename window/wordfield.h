// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "syllableruns.h"

#include <QColor>
#include <QFont>
#include <QWidget>

class QFontMetricsF;
class QPainter;

// Some characters of the word field's drawing: `length` of them from `from` on, counted in the
// runs' texts one after the other (the leading blank included); none when length is 0.
struct TextSpan
{
    qsizetype from = 0;
    qsizetype length = 0;
    bool isEmpty() const { return length <= 0; }
    friend bool operator==(const TextSpan &, const TextSpan &) = default;
};

// The white field the word is drawn into, with a one-pixel frame. It keeps its last drawing
// (the runs, the two colours and the font they were drawn with) and paints it again whenever
// the window system uncovers the field, until the next drawColouredWord replaces it.
class WordField : public QWidget
{
    Q_OBJECT

public:
    explicit WordField(QWidget *parent = nullptr);

    // Clears the field and draws the runs on one line from its top-left corner, character
    // after character in the field's current font: runs of slot 0 in the first colour, of
    // slot 1 in the second. Whatever does not fit is cut off at the field's edges.
    void drawColouredWord(const QList<SyllableRun> &runs, const QColor &first,
                          const QColor &second);

    // With arcs, each syllable is underlined by an arc in its colour (from the next drawing on).
    void setArcs(bool arcs) { m_arcs = arcs; }

    // The characters of the span stand on a pale yellow band from the top of the line to the
    // bottom of its descenders, as if marked with a highlighter; their colours stay. It is kept
    // through new drawings until it is changed; an empty span takes it away.
    void setHighlight(TextSpan span);
    TextSpan highlight() const { return m_highlight; }
    static constexpr QRgb highlightColour = qRgb(255, 240, 150);

    // A blank field shows white only, but keeps its drawing: redraws while blank stay blank,
    // and showing it again needs no new drawing.
    void setBlank(bool blank);
    bool isBlank() const { return m_blank; }

signals:
    // A press and a release inside the field; the second click of a double click is none.
    void clicked();
    // The field was painted with the word visible (blank: false) or white (blank: true).
    void painted(bool blank);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRect drawingArea() const;
    QRectF highlightArea(const QFontMetricsF &metrics, const QRect &area) const;
    // size: the font's line height, which the arc's depth and line width follow.
    void drawArc(QPainter &painter, qreal left, qreal right, qreal top, qreal size,
                 const QColor &colour) const;

    QList<SyllableRun> m_runs;
    QColor m_colours[2];
    QFont m_drawnFont;
    TextSpan m_highlight;
    bool m_arcs = false;
    bool m_drawnArcs = false;
    bool m_blank = false;
};
