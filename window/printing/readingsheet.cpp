// SPDX-License-Identifier: GPL-3.0-or-later
#include "readingsheet.h"

#include "windowtexts.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

namespace {

constexpr qreal titlePoints = 16;
constexpr qreal headerPoints = 12;
constexpr qreal totalPoints = 12;
constexpr qreal footerPoints = 10;
const QColor totalColour(80, 80, 80);

} // namespace

ReadingSheet::ReadingSheet(QPainter &painter, const PrintedLesson &lesson)
    : m_painter(painter), m_lesson(lesson), m_units(*painter.device()),
      m_page(0, 0, painter.device()->width(), painter.device()->height())
{
    layOutRows();
}

QFont ReadingSheet::textFont(qreal points, bool bold) const
{
    // The sheet's own texts in a plain sans, whatever the words' font.
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

qreal ReadingSheet::totalsWidth() const
{
    const QFontMetricsF metrics(textFont(totalPoints), m_painter.device());
    return metrics.horizontalAdvance(QStringLiteral("00000")) + m_units.millimetres(6);
}

qreal ReadingSheet::headerHeight() const
{
    const QFontMetricsF title(textFont(titlePoints, true), m_painter.device());
    const QFontMetricsF text(textFont(headerPoints), m_painter.device());
    return title.lineSpacing() + 2 * text.lineSpacing() + m_units.millimetres(10);
}

qreal ReadingSheet::footerHeight() const
{
    return QFontMetricsF(textFont(footerPoints), m_painter.device()).lineSpacing() +
           m_units.millimetres(4);
}

// The words' line with their arcs, and room below for the adult's marks.
qreal ReadingSheet::rowPitch() const
{
    QFont font = m_lesson.font;
    font.setPointSizeF(wordPoints);
    const QRectF line = ColouredWord::extent({}, font, m_painter.device(), m_lesson.look.arcs);
    return line.height() + 0.9 * QFontMetricsF(font, m_painter.device()).height();
}

// As many words a row as fit, a generous gap between them; a word wider than a whole row gets a
// smaller size on a row of its own.
void ReadingSheet::layOutRows()
{
    QFont font = m_lesson.font;
    font.setPointSizeF(wordPoints);
    const qreal gap = 0.6 * QFontMetricsF(font, m_painter.device()).height();
    const qreal rowWidth = m_page.width() - totalsWidth();
    Row row{{}, 0};
    qreal end = 0;
    for (qsizetype i = 0; i < m_lesson.words.size(); ++i) {
        const QList<SyllableRun> &word = m_lesson.words[i];
        qreal points = wordPoints;
        qreal width = ColouredWord::extent(word, font, m_painter.device(), false).width();
        if (width > rowWidth) {
            points = ColouredWord::fittingPointSize(word, font, m_painter.device(), false,
                                                    QSizeF(rowWidth, 1e9));
            QFont smaller = font;
            smaller.setPointSizeF(points);
            width = ColouredWord::extent(word, smaller, m_painter.device(), false).width();
        }
        const qreal left = row.words.isEmpty() ? 0 : end + gap;
        if (!row.words.isEmpty() && left + width > rowWidth) {
            m_rows.append(row);
            row = {{}, row.total};
            end = 0;
            row.words.append({i, 0, points});
        } else {
            row.words.append({i, left, points});
        }
        end = row.words.last().left + width;
        ++row.total;
    }
    if (!row.words.isEmpty())
        m_rows.append(row);
}

QList<QList<ReadingSheet::Row>> ReadingSheet::pages() const
{
    QList<QList<Row>> pages;
    const qreal pitch = rowPitch();
    qreal room = m_page.height() - footerHeight() - headerHeight();
    for (const Row &row : m_rows) {
        if (pages.isEmpty() || (room < pitch && !pages.last().isEmpty())) {
            if (!pages.isEmpty())
                room = m_page.height() - footerHeight();
            pages.append(QList<Row>());
        }
        pages.last().append(row);
        room -= pitch;
    }
    return pages;
}

void ReadingSheet::draw(QPagedPaintDevice &device)
{
    const QList<QList<Row>> all = pages();
    QFont font = m_lesson.font;
    font.setPointSizeF(wordPoints);
    // The line's top lies above the baseline: a negative offset.
    const qreal lineTop = ColouredWord::extent({}, font, m_painter.device(), false).top();
    const qreal pitch = rowPitch();
    for (qsizetype page = 0; page < all.size(); ++page) {
        if (page > 0)
            device.newPage();
        qreal top = m_page.top();
        if (page == 0) {
            drawHeader();
            top += headerHeight();
        }
        for (const Row &row : all[page]) {
            drawRow(row, top - lineTop);
            top += pitch;
        }
        drawFooter(int(page) + 1, int(all.size()));
    }
}

void ReadingSheet::drawHeader()
{
    m_painter.save();
    m_painter.setPen(Qt::black);
    const QFont title = textFont(titlePoints, true);
    const QFont text = textFont(headerPoints);
    const QFontMetricsF titleMetrics(title, m_painter.device());
    const QFontMetricsF textMetrics(text, m_painter.device());
    qreal baseline = m_page.top() + titleMetrics.ascent();
    m_painter.setFont(title);
    m_painter.drawText(QPointF(m_page.left(), baseline),
                       WindowTexts::readingSheetTitle.arg(m_lesson.listName));
    m_painter.setFont(text);
    baseline += titleMetrics.descent() + textMetrics.leading() + textMetrics.ascent();
    m_painter.drawText(QPointF(m_page.left(), baseline),
                       WindowTexts::readingSheetLetters.arg(m_lesson.letterSequence));
    baseline += textMetrics.lineSpacing();
    m_painter.drawText(QPointF(m_page.left(), baseline), WindowTexts::readingSheetNameAndDate);
    m_painter.restore();
}

void ReadingSheet::drawRow(const Row &row, qreal baseline)
{
    QFont font = m_lesson.font;
    for (const Placed &placed : row.words) {
        font.setPointSizeF(placed.points);
        m_painter.setFont(font);
        ColouredWord::draw(m_painter, QPointF(m_page.left() + placed.left, baseline),
                           m_lesson.words[placed.word], m_lesson.look);
    }
    m_painter.save();
    m_painter.setPen(totalColour);
    m_painter.setFont(textFont(totalPoints));
    const QString total = QString::number(row.total);
    const qreal width =
        QFontMetricsF(m_painter.font(), m_painter.device()).horizontalAdvance(total);
    m_painter.drawText(QPointF(m_page.right() - width, baseline), total);
    m_painter.restore();
}

void ReadingSheet::drawFooter(int page, int pageCount)
{
    m_painter.save();
    m_painter.setPen(Qt::black);
    m_painter.setFont(textFont(footerPoints));
    const QFontMetricsF metrics(m_painter.font(), m_painter.device());
    const QString text = WindowTexts::readingSheetPage.arg(m_lesson.listName, QString::number(page),
                                                           QString::number(pageCount));
    m_painter.drawText(QPointF(m_page.center().x() - metrics.horizontalAdvance(text) / 2,
                               m_page.bottom() - metrics.descent()),
                       text);
    m_painter.restore();
}
