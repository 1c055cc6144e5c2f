// SPDX-License-Identifier: GPL-3.0-or-later
#include "charactercase.h"

#include <QTest>

using namespace Qt::StringLiterals;

// Case mapping one character at a time: the filter's upper-cased line and the settings file's
// lower-cased letter sequence depend on it.
class TestCharacterCase : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void mapping_data()
    {
        QTest::addColumn<QString>("lower");
        QTest::addColumn<QString>("upper");
        QTest::addRow("umlauts") << u"äöü"_s << u"ÄÖÜ"_s;
        QTest::addRow("ß stays ß, no SS") << u"fuß"_s << u"FUß"_s;
        QTest::addRow("digits and marks stay") << u"a1.-"_s << u"A1.-"_s;
        QTest::addRow("decomposed umlaut") << u"u\u0308"_s << u"U\u0308"_s;
        QTest::addRow("surrogate pair (Deseret)") << u"\U00010428x"_s << u"\U00010400X"_s;
        // A lone surrogate has no case and must come through unchanged, not merged or dropped.
        const QChar lone(0xD801);
        QTest::addRow("lone surrogate") << lone + u"a"_s << lone + u"A"_s;
        QTest::addRow("empty") << QString() << QString();
    }

    void mapping()
    {
        QFETCH(QString, lower);
        QFETCH(QString, upper);
        QCOMPARE(CharacterCase::upper(lower), upper);
        if (!lower.contains(u'ß'))
            QCOMPARE(CharacterCase::lower(upper), lower);
    }
};

QTEST_APPLESS_MAIN(TestCharacterCase)
#include "tst_charactercase.moc"
