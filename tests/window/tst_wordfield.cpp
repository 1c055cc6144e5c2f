#include "windowfixture.h"

#include "syllablepalette.h"
#include "syllableruns.h"

#include <QFontMetricsF>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QColor colour(int index)
{
    const RgbColour rgb = SyllablePalette::paletteColour(index);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

// Columns in which a pixel of exactly this colour lies; antialiased edges are blends and
// never count.
QList<int> columnsOf(const QImage &image, const QColor &wanted)
{
    QList<int> columns;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (image.pixel(x, y) == wanted.rgb()) {
                columns << x;
                break;
            }
    return columns;
}

} // namespace

class TestWordField : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void syllableColours_data();
    void syllableColours();
    void wordStartsOneBlankFromTheEdge();
    void tooWideWordIsCutAtTheEdge();
    void swatchClickRedrawsInTheNextColour();
    void drawingSurvivesARepaint();

private:
    static std::unique_ptr<WordField> makeField(int width = 600);
    static QImage draw(WordField &field, const QString &word);
};

std::unique_ptr<WordField> TestWordField::makeField(int width)
{
    auto field = std::make_unique<WordField>();
    field->resize(width, 200);
    QFont font(u"Arial"_s);
    font.setPointSize(48);
    font.setBold(true);
    field->setFont(font);
    QPalette white = field->palette();
    white.setColor(QPalette::Base, Qt::white);
    field->setPalette(white);
    return field;
}

QImage TestWordField::draw(WordField &field, const QString &word)
{
    field.drawColouredWord(SyllableRuns::of(word), colour(5), colour(7));
    return picture(&field);
}

void TestWordField::syllableColours_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("first");
    QTest::addColumn<bool>("second");

    QTest::addRow("two syllables") << u"Ro-se"_s << true << true;
    QTest::addRow("no hyphen, first colour only") << u"Haus"_s << true << false;
    QTest::addRow("leading hyphen, second colour only") << u"-ab"_s << false << true;
    QTest::addRow("trailing hyphen changes nothing") << u"ab-"_s << true << false;
    QTest::addRow("two hyphens switch twice") << u"a--b"_s << true << false;
    QTest::addRow("empty word leaves the field clear") << QString() << false << false;
}

void TestWordField::syllableColours()
{
    QFETCH(QString, word);
    QFETCH(bool, first);
    QFETCH(bool, second);

    auto field = makeField();
    const QImage image = draw(*field, word);
    const QList<int> firstColumns = columnsOf(image, colour(5));
    const QList<int> secondColumns = columnsOf(image, colour(7));
    QCOMPARE(!firstColumns.isEmpty(), first);
    QCOMPARE(!secondColumns.isEmpty(), second);
    if (first && second) // the first syllable lies wholly left of the second
        QVERIFY(firstColumns.last() < secondColumns.first());
    if (word.isEmpty()) {
        const QImage inside = image.copy(1, 1, image.width() - 2, image.height() - 2);
        QCOMPARE(columnsOf(inside, Qt::white).size(), inside.width());
        QVERIFY(columnsOf(inside, colour(5)).isEmpty());
    }
    // Hyphens take no room: the letters stand exactly where the word without hyphens,
    // drawn in one colour, puts them.
    QList<int> drawn = firstColumns + secondColumns;
    std::sort(drawn.begin(), drawn.end());
    drawn.erase(std::unique(drawn.begin(), drawn.end()), drawn.end());
    QCOMPARE(drawn, columnsOf(draw(*field, QString(word).remove(u'-')), colour(5)));
}

void TestWordField::wordStartsOneBlankFromTheEdge()
{
    auto field = makeField();
    const QImage image = draw(*field, u"Haus"_s);
    const qreal blank = QFontMetricsF(field->font(), field.get()).horizontalAdvance(u' ');
    const QList<int> columns = columnsOf(image, colour(5));
    QVERIFY(!columns.isEmpty());
    QVERIFY2(columns.first() >= blank, qPrintable(QString::number(columns.first())));
    QVERIFY(columns.first() < 2 * blank + 10);
}

void TestWordField::tooWideWordIsCutAtTheEdge()
{
    auto field = makeField(300);
    const QImage image = draw(*field, QString(40, u'W'));
    QCOMPARE(image.width(), 300);
    QCOMPARE(QColor(image.pixel(299, 30)), QColor(Qt::black)); // the frame stays
    QVERIFY(columnsOf(image.copy(290, 0, 9, image.height()), colour(5)).size() > 0);
    // One line only: nothing wraps below the first line.
    const int lineBottom = qCeil(QFontMetricsF(field->font(), field.get()).height()) + 2;
    const QImage below = image.copy(1, lineBottom, 298, image.height() - lineBottom - 1);
    QVERIFY(columnsOf(below, colour(5)).isEmpty());
}

void TestWordField::swatchClickRedrawsInTheNextColour()
{
    WindowFixture fixture;
    fixture.write(u"SILBEN.TXT"_s, "Ab-ba\r\n");
    fixture.open();
    QVERIFY(!columnsOf(picture(fixture.field()), colour(5)).isEmpty());

    // A double click is one click: press, release, second press, release.
    ButtonLabel *swatch = fixture.label(u"Bezeichnung9"_s);
    QTest::mouseClick(swatch, Qt::LeftButton);
    QTest::mouseDClick(swatch, Qt::LeftButton);
    QTest::mouseRelease(swatch, Qt::LeftButton);
    QCOMPARE(swatch->backgroundColour(), colour(6));
    QVERIFY(columnsOf(picture(fixture.field()), colour(5)).isEmpty());
    QVERIFY(!columnsOf(picture(fixture.field()), colour(6)).isEmpty());

    fixture.click(u"Bezeichnung10"_s);
    QCOMPARE(fixture.label(u"Bezeichnung10"_s)->backgroundColour(), colour(8));
    QVERIFY(!columnsOf(picture(fixture.field()), colour(8)).isEmpty());
}

void TestWordField::drawingSurvivesARepaint()
{
    auto field = makeField();
    const QImage drawn = draw(*field, u"Ro-se"_s);
    // Changing the font alone draws nothing: the last drawing stays until the next one.
    QFont other = field->font();
    other.setPointSize(20);
    field->setFont(other);
    QCOMPARE(picture(field.get()), drawn);
}

QTEST_MAIN(TestWordField)
#include "tst_wordfield.moc"
