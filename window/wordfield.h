// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "colouredword.h"
#include "syllableruns.h"

#include <QColor>
#include <QFont>
#include <QWidget>

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

    // The two colours of the last drawing: the swatches' at that moment.
    QColor drawnColour(int slot) const { return m_colours[slot == 0 ? 0 : 1]; }

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

    QList<SyllableRun> m_runs;
    QColor m_colours[2];
    QFont m_drawnFont;
    bool m_arcs = false;
    bool m_drawnArcs = false;
    bool m_blank = false;
    TextSpan m_highlight;
};
