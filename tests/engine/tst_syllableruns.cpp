// SPDX-License-Identifier: GPL-3.0-or-later
#include "syllablepalette.h"
#include "syllableruns.h"

#include <QTest>

#include <stdexcept>

using namespace Qt::StringLiterals;
using Runs = QList<SyllableRun>;

// What the word field draws for a word, and the colours it draws with.
class TestSyllableRuns : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void syllableRuns_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<Runs>("runs");
        const SyllableRun blank{u" "_s, 0};
        QTest::addRow("a-b-c") << u"a-b-c"_s << Runs{blank, {u"a"_s, 0}, {u"b"_s, 1}, {u"c"_s, 0}};
        QTest::addRow("leading hyphen") << u"-ab"_s << Runs{blank, {u"ab"_s, 1}};
        QTest::addRow("two hyphens") << u"a--b"_s << Runs{blank, {u"a"_s, 0}, {u"b"_s, 0}};
        QTest::addRow("empty word") << QString() << Runs{blank};
    }

    void syllableRuns()
    {
        QFETCH(QString, word);
        QFETCH(Runs, runs);
        QCOMPARE(SyllableRuns::of(word), runs);
    }

    // The refusal of an index outside the palette, the swatch cycle through 0..13.
    void palette()
    {
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, SyllablePalette::paletteColour(-1));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, SyllablePalette::paletteColour(16));
        QVERIFY(!SyllablePalette::isValidIndex(-1) && !SyllablePalette::isValidIndex(16));
        QCOMPARE(SyllablePalette::nextSwatchIndex(12), 13);
        QCOMPARE(SyllablePalette::nextSwatchIndex(13), 0);
        QCOMPARE(SyllablePalette::nextSwatchIndex(15), 0);
    }
};

QTEST_APPLESS_MAIN(TestSyllableRuns)
#include "tst_syllableruns.moc"
