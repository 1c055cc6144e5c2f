// SPDX-License-Identifier: GPL-3.0-or-later
#include "scratchfiles.h"
#include "syllablemarker.h"
#include "texts.h"
#include "wordlistfile.h"

#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <thread>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

QString unmarked(QString word)
{
    return word.remove(u'-');
}

// Every word of every shipped list, without hyphens and punctuation, in lower case.
const QSet<QString> &shippedWords()
{
    static const QSet<QString> words = [] {
        QSet<QString> all;
        const QDir data(QStringLiteral(TRABELO_DATA_DIR));
        for (const QString &name : data.entryList({u"*.TXT"_s}, QDir::Files)) {
            for (const QString &line : WordListFile::read(data, name).lines) {
                for (const QString &word : unmarked(line).split(u' ', Qt::SkipEmptyParts))
                    all.insert(word.toLower().remove(QRegularExpression(u"[^\\w]"_s)));
            }
        }
        return all;
    }();
    return words;
}

} // namespace

// The patterns are loaded once for the whole run: that takes seconds.
class TestSyllableMarker : public QObject
{
    Q_OBJECT

    std::shared_ptr<const SyllableMarker> m_marker;

private Q_SLOTS:
    void initTestCase()
    {
        const SyllableMarker::Loaded loaded =
            SyllableMarker::load(SyllableMarker::defaultPatternsPath());
        QVERIFY2(loaded.marker, qPrintable(loaded.error));
        QVERIFY(loaded.error.isEmpty());
        m_marker = loaded.marker;
    }

    // School words the shipped lists do not hold, as a German first-year teacher marks them.
    void schoolWords_data()
    {
        QTest::addColumn<QString>("marked");
        const std::pair<const char *, QStringList> groups[] = {
            {"one-letter start",
             {u"U-fer"_s, u"Ü-bung"_s, u"E-cho"_s, u"E-cke"_s, u"A-sche"_s, u"A-qua-ri-um"_s,
              u"E-he"_s, u"A-horn"_s, u"I-dee"_s, u"O-ze-an"_s}},
            {"no one-letter start",
             {u"Obst"_s, u"Un-art"_s, u"Ur-ahn"_s, u"er-ar-bei-ten"_s, u"Äh-re"_s, u"Ech-se"_s,
              u"Ost-see"_s}},
            {"one-letter end", {u"Vi-de-o"_s, u"Ro-de-o"_s, u"Du-o"_s, u"Bo-a"_s, u"Stu-di-o"_s}},
            {"hiatus",
             {u"Ru-i-ne"_s, u"neu-e"_s, u"Treu-e"_s, u"Hai-e"_s, u"Ja-nu-ar"_s, u"Du-ell"_s,
              u"Sta-tu-e"_s, u"Cha-os"_s, u"Po-et"_s, u"Pi-a-no"_s, u"Di-a-mant"_s, u"The-a-ter"_s,
              u"O-a-sen"_s, u"Mau-er"_s, u"Feu-er"_s}},
            {"one sound",
             {u"Lie-be"_s, u"Kaf-fee"_s, u"Al-lee"_s, u"Waa-ge"_s, u"Paar"_s, u"See-le"_s,
              u"Säu-le"_s, u"Cou-si-ne"_s, u"Ni-veau"_s}},
            {"compound",
             {u"Fluss-u-fer"_s, u"See-u-fer"_s, u"Le-se-e-cke"_s, u"Zu-cker-a-horn"_s,
              u"Ta-schen-lam-pe"_s, u"Haus-tür"_s, u"Schul-ran-zen"_s, u"Blu-men-topf"_s,
              u"Schnee-flo-cke"_s, u"Kin-der-gar-ten"_s}},
            {"ck ch sch ß",
             {u"le-cken"_s, u"Bä-cke-rei"_s, u"Wä-sche"_s, u"Ma-sche"_s, u"Lö-cher"_s, u"Dä-cher"_s,
              u"So-ße"_s, u"grü-ßen"_s, u"drau-ßen"_s}},
            {"y",
             {u"Zy-lin-der"_s, u"Py-ra-mi-de"_s, u"Hob-by"_s, u"Ba-bys"_s, u"Po-nys"_s, u"Yo-ga"_s,
              u"Hy-ä-ne"_s, u"Bay-ern"_s, u"Mey-er"_s, u"Ma-ya"_s}},
            {"name",
             {u"U-we"_s, u"E-va"_s, u"A-dam"_s, u"I-re-ne"_s, u"O-laf"_s, u"E-li"_s, u"Jo-el"_s,
              u"No-e-mi"_s, u"Is-ra-el"_s, u"Mi-cha-el"_s, u"Da-ni-el"_s, u"Mat-thi-as"_s,
              u"Ra-pha-el"_s, u"A-ri-a-ne"_s, u"O-li-vi-a"_s}},
        };
        for (const auto &[group, words] : groups) {
            for (const QString &word : words)
                QTest::addRow("%s: %s", group, qPrintable(word)) << word;
        }
    }

    void schoolWords()
    {
        QFETCH(QString, marked);
        QVERIFY2(!shippedWords().contains(unmarked(marked).toLower()), "in a shipped list");
        QCOMPARE(m_marker->markWord(unmarked(marked)), marked);
    }

    // Letters, case, digits and punctuation stay; punctuation at the edges stays outside.
    void spellingForms_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("marked");
        QTest::newRow("exclamation mark") << u"Mama!"_s << u"Ma-ma!"_s;
        QTest::newRow("brackets") << u"(Oma)"_s << u"(O-ma)"_s;
        QTest::newRow("German quotes") << u"„Igel“"_s << u"„I-gel“"_s;
        QTest::newRow("leading dots, two marks") << u"...Kakao?!"_s << u"...Ka-ka-o?!"_s;
        QTest::newRow("trailing digits") << u"Igel42"_s << u"I-gel42"_s;
        QTest::newRow("slash between words") << u"Tomaten/Gurken"_s << u"To-ma-ten/Gur-ken"_s;
        QTest::newRow("apostrophe") << u"geht's"_s << u"geht's"_s;
        QTest::newRow("hyphen already") << u"Ma-ma"_s << u"Ma-ma"_s;
        QTest::newRow("hyphenated compound") << u"Ufer-Weg"_s << u"U-fer-Weg"_s;
        QTest::newRow("upper case") << u"OMA"_s << u"O-MA"_s;
        QTest::newRow("upper case hiatus") << u"KAKAO"_s << u"KA-KA-O"_s;
        QTest::newRow("upper case umlaut") << u"ÜBUNG"_s << u"Ü-BUNG"_s;
        QTest::newRow("upper case compound") << u"TASCHENLAMPE"_s << u"TA-SCHEN-LAM-PE"_s;
        QTest::newRow("capital sharp s") << u"GRÜẞEN"_s << u"GRÜ-ẞEN"_s;
        QTest::newRow("no vowel") << u"Hmm"_s << u"Hmm"_s;
        QTest::newRow("no vowel, upper case") << u"BMX"_s << u"BMX"_s;
        QTest::newRow("digits only") << u"2024"_s << u"2024"_s;
        QTest::newRow("punctuation only") << u"?!"_s << u"?!"_s;
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("one letter") << u"a"_s << u"a"_s;
        QTest::newRow("letter outside the charset") << u"Čapek"_s << u"Čapek"_s;
        QTest::newRow("Greek") << u"Ωμέγα"_s << u"Ωμέγα"_s;
        QTest::newRow("combining mark") << u"Ru\u0308be"_s << u"Ru\u0308be"_s;
        QTest::newRow("emoji inside") << u"Ma😀ma"_s << u"Ma😀ma"_s;
        QTest::newRow("emoji outside") << u"Oma😀"_s << u"O-ma😀"_s;
        const QString tooLong = u"ma"_s.repeated(51);
        QTest::newRow("longer than any word") << tooLong << tooLong;
    }

    void spellingForms()
    {
        QFETCH(QString, word);
        QFETCH(QString, marked);
        QCOMPARE(m_marker->markWord(word), marked);
    }

    void markEntry_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("marked");
        QTest::newRow("teacher's marks kept") << u"Ma-ma malt"_s << u"Ma-ma malt"_s;
        QTest::newRow("one hyphen keeps all") << u"Oma malt Ta-schen"_s << u"Oma malt Ta-schen"_s;
        QTest::newRow("odd hyphen kept") << u"Omaa-"_s << u"Omaa-"_s;
        QTest::newRow("each word marked") << u"Oma liest ein Buch."_s << u"O-ma liest ein Buch."_s;
        QTest::newRow("blanks kept") << u"  Igel  Ufer "_s << u"  I-gel  U-fer "_s;
        QTest::newRow("only blanks") << u"   "_s << u"   "_s;
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("tab is no blank") << u"Oma\tOpa"_s << u"O-ma\tO-pa"_s;
    }

    void markEntry()
    {
        QFETCH(QString, entry);
        QFETCH(QString, marked);
        QCOMPARE(m_marker->markEntry(entry), marked);
    }

    // A marker loaded once serves several threads at the same time with the same results.
    void sharedBetweenThreads()
    {
        const QStringList words = {u"Taschenlampe"_s, u"Kakao"_s, u"Oma"_s,   u"Ruine"_s,
                                   u"Zuckerahorn"_s,  u"Mama!"_s, u"Hyäne"_s, u"Fenster"_s};
        QStringList expected;
        for (const QString &word : words)
            expected << m_marker->markWord(word);
        std::atomic<int> differences = 0;
        std::vector<std::thread> threads;
        for (int t = 0; t < 4; ++t) {
            threads.emplace_back([&] {
                for (int round = 0; round < 500; ++round) {
                    for (qsizetype i = 0; i < words.size(); ++i)
                        differences += m_marker->markWord(words[i]) != expected[i];
                }
            });
        }
        for (std::thread &thread : threads)
            thread.join();
        QCOMPARE(differences.load(), 0);
    }

    void unusablePatterns_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray german = "s1t\nu1ck\n";
        QTest::newRow("empty file") << QByteArray();
        QByteArray noise;
        for (int i = 0; i < 4096; ++i)
            noise += char((i * 7919 + 13) % 256);
        QTest::newRow("binary noise") << noise;
        QTest::newRow("word list") << QByteArray("Ma-ma\r\nO-ma\r\n");
        QTest::newRow("UTF-8 patterns") << "UTF-8\n" + german;
        QTest::newRow("only comments") << QByteArray("ISO8859-1\n% Kommentar\n# Kommentar\n");
        QTest::newRow("digit before the edge") << "ISO8859-1\n1.ab\n" + german;
        QTest::newRow("dot inside") << "ISO8859-1\na.b\n" + german;
        QTest::newRow("empty NOHYPHEN item") << "ISO8859-1\nNOHYPHEN -,,'\n" + german;
        QTest::newRow("NOHYPHEN without list") << "ISO8859-1\nNOHYPHEN\n" + german;
        QTest::newRow("unknown keyword") << "ISO8859-1\nHYPHENMAX 3\n" + german;
        QTest::newRow("line too long") << "ISO8859-1\n" + QByteArray(120, 'a') + '\n' + german;
        QTest::newRow("patterns of the old spelling") << QByteArray("ISO8859-1\nn1st\nc1k\n");
    }

    void unusablePatterns()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir folder;
        const QString path = folder.filePath(u"muster.dic"_s);
        QVERIFY(writeFile(path, bytes));
        const SyllableMarker::Loaded loaded = SyllableMarker::load(path);
        QVERIFY(!loaded.marker);
        QCOMPARE(loaded.error, Texts::syllablePatternsInvalid.arg(path));
    }

    void missingPatterns()
    {
        QTemporaryDir folder;
        for (const QString &path : {folder.filePath(u"fehlt.dic"_s), folder.path(), QString()}) {
            const SyllableMarker::Loaded loaded = SyllableMarker::load(path);
            QVERIFY(!loaded.marker);
            QCOMPARE(loaded.error, Texts::syllablePatternsMissing.arg(path));
        }
    }

    // Comments, settings and CR LF line ends as patterns files have them; the school rules
    // work with any patterns, and the outer minimum stays two letters whatever the file says.
    void smallPatternsFile()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(u"klein.dic"_s);
        QVERIFY(writeFile(path, "ISO8859-1\r\n% Kommentar\r\n# Kommentar\r\n\r\n"
                                "LEFTHYPHENMIN 1\r\nNOHYPHEN -,'\r\ns1t\r\nu1ck\r\n.e1r\r\n"));
        const SyllableMarker::Loaded loaded = SyllableMarker::load(path);
        QVERIFY2(loaded.marker, qPrintable(loaded.error));
        QCOMPARE(loaded.marker->markEntry(u"Fenster Zucker Oase Erbse"_s),
                 u"Fens-ter Zu-cker O-a-se Erbse"_s);
    }

    // Strips the hyphens from every single-word entry of the shipped lists, marks it again and
    // compares with the hand marking.
    void shippedLists()
    {
        const QDir data(QStringLiteral(TRABELO_DATA_DIR));
        int total = 0;
        QStringList misses;
        for (const QString &name : data.entryList({u"*.TXT"_s}, QDir::Files)) {
            for (const QString &entry : WordListFile::read(data, name).lines) {
                if (entry.contains(u' '))
                    continue;
                ++total;
                const QString marked = m_marker->markEntry(unmarked(entry));
                if (marked != entry)
                    misses << u"%1: %2 (marked %3)"_s.arg(name, entry, marked);
            }
        }
        for (const QString &miss : misses)
            qInfo("miss %s", qPrintable(miss));
        const int identical = total - int(misses.size());
        qInfo("%d of %d words identical (%.2f %%)", identical, total, 100.0 * identical / total);
        QVERIFY(total > 1000);
        QVERIFY2(identical * 100 >= total * 99, "fewer than 99 % identical");
    }
};

QTEST_GUILESS_MAIN(TestSyllableMarker)
#include "tst_syllablemarker.moc"
