// SPDX-License-Identifier: GPL-3.0-or-later
#include "alphabeticalorder.h"

#include <QTest>

using namespace Qt::StringLiterals;

// The order of "nach A B C": collated, case and hyphens ignored, stable.
class TestAlphabeticalOrder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void alphabeticalOrder_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("entries"); // comma-separated
        QTest::addColumn<QString>("sorted");
        QTest::addRow("hyphens") << u"de"_s << u"so,Ro-se,Rob-be"_s << u"Rob-be,Ro-se,so"_s;
        QTest::addRow("case ignored") << u"de"_s << u"Bad,ab"_s << u"ab,Bad"_s;
        QTest::addRow("umlauts, empty first") << u"de"_s << u"Zug,Äp,,Af"_s << u",Af,Äp,Zug"_s;
        QTest::addRow("other marks weigh") << u"de"_s << u"ab,a.c"_s << u"a.c,ab"_s;
        QTest::addRow("C locale") << u"C"_s << u"Zug,Äp-fel,Af-fe"_s << u"Af-fe,Äp-fel,Zug"_s;
    }

    void alphabeticalOrder()
    {
        QFETCH(QString, locale);
        QFETCH(QString, entries);
        QFETCH(QString, sorted);
        QStringList list = entries.split(u',');
        AlphabeticalOrder(QLocale(locale)).sort(list);
        QCOMPARE(list.join(u','), sorted);
    }
};

QTEST_APPLESS_MAIN(TestAlphabeticalOrder)
#include "tst_alphabeticalorder.moc"
