// SPDX-License-Identifier: GPL-3.0-or-later
#include "alphabeticalorder.h"

#include <QCollator>
#include <QRandomGenerator>
#include <QTest>

#include <algorithm>

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
        QTest::addRow("other marks weigh") << u"de"_s << u"ab,a.c"_s << u"a.c,ab"_s;
        QTest::addRow("C locale") << u"C"_s << u"Zug,Äp-fel,Af-fe"_s << u"Af-fe,Äp-fel,Zug"_s;
        QTest::addRow("ß right after ss") << u"de"_s << u"Strauß,Straße,Strasse,Strast,Strasd"_s
                                          << u"Strasd,Strasse,Straße,Strast,Strauß"_s;
        QTest::addRow("decomposed umlaut equal to composed")
            << u"de"_s << u"u\u0308ber,über,Uber,Ufer"_s << u"Uber,u\u0308ber,über,Ufer"_s;
        QTest::addRow("digits before letters, blank counts")
            << u"de"_s << u"b,1,a b,ab,a"_s << u"1,a,a b,ab,b"_s;
        QTest::addRow("empty entries first, in their order")
            << u"de"_s << u"b,,-,a,--"_s << u",-,--,a,b"_s;
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

    // A long list of German-like entries with umlauts, ß, letter cases, hyphens and many
    // repeats sorts as comparing the entries pair by pair does, equal ones (Ma-ma, mama,
    // MAMA) in their order, an umlaut right after its vowel when the rest is equal.
    void alphabeticalOrderAsPairwise()
    {
        const QString syllables[] = {u"ma"_s, u"MA"_s, u"Mä"_s, u"ße"_s, u"sse"_s, u"Tö"_s,
                                     u"ü"_s,  u"ue"_s, u"A"_s,  u"a"_s,  u"ä"_s,   u"-"_s};
        QRandomGenerator random(4711);
        QStringList entries;
        for (int i = 0; i < 5000; ++i) {
            entries << QString();
            for (int s = random.bounded(5); s >= 0; --s)
                entries.last() += syllables[random.bounded(int(std::size(syllables)))];
        }
        QCollator collator(QLocale(u"de"_s));
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        QStringList pairwise = entries;
        std::stable_sort(pairwise.begin(), pairwise.end(), [&](QString a, QString b) {
            return collator.compare(a.remove(u'-'), b.remove(u'-')) < 0;
        });
        AlphabeticalOrder(QLocale(u"de"_s)).sort(entries);
        QCOMPARE(entries, pairwise);
    }
};

QTEST_APPLESS_MAIN(TestAlphabeticalOrder)
#include "tst_alphabeticalorder.moc"
