#include "syllablepalette.h"
#include "syllableruns.h"

#include <QTest>

#include <stdexcept>

using namespace Qt::StringLiterals;
using Runs = QList<SyllableRun>;

class TestSyllableRuns : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void palette();
    void runs_data();
    void runs();
};

void TestSyllableRuns::palette()
{
    const QList<RgbColour> table{{0, 0, 0},       {0, 0, 128},   {0, 128, 0},   {0, 128, 128},
                                 {128, 0, 0},     {128, 0, 128}, {128, 128, 0}, {192, 192, 192},
                                 {128, 128, 128}, {0, 0, 255},   {0, 255, 0},   {0, 255, 255},
                                 {255, 0, 0},     {255, 0, 255}, {255, 255, 0}, {255, 255, 255}};
    QList<RgbColour> colours;
    for (int i = 0; i < SyllablePalette::colourCount; ++i)
        colours.append(SyllablePalette::paletteColour(i));
    QCOMPARE(colours, table);
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, SyllablePalette::paletteColour(-1));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, SyllablePalette::paletteColour(16));

    // A click cycles through fourteen colours; 13, and 14 or 15 from the file, start it again.
    for (int index = 0; index < 13; ++index)
        QCOMPARE(SyllablePalette::nextSwatchIndex(index), index + 1);
    for (int last : {13, 14, 15})
        QCOMPARE(SyllablePalette::nextSwatchIndex(last), 0);
}

void TestSyllableRuns::runs_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<Runs>("runs");

    const SyllableRun blank{u" "_s, 0};
    QTest::addRow("Ro-se") << u"Ro-se"_s << Runs{blank, {u"Ro"_s, 0}, {u"se"_s, 1}};
    QTest::addRow("Ba-na-ne") << u"Ba-na-ne"_s
                              << Runs{blank, {u"Ba"_s, 0}, {u"na"_s, 1}, {u"ne"_s, 0}};
    QTest::addRow("no hyphen") << u"Haus"_s << Runs{blank, {u"Haus"_s, 0}};
    QTest::addRow("leading hyphen") << u"-ab"_s << Runs{blank, {u"ab"_s, 1}};
    QTest::addRow("trailing hyphen") << u"ab-"_s << Runs{blank, {u"ab"_s, 0}};
    QTest::addRow("two hyphens") << u"a--b"_s << Runs{blank, {u"a"_s, 0}, {u"b"_s, 0}};
    QTest::addRow("empty word") << QString() << Runs{blank};
    QTest::addRow("blanks digits marks drawn")
        << u"Öl 3-mal!"_s << Runs{blank, {u"Öl 3"_s, 0}, {u"mal!"_s, 1}};
}

void TestSyllableRuns::runs()
{
    QFETCH(QString, word);
    QFETCH(Runs, runs);
    QCOMPARE(SyllableRuns::of(word), runs);
}

QTEST_APPLESS_MAIN(TestSyllableRuns)
#include "tst_syllableruns.moc"
