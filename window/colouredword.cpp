// SPDX-License-Identifier: GPL-3.0-or-later
#include "colouredword.h"

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

// The arcs' shape follows the font's line height: a shallow bow below the descenders, a little
// narrower than the syllable, so that the arcs of two neighbouring syllables never touch.
struct ArcShape
{
    explicit ArcShape(const QFontMetricsF &metrics)
        : size(metrics.height()), top(metrics.descent() + metrics.lineWidth()),
          penWidth(std::max<qreal>(2, size / 14)), depth(size / 6)
    {}

    // How far below the baseline the lowest arc reaches, its round line included.
    qreal bottom() const { return top + depth + penWidth / 2; }

    qreal size;
    qreal top; // below the baseline
    qreal penWidth;
    qreal depth;
};

void drawArc(QPainter &painter, const ArcShape &shape, qreal left, qreal right, qreal baseline,
             const QColor &colour)
{
    const qreal inset = std::min((right - left) / 6, shape.size / 12);
    const qreal top = baseline + shape.top;
    QPainterPath bow(QPointF(left + inset, top));
    bow.quadTo(QPointF((left + right) / 2, top + 2 * shape.depth), QPointF(right - inset, top));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, shape.penWidth, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(bow);
    painter.restore();
}

// Walks the runs character by character, as they are drawn: each(run, character, x, advance).
template <typename Each>
qreal walk(const QList<SyllableRun> &runs, const QFontMetricsF &metrics, qreal stopAt, Each each)
{
    qreal x = 0;
    for (const SyllableRun &run : runs) {
        UserCharacters::all(run.text, [&](QStringView character) {
            const qreal advance = metrics.horizontalAdvance(character.toString());
            each(run, character, x, advance);
            x += advance;
            return true;
        });
        if (x > stopAt)
            break;
    }
    return x;
}

} // namespace

void ColouredWord::draw(QPainter &painter, QPointF baseline, const QList<SyllableRun> &runs,
                        const Look &look, qreal stopAt)
{
    // One character at a time, each right after the previous one, as a typewriter would: a
    // colour change between two characters never moves them.
    const QFontMetricsF metrics(painter.font(), painter.device());
    const ArcShape arc(metrics);
    const QPen pen = painter.pen();
    // An arc spans the letters of one syllable between blanks.
    const SyllableRun *arcRun = nullptr;
    qreal arcLeft = 0;
    qreal arcRight = 0;
    const auto endArc = [&] {
        if (arcRun && look.arcs)
            drawArc(painter, arc, baseline.x() + arcLeft, baseline.x() + arcRight, baseline.y(),
                    look.colours[arcRun->colourSlot == 0 ? 0 : 1]);
        arcRun = nullptr;
    };
    walk(runs, metrics, stopAt - baseline.x(),
         [&](const SyllableRun &run, QStringView character, qreal x, qreal advance) {
             if (arcRun != &run)
                 endArc();
             if (character.front() == u' ') {
                 endArc();
             } else if (carriesArc(character)) {
                 arcLeft = arcRun ? arcLeft : x;
                 arcRight = x + advance;
                 arcRun = &run;
             }
             painter.setPen(look.colours[run.colourSlot == 0 ? 0 : 1]);
             painter.drawText(QPointF(baseline.x() + x, baseline.y()), character.toString());
         });
    endArc();
    painter.setPen(pen);
}

QRectF ColouredWord::extent(const QList<SyllableRun> &runs, const QFont &font, QPaintDevice *device,
                            bool arcs)
{
    const QFontMetricsF metrics(font, device);
    const qreal width = walk(runs, metrics, std::numeric_limits<qreal>::infinity(),
                             [](const SyllableRun &, QStringView, qreal, qreal) {});
    const qreal bottom = arcs ? ArcShape(metrics).bottom() : metrics.descent();
    return QRectF(0, -metrics.ascent(), width, metrics.ascent() + bottom);
}

QRectF ColouredWord::spanExtent(const QList<SyllableRun> &runs, const QFont &font,
                                QPaintDevice *device, TextSpan span)
{
    if (span.isEmpty())
        return {};
    const QFontMetricsF metrics(font, device);
    const qsizetype end = span.from + span.length;
    qsizetype position = 0;
    QRectF band;
    walk(runs, metrics, std::numeric_limits<qreal>::infinity(),
         [&](const SyllableRun &, QStringView character, qreal x, qreal advance) {
             if (position >= span.from && position < end)
                 band |= QRectF(x, -metrics.ascent(), advance, metrics.height());
             position += character.size();
         });
    return band;
}

qreal ColouredWord::fittingPointSize(const QList<SyllableRun> &runs, QFont font,
                                     QPaintDevice *device, bool arcs, QSizeF space)
{
    // The extent grows in proportion to the size, give or take the rounding of the font's
    // metrics: a first guess from one size, then corrected until it fits.
    qreal points = 100;
    for (int attempt = 0; attempt < 8; ++attempt) {
        font.setPointSizeF(points);
        const QRectF drawn = extent(runs, font, device, arcs);
        const qreal across = drawn.width() > 0 ? space.width() / drawn.width() : 1e9;
        const qreal scale = std::min(across, space.height() / drawn.height());
        if (attempt > 0 && scale >= 1)
            return points;
        points *= attempt == 0 ? scale : scale * 0.995;
    }
    return points;
}
