// SPDX-License-Identifier: GPL-3.0-or-later
#include "syllableruns.h"
#include "wordfield.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QRgb first = 0x800080, second = 0xc0c0c0; // the colours 5 and 7

// The columns holding a pixel of exactly one of the colours; antialiased edges are blends.
QList<int> columnsOf(const QImage &image, const QList<QRgb> &colours)
{
    QList<int> columns;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height() && !columns.endsWith(x); ++y)
            if (colours.contains(image.pixel(x, y) & 0xffffff))
                columns << x;
    return columns;
}

// The rows and columns holding a pixel of exactly this colour.
QRect extent(const QImage &image, QRgb colour)
{
    QRect found;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xffffff) == colour)
                found |= QRect(x, y, 1, 1);
    return found;
}

// The word drawn in the two colours into a field of this width, in Arial bold.
QImage drawn(const QString &word, bool arcs = false, int points = 48, int width = 600,
             TextSpan highlight = {}, bool blank = false)
{
    WordField field;
    field.resize(width, 300);
    field.setFont(QFont(u"Arial"_s, points, QFont::Bold));
    field.setArcs(arcs);
    field.drawColouredWord(SyllableRuns::of(word), QColor(first), QColor(second));
    field.setHighlight(highlight);
    field.setBlank(blank);
    return field.grab().toImage();
}

} // namespace

// How the word field draws a word: the syllables in their colours, one after the other, and
// the arcs under them.
class TestWordField : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void syllableColours_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("inFirst");
        QTest::addColumn<bool>("inSecond");
        QTest::addRow("two syllables") << u"Ro-se"_s << true << true;
        QTest::addRow("leading hyphen: second colour only") << u"-ab"_s << false << true;
        QTest::addRow("trailing hyphen changes nothing") << u"ab-"_s << true << false;
        QTest::addRow("two hyphens switch twice") << u"a--b"_s << true << false;
        QTest::addRow("empty word") << QString() << false << false;
    }

    void syllableColours()
    {
        QFETCH(QString, word);
        QFETCH(bool, inFirst);
        QFETCH(bool, inSecond);
        const QImage image = drawn(word);
        const QList<int> firsts = columnsOf(image, {first}), seconds = columnsOf(image, {second});
        QCOMPARE(!firsts.isEmpty(), inFirst);
        QCOMPARE(!seconds.isEmpty(), inSecond);
        if (inFirst && inSecond) // the first syllable lies wholly left of the second
            QVERIFY(firsts.last() < seconds.first());
        // Hyphens take no room: the letters stand where the word without them puts them.
        QCOMPARE(columnsOf(image, {first, second}),
                 columnsOf(drawn(QString(word).remove(u'-')), {first}));
    }

    void tooWideWordIsCutAtTheEdge()
    {
        const QImage image = drawn(QString(40, u'W'), false, 48, 300);
        QCOMPARE(QColor(image.pixel(299, 30)), QColor(Qt::black)); // the frame stays
        QVERIFY(!columnsOf(image.copy(290, 0, 9, 200), {first}).isEmpty());
    }

    // An arc under each syllable, in its colour, below the letters and within their columns
    // (give or take the round end of the line); punctuation ends an arc, and the arcs of
    // neighbouring syllables never touch. They grow with the font: lower and thicker.
    void arcsUnderEachSyllable()
    {
        const QImage plain = drawn(u"Ro-se!"_s), arcs = drawn(u"Ro-se!"_s, true);
        const int textBottom =
            std::max(extent(plain, first).bottom(), extent(plain, second).bottom());
        const QImage below = arcs.copy(0, textBottom + 1, arcs.width(), arcs.height());
        const int roundEnd = 3;
        for (const QRgb colour : {first, second}) {
            const QRect letters = extent(plain, colour), arc = extent(below, colour);
            QVERIFY2(arc.isValid(), "no arc");
            QVERIFY(arc.left() >= letters.left() - roundEnd);
            QVERIFY(arc.right() <= letters.right() + roundEnd);
        }
        QVERIFY(extent(below, first).right() < extent(below, second).left());
        // The "!" of "se!" is in the second colour too, but the arc ends before it.
        QVERIFY(extent(below, second).right() < extent(plain, second).right() - 8);

        const QRect small = extent(drawn(u"Ro-se"_s, true), second);
        const QRect large = extent(drawn(u"Ro-se"_s, true, 96), second);
        QVERIFY(large.height() > small.height() * 3 / 2 && large.bottom() > small.bottom());
    }

    // The band lies behind the second syllable only, full letter height, under letters that
    // keep their colours; without a span, or on a white field, there is none.
    void highlightBehindItsCharacters_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("blank");
        QTest::addRow("second syllable") << 2 << false;
        QTest::addRow("none") << 0 << false;
        QTest::addRow("white field") << 2 << true;
    }

    void highlightBehindItsCharacters()
    {
        QFETCH(int, length);
        QFETCH(bool, blank);
        const QImage plain = drawn(u"Ba-na-ne"_s);
        const QImage image = drawn(u"Ba-na-ne"_s, false, 48, 600, {3, length}, blank); // " Ba|na"
        const QRect band = extent(image, WordField::highlightColour & 0xffffff);
        QCOMPARE(band.isValid(), length > 0 && !blank);
        if (!band.isValid())
            return;
        for (const QRgb colour : {first, second})
            QCOMPARE(extent(image, colour), extent(plain, colour));
        const QRect na = extent(plain, second);
        QVERIFY(band.left() <= na.left() && na.right() <= band.right());
        for (const int x : columnsOf(plain, {first}))
            QVERIFY2(x < band.left() || x > band.right(), "a letter of Ba or ne on the band");
        const qreal height = QFontMetricsF(QFont(u"Arial"_s, 48, QFont::Bold)).height();
        QVERIFY(band.top() == 1 && qAbs(band.height() - height) <= 1);
    }
};

QTEST_MAIN(TestWordField)
#include "tst_wordfield.moc"
