// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "syllableruns.h"

#include <QColor>
#include <QPointF>
#include <QRectF>

#include <limits>

class QFont;
class QPaintDevice;
class QPainter;

// Some characters of a drawn word: `length` of them from `from` on, counted in the runs' texts
// one after the other (a leading blank included); none when length is 0.
struct TextSpan
{
    qsizetype from = 0;
    qsizetype length = 0;
    bool isEmpty() const { return length <= 0; }
    friend bool operator==(const TextSpan &, const TextSpan &) = default;
};

// A word drawn as the word field draws it: its runs on one line, character after character in
// the painter's font, each run in its syllable colour, with an arc under each syllable when
// asked. The word field and the printed pages both draw through it, so paper shows what the
// screen shows.
class ColouredWord
{
public:
    struct Look
    {
        QColor colours[2]; // the first and the second syllable colour
        bool arcs = false;
    };

    // Draws the runs from the left end of the baseline, in the painter's font and device units.
    // Stops after the run that passes stopAt (nothing beyond it would be seen). Leaves the
    // painter as it found it.
    static void draw(QPainter &painter, QPointF baseline, const QList<SyllableRun> &runs,
                     const Look &look, qreal stopAt = std::numeric_limits<qreal>::infinity());

    // What draw() covers in the font on the device, relative to the left end of the baseline:
    // from the ascent to the descent (or to the lowest arc) and across every character's
    // advance. A glyph may reach a little beyond its advance; margins take that up.
    static QRectF extent(const QList<SyllableRun> &runs, const QFont &font, QPaintDevice *device,
                         bool arcs);

    // Where the span's characters stand as draw() lays them out, relative to the left end of the
    // baseline: across their advances, from the ascent to the descent. Empty for an empty span.
    static QRectF spanExtent(const QList<SyllableRun> &runs, const QFont &font,
                             QPaintDevice *device, TextSpan span);

    // The largest point size (near enough) at which the extent fits the space, in the font's
    // family and style on the device.
    static qreal fittingPointSize(const QList<SyllableRun> &runs, QFont font, QPaintDevice *device,
                                  bool arcs, QSizeF space);
};
