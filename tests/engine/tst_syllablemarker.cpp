// SPDX-License-Identifier: GPL-3.0-or-later
#include "keptpatterns.h"
#include "scratchfiles.h"
#include "syllablemarker.h"
#include "texts.h"
#include "wordlistfile.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QString unmarked(QString word)
{
    return word.remove(u'-');
}

// Debian's large German spelling dictionary (hunspell-de-de): a word, then its flags.
QStringList dictionaryWords()
{
    QStringList words;
    const QByteArray bytes = fileBytes(u"/usr/share/hunspell/de_DE.dic"_s);
    for (const QByteArray &line : bytes.split('\n')) {
        const QString word = QString::fromUtf8(line.split('/').first()).trimmed();
        if (!word.isEmpty() && !word.contains(u' '))
            words << word;
    }
    return words;
}

} // namespace

// The patterns are loaded once for the whole run: that takes seconds. The load writes the cache
// that cacheMarksAsFreshLoad reads.
class TestSyllableMarker : public QObject
{
    Q_OBJECT

    QTemporaryDir m_cacheFolder;
    QString m_cachePath = m_cacheFolder.filePath(u"syllable-patterns.cache"_s);
    std::shared_ptr<const SyllableMarker> m_marker;
    QList<std::pair<QString, QStringList>> m_shippedLists; // the entries after the list's name
    QSet<QString> m_shippedWords; // without hyphens and punctuation, in lower case

private Q_SLOTS:
    void initTestCase()
    {
        const auto loaded =
            SyllableMarker::load(SyllableMarker::defaultPatternsPath(), m_cachePath);
        QVERIFY2(loaded.marker && loaded.error.isEmpty(), qPrintable(loaded.error));
        QVERIFY(!loaded.fromCache);
        m_marker = loaded.marker;
        const QDir data(QStringLiteral(TRABELO_DATA_DIR));
        // Case-sensitive: the folder also holds its CMakeLists.txt, which does not ship.
        for (const QString &name :
             data.entryList({u"*.TXT"_s}, QDir::Files | QDir::CaseSensitive)) {
            const QStringList entries = WordListFile::read(data, name).lines;
            m_shippedLists.append({name, entries});
            for (const QString &word :
                 unmarked(entries.join(u' ')).toLower().split(QRegularExpression(u"\\W+"_s)))
                m_shippedWords.insert(word);
        }
    }

    // School words the shipped lists do not hold, as a German first-year teacher marks them.
    void schoolWords_data()
    {
        QTest::addColumn<QString>("marked");
        // Each group: its words, blank-separated.
        const std::pair<const char *, const char16_t *> groups[] = {
            {"one-letter start", u"U-fer Ü-bung E-cke A-sche A-qua-ri-um I-dee O-ze-an"},
            {"no one-letter start", u"Obst Un-art er-ar-bei-ten Ech-se"},
            {"one-letter end", u"Vi-de-o Du-o"},
            {"hiatus", u"Ru-i-ne neu-e Hai-e Ja-nu-ar Sta-tu-e Cha-os Pi-a-no The-a-ter Mau-er"},
            {"one sound", u"Lie-be Kaf-fee Waa-ge Säu-le Cou-si-ne Ni-veau"},
            {"compound",
             u"Fluss-u-fer See-u-fer Le-se-e-cke Zu-cker-a-horn Ta-schen-lam-pe Haus-tür"},
            {"ck ch sch ß", u"Bä-cke-rei Wä-sche Lö-cher So-ße"},
            {"y", u"Zy-lin-der Hob-by Ba-bys Yo-ga Hy-ä-ne Bay-ern Ma-ya"},
            {"name", u"U-we E-li Jo-el No-e-mi Is-ra-el Mi-cha-el Mat-thi-as O-li-vi-a"},
            {"vowel-less piece joins the next syllable",
             u"Aus-spruch Aus-spra-che Ge-spens-ter Im-pres-sum be-o-bach-ten ge-kne-belt "
             u"Grenz-pfäh-le Salz-lau-ge drü-ber-fah-ren"},
            {"vowel-less piece joins the previous one",
             u"müt-ter-lich schock-ar-tig Au-er-hahn Be-wusst-heit Wind-rös-chen Glück-auf "
             u"Ko-va-ri-anz be-dau-er-lich"},
            {"left whole by the patterns", u"ei-lends La-ken Ab-strich A-pril As-pik"},
        };
        for (const auto &[group, words] : groups) {
            for (const QString &marked : QString::fromUtf16(words).split(u' '))
                QTest::addRow("%s: %s", group, qPrintable(marked)) << marked;
        }
    }

    void schoolWords()
    {
        QFETCH(QString, marked);
        QVERIFY2(!m_shippedWords.contains(unmarked(marked).toLower()), "in a shipped list");
        QCOMPARE(m_marker->markWord(unmarked(marked)), marked);
    }

    // An entry with a hyphen stays as written; blanks stay; everything but letters stays
    // outside the syllables.
    void markEntry_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("marked");
        QTest::newRow("teacher's hyphen keeps all")
            << u"Oma malt Ta-schen"_s << u"Oma malt Ta-schen"_s;
        QTest::newRow("blanks kept") << u"  Igel  Ufer "_s << u"  I-gel  U-fer "_s;
        QTest::newRow("tab is no blank") << u"Oma\tOpa"_s << u"O-ma\tO-pa"_s;
        QTest::newRow("punctuation, digits")
            << u"„Igel“ (Oma) Ufer42/Tomaten."_s << u"„I-gel“ (O-ma) U-fer42/To-ma-ten."_s;
        QTest::newRow("upper case") << u"KAKAO GRÜẞEN"_s << u"KA-KA-O GRÜ-ẞEN"_s;
        QTest::newRow("no vowel, no letter") << u"Hmm BMX 2024 ?!"_s << u"Hmm BMX 2024 ?!"_s;
        QTest::newRow("outside the charset") << u"Čapek Ru\u0308be"_s << u"Čapek Ru\u0308be"_s;
        QTest::newRow("emoji") << u"Ma😀ma Oma😀"_s << u"Ma😀ma O-ma😀"_s;
        QTest::newRow("longer than any word") << u"ma"_s.repeated(51) << u"ma"_s.repeated(51);
    }

    void markEntry()
    {
        QFETCH(QString, entry);
        QFETCH(QString, marked);
        QCOMPARE(m_marker->markEntry(entry), marked);
    }

    // The patterns rebuilt from the cache mark every word as the library's own do: the shipped
    // lists and a large German dictionary, compounds included. So do the few states that one
    // word's marking needs, taken from the cache at start-up (every eighth dictionary word).
    void cacheMarksAsFreshLoad()
    {
        const QString patterns = SyllableMarker::defaultPatternsPath();
        const auto cached = SyllableMarker::loadFromCache(patterns, m_cachePath);
        const std::unique_ptr<KeptPatterns> kept = KeptPatterns::open(patterns, m_cachePath);
        QVERIFY(cached && kept);
        const QStringList dictionary = dictionaryWords();
        QVERIFY(dictionary.size() > 70000);
        const QStringList words = m_shippedWords.values() + dictionary;
        QStringList different;
        QStringList differentForOne;
        for (qsizetype i = 0; i < words.size(); ++i) {
            const QString marked = m_marker->markWord(words[i]);
            if (cached->markWord(words[i]) != marked)
                different << words[i];
            if (i < m_shippedWords.size() || i % 8 == 0) {
                const auto forOne = SyllableMarker::forEntries(*kept, {words[i]});
                if (!forOne || forOne->markWord(words[i]) != marked)
                    differentForOne << words[i];
            }
        }
        qInfo("%lld words, %lld marked differently from the cache, %lld from the states for "
              "them",
              words.size(), different.size(), differentForOne.size());
        QCOMPARE(different.join(u' '), QString());
        QCOMPARE(differentForOne.join(u' '), QString());
    }

    // A missing file, or one holding no German patterns this reader trusts, gives an error and no
    // marker. A small file with comments, settings and CR LF marks by the school rules, and the
    // outer minimum stays two letters whatever the file says.
    void load_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // null: no file
        QTest::addColumn<QString>("marked");   // of "Fenster Zucker Oase Erbse"; null: unusable
        const QByteArray german = "s1t\nu1ck\n";
        QTest::newRow("missing") << QByteArray() << QString();
        QTest::newRow("empty file") << ""_ba << QString();
        QTest::newRow("UTF-8 patterns") << "UTF-8\n" + german << QString();
        QTest::newRow("dot inside") << "ISO8859-1\na.b\n" + german << QString();
        QTest::newRow("empty NOHYPHEN item") << "ISO8859-1\nNOHYPHEN -,,'\n" + german << QString();
        QTest::newRow("line too long")
            << "ISO8859-1\n" + QByteArray(120, 'a') + '\n' + german << QString();
        QTest::newRow("old spelling") << "ISO8859-1\nn1st\nc1k\n"_ba << QString();
        QTest::newRow("small file")
            << "ISO8859-1\r\n% Kommentar\r\n# Kommentar\r\n\r\n"
               "LEFTHYPHENMIN 1\r\nNOHYPHEN -,'\r\ns1t\r\nu1ck\r\n.e1r\r\n"_ba
            << u"Fens-ter Zu-cker O-a-se Erb-se"_s;
    }

    void load()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, marked);
        const ScratchFile file(u"muster.dic"_s);
        QVERIFY(file.place(bytes));
        const SyllableMarker::Loaded loaded = SyllableMarker::load(file.path);
        const QString &error =
            bytes.isNull() ? Texts::syllablePatternsMissing : Texts::syllablePatternsInvalid;
        QCOMPARE(loaded.error, marked.isNull() ? error.arg(file.path) : QString());
        const QString seen =
            loaded.marker ? loaded.marker->markEntry(u"Fenster Zucker Oase Erbse"_s) : QString();
        QCOMPARE(seen, marked);
    }

    // Strips the hyphens from every single-word entry of the shipped lists, marks it again and
    // compares with the hand marking.
    void shippedListsAsMarkedByHand()
    {
        int total = 0, identical = 0;
        for (const auto &[name, entries] : m_shippedLists) {
            for (const QString &entry : entries) {
                if (entry.contains(u' '))
                    continue;
                ++total;
                const QString marked = m_marker->markEntry(unmarked(entry));
                if (marked == entry)
                    ++identical;
                else
                    qInfo("miss %s: %s (marked %s)", qPrintable(name), qPrintable(entry),
                          qPrintable(marked));
            }
        }
        qInfo("%d of %d words identical (%.2f %%)", identical, total, 100.0 * identical / total);
        QVERIFY(total > 1000);
        QVERIFY2(identical * 1000 >= total * 994, "fewer than 99.4 % identical");
    }
};

QTEST_GUILESS_MAIN(TestSyllableMarker)
#include "tst_syllablemarker.moc"
