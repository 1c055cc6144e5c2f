// SPDX-License-Identifier: GPL-3.0-or-later
#include "cachedpatterns.h"
#include "scratchfiles.h"
#include "syllablemarker.h"
#include "texts.h"
#include "wordlistfile.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <future>

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

// Words made of syllables marked by hand, joined at random, as compounds are.
QStringList generatedWords(const QStringList &markedWords, int count)
{
    QStringList syllables;
    for (const QString &word : markedWords)
        syllables += word.toLower().split(u'-');
    QRandomGenerator random(22);
    QStringList words;
    for (int i = 0; i < count; ++i) {
        QString word;
        for (int k = 1 + random.bounded(4); k > 0; --k)
            word += syllables[random.bounded(int(syllables.size()))];
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
        const std::pair<const char *, const char16_t *> words[] = {
            {"one-letter start", u"U-fer"},
            {"one-letter start", u"Ü-bung"},
            {"one-letter start", u"E-cke"},
            {"one-letter start", u"A-sche"},
            {"one-letter start", u"A-qua-ri-um"},
            {"one-letter start", u"I-dee"},
            {"one-letter start", u"O-ze-an"},
            {"no one-letter start", u"Obst"},
            {"no one-letter start", u"Un-art"},
            {"no one-letter start", u"er-ar-bei-ten"},
            {"no one-letter start", u"Ech-se"},
            {"one-letter end", u"Vi-de-o"},
            {"one-letter end", u"Du-o"},
            {"hiatus", u"Ru-i-ne"},
            {"hiatus", u"neu-e"},
            {"hiatus", u"Hai-e"},
            {"hiatus", u"Ja-nu-ar"},
            {"hiatus", u"Sta-tu-e"},
            {"hiatus", u"Cha-os"},
            {"hiatus", u"Pi-a-no"},
            {"hiatus", u"The-a-ter"},
            {"hiatus", u"Mau-er"},
            {"one sound", u"Lie-be"},
            {"one sound", u"Kaf-fee"},
            {"one sound", u"Waa-ge"},
            {"one sound", u"Säu-le"},
            {"one sound", u"Cou-si-ne"},
            {"one sound", u"Ni-veau"},
            {"compound", u"Fluss-u-fer"},
            {"compound", u"See-u-fer"},
            {"compound", u"Le-se-e-cke"},
            {"compound", u"Zu-cker-a-horn"},
            {"compound", u"Ta-schen-lam-pe"},
            {"compound", u"Haus-tür"},
            {"ck ch sch ß", u"Bä-cke-rei"},
            {"ck ch sch ß", u"Wä-sche"},
            {"ck ch sch ß", u"Lö-cher"},
            {"ck ch sch ß", u"So-ße"},
            {"y", u"Zy-lin-der"},
            {"y", u"Hob-by"},
            {"y", u"Ba-bys"},
            {"y", u"Yo-ga"},
            {"y", u"Hy-ä-ne"},
            {"y", u"Bay-ern"},
            {"y", u"Ma-ya"},
            {"name", u"U-we"},
            {"name", u"E-li"},
            {"name", u"Jo-el"},
            {"name", u"No-e-mi"},
            {"name", u"Is-ra-el"},
            {"name", u"Mi-cha-el"},
            {"name", u"Mat-thi-as"},
            {"name", u"O-li-vi-a"},
            {"vowel-less piece joins the next syllable", u"Aus-spruch"},
            {"vowel-less piece joins the next syllable", u"Aus-spra-che"},
            {"vowel-less piece joins the next syllable", u"Ge-spens-ter"},
            {"vowel-less piece joins the next syllable", u"Im-pres-sum"},
            {"vowel-less piece joins the next syllable", u"be-o-bach-ten"},
            {"vowel-less piece joins the next syllable", u"ge-kne-belt"},
            {"vowel-less piece joins the next syllable", u"Grenz-pfäh-le"},
            {"vowel-less piece joins the next syllable", u"Salz-lau-ge"},
            {"vowel-less piece joins the next syllable", u"drü-ber-fah-ren"},
            {"vowel-less piece joins the previous one", u"müt-ter-lich"},
            {"vowel-less piece joins the previous one", u"schock-ar-tig"},
            {"vowel-less piece joins the previous one", u"Au-er-hahn"},
            {"vowel-less piece joins the previous one", u"Be-wusst-heit"},
            {"vowel-less piece joins the previous one", u"Wind-rös-chen"},
            {"vowel-less piece joins the previous one", u"Glück-auf"},
            {"vowel-less piece joins the previous one", u"Ko-va-ri-anz"},
            {"vowel-less piece joins the previous one", u"be-dau-er-lich"},
            {"left whole by the patterns", u"ei-lends"},
            {"left whole by the patterns", u"La-ken"},
            {"left whole by the patterns", u"Ab-strich"},
            {"left whole by the patterns", u"A-pril"},
            {"left whole by the patterns", u"As-pik"},
        };
        for (const auto &[group, word] : words) {
            const QString marked = QString::fromUtf16(word);
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

    // The patterns rebuilt from the cache are the library's own, state by state, and mark every
    // word as they do: the shipped lists, generated compounds and a large German dictionary.
    void cacheMarksAsFreshLoad()
    {
        const QString patternsPath = SyllableMarker::defaultPatternsPath();
        const QByteArray cacheBytes = fileBytes(m_cachePath);
        const CachedPatterns::Key key =
            CachedPatterns::keyOf(patternsPath, fileBytes(patternsPath));
        const std::unique_ptr<CachedPatterns> rebuilt = CachedPatterns::read(cacheBytes, key);
        QVERIFY(rebuilt);
        QCOMPARE(CachedPatterns::write(key, *rebuilt->dict()), cacheBytes);

        const auto cached = SyllableMarker::loadFromCache(patternsPath, m_cachePath);
        QVERIFY(cached);
        QStringList shippedEntries;
        for (const auto &list : std::as_const(m_shippedLists))
            shippedEntries += list.second;
        const QStringList dictionary = dictionaryWords();
        QVERIFY(dictionary.size() > 70000);
        const QStringList words = m_shippedWords.values() + dictionary +
                                  generatedWords(shippedEntries.join(u' ').split(u' '), 5000);
        QStringList different;
        for (const QString &word : words) {
            if (cached->markWord(word) != m_marker->markWord(word))
                different << word;
        }
        qInfo("%lld words, %lld marked differently from the cache", words.size(), different.size());
        QCOMPARE(different.join(u' '), QString());
    }

    // A marker loaded once serves several threads at the same time with the same results.
    void sharedBetweenThreads()
    {
        const QString entry = u"Taschenlampe Kakao Ruine Zuckerahorn Mama! Hyäne"_s;
        const QString expected = m_marker->markEntry(entry);
        const auto markOften = [&] {
            bool same = true;
            for (int round = 0; round < 2000; ++round)
                same = same && m_marker->markEntry(entry) == expected;
            return same;
        };
        auto other = std::async(std::launch::async, markOften);
        QVERIFY(markOften() && other.get());
    }

    // A missing file, or one holding no German patterns this reader trusts, gives an error and
    // no marker.
    void unusablePatterns_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // null: no file
        const QByteArray german = "s1t\nu1ck\n";
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("empty file") << ""_ba;
        QTest::newRow("UTF-8 patterns") << "UTF-8\n" + german;
        QTest::newRow("dot inside") << "ISO8859-1\na.b\n" + german;
        QTest::newRow("empty NOHYPHEN item") << "ISO8859-1\nNOHYPHEN -,,'\n" + german;
        QTest::newRow("line too long") << "ISO8859-1\n" + QByteArray(120, 'a') + '\n' + german;
        QTest::newRow("patterns of the old spelling") << "ISO8859-1\nn1st\nc1k\n"_ba;
    }

    void unusablePatterns()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir folder;
        const QString path = folder.filePath(u"muster.dic"_s);
        QVERIFY(bytes.isNull() || writeFile(path, bytes));
        const SyllableMarker::Loaded loaded = SyllableMarker::load(path);
        QVERIFY(!loaded.marker);
        const QString error =
            bytes.isNull() ? Texts::syllablePatternsMissing : Texts::syllablePatternsInvalid;
        QCOMPARE(loaded.error, error.arg(path));
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
                 u"Fens-ter Zu-cker O-a-se Erb-se"_s);
    }

    // Strips the hyphens from every single-word entry of the shipped lists, marks it again and
    // compares with the hand marking.
    void shippedListsAsMarkedByHand()
    {
        int total = 0;
        QStringList misses;
        for (const auto &[name, entries] : m_shippedLists) {
            for (const QString &entry : entries) {
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
        QVERIFY2(identical * 1000 >= total * 994, "fewer than 99.4 % identical");
    }
};

QTEST_GUILESS_MAIN(TestSyllableMarker)
#include "tst_syllablemarker.moc"
