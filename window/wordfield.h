// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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

signals:
    // A press and a release inside the field; the second click of a double click is none.
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRect drawingArea() const;

    QList<SyllableRun> m_runs;
    QColor m_colours[2];
    QFont m_drawnFont;
};
