#include "alphabeticalorder.h"
#include "wordlistfolder.h"
#include "wordpractice.h"

#include <QSignalSpy>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

class TestWordPractice : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void countTextAlongAPass();
    void emptyLineIsShownAsEmptyWord();
    void nothingPassingLeavesDisplayAlone();
    void randomPassShowsEachEntryOnce();
    void randomNumberJustBelowOneStaysInQueue();
    void alphabeticalOrder_data();
    void alphabeticalOrder();
    void onlyAlphabeticalLoadClosesFontChooser();
    void orderModeCycle();
    void unreadableWordList_data();
    void unreadableWordList();
    void fileFoundWithoutRegardToCase();
    void letterSequenceEntry_data();
    void letterSequenceEntry();
    void choosingFileDiscardsOldQueue();
    void listsLongerThan16BitCounts();

private:
    static QStringList showAll(WordPractice &practice, int count);
};

QStringList TestWordPractice::showAll(WordPractice &practice, int count)
{
    QStringList shown;
    for (int i = 0; i < count; ++i) {
        if (!practice.showNextWord())
            break;
        shown << practice.currentWord() + u'|' + practice.wordCountText();
    }
    return shown;
}

void TestWordPractice::countTextAlongAPass()
{
    WordListFolder folder;
    folder.write(u"SILBEN.TXT"_s, "so\r\nRo-se\r\nRo-sen\r\nrot");
    WordPractice practice(folder.dir());
    practice.setLetterSequence(u"roste"_s);
    practice.switchOrderMode(); // "nach Reihe"

    QCOMPARE(practice.orderModeCaption(), u"nach Reihe"_s);
    QCOMPARE(practice.currentWord(), u"so"_s);
    QCOMPARE(practice.wordCountText(), u" 2 Wörter"_s);
    QCOMPARE(showAll(practice, 3),
             (QStringList{u"Ro-se| 1 Wort"_s, u"rot| 0 Wörter"_s, u"so| 2 Wörter"_s}));
}

void TestWordPractice::emptyLineIsShownAsEmptyWord()
{
    WordListFolder folder;
    folder.write(u"SILBEN.TXT"_s, "so\r\n\r\nRo-se");
    WordPractice practice(folder.dir());
    practice.setLetterSequence(u"rose"_s);

    QCOMPARE(showAll(practice, 3),
             (QStringList{u"| 2 Wörter"_s, u"Ro-se| 1 Wort"_s, u"so| 0 Wörter"_s}));
}

void TestWordPractice::nothingPassingLeavesDisplayAlone()
{
    WordListFolder folder;
    folder.write(u"SILBEN.TXT"_s, "Haus\r\nBaum");
    WordPractice practice(folder.dir());
    practice.setLetterSequence(u"rose"_s);
    QSignalSpy shown(&practice, &WordPractice::wordShown);

    QVERIFY(!practice.showNextWord());
    QVERIFY(practice.currentWord().isEmpty());
    QCOMPARE(practice.wordCountText(), u"0 Wörter"_s);
    QCOMPARE(shown.count(), 0);

    folder.write(u"SILBEN.TXT"_s, "so");
    QVERIFY(practice.showNextWord());
    folder.write(u"SILBEN.TXT"_s, "Haus");
    practice.switchOrderMode();
    QCOMPARE(practice.currentWord(), u"so"_s);
    QCOMPARE(practice.wordCountText(), u" 0 Wörter"_s);
}

void TestWordPractice::randomPassShowsEachEntryOnce()
{
    WordListFolder folder;
    folder.write(u"SILBEN.TXT"_s, "a\r\nb\r\nc\r\nc");
    WordPractice practice(folder.dir());
    practice.setLetterSequence(u"abc"_s);
    practice.switchOrderMode();
    practice.seedRandom(7);
    practice.switchOrderMode(); // "nach Zufall": already shows the first word
    QCOMPARE(practice.orderModeCaption(), u"nach Zufall"_s);

    QStringList words{practice.currentWord()};
    QStringList counts{practice.wordCountText()};
    for (int i = 0; i < 3; ++i) {
        QVERIFY(practice.showNextWord());
        words << practice.currentWord();
        counts << practice.wordCountText();
    }
    words.sort();
    QCOMPARE(words, (QStringList{"a", "b", "c", "c"}));
    QCOMPARE(counts, (QStringList{" 3 Wörter", " 2 Wörter", " 1 Wort", " 0 Wörter"}));
}

void TestWordPractice::randomNumberJustBelowOneStaysInQueue()
{
    // 3 × (1 − 2⁻⁵³) rounds to 3.0: the position must still be the last entry.
    WordListFolder folder;
    folder.write(u"SILBEN.TXT"_s, "a\r\nb\r\nc");
    WordPractice practice(folder.dir());
    practice.setLetterSequence(u"abc"_s);
    practice.setRandomSource([] { return std::nextafter(1.0, 0.0); });
    practice.switchOrderMode();
    practice.switchOrderMode();
    QCOMPARE(practice.currentWord(), u"c"_s);
    QCOMPARE(practice.queue(), (QStringList{"a", "b"}));
}

void TestWordPractice::alphabeticalOrder_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("sorted");

    QTest::addRow("hyphens carry no weight")
        << u"de_DE"_s << QStringList{"so", "Ro-se", "Rob-be", "ab"}
        << QStringList{"ab", "Rob-be", "Ro-se", "so"};
    QTest::addRow("case ignored") << u"de_DE"_s << QStringList{"Bad", "ab"}
                                  << QStringList{"ab", "Bad"};
    QTest::addRow("umlauts with their vowels, empty first")
        << u"de_DE"_s << QStringList{"Zug", "Äp-fel", "", "Af-fe", "Ofen", "Öl"}
        << QStringList{"", "Af-fe", "Äp-fel", "Ofen", "Öl", "Zug"};
    QTest::addRow("other marks keep their weight")
        << u"de_DE"_s << QStringList{"ab", "a.c"} << QStringList{"a.c", "ab"};
    QTest::addRow("C locale sorts umlauts with their vowels")
        << u"C"_s << QStringList{"Zug", "Äp-fel", "Af-fe"} << QStringList{"Af-fe", "Äp-fel", "Zug"};
    QTest::addRow("equal entries keep their order")
        << u"de_DE"_s << QStringList{"so", "So", "s-o"} << QStringList{"so", "So", "s-o"};
}

void TestWordPractice::alphabeticalOrder()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, entries);
    QFETCH(QStringList, sorted);

    AlphabeticalOrder(QLocale(locale)).sort(entries);
    QCOMPARE(entries, sorted);
}

void TestWordPractice::onlyAlphabeticalLoadClosesFontChooser()
{
    WordListFolder folder;
    folder.write(u"SILBEN.TXT"_s, "so");
    WordPractice practice(folder.dir());
    practice.setLetterSequence(u"rose"_s);
    QSignalSpy sorted(&practice, &WordPractice::queueSorted);

    practice.loadWordList();
    QCOMPARE(sorted.count(), 1);
    practice.switchOrderMode(); // file order
    practice.switchOrderMode(); // random
    QCOMPARE(sorted.count(), 1);
    folder.write(u"SILBEN.TXT"_s, "Haus");
    practice.switchOrderMode(); // alphabetical again, and nothing passes
    QCOMPARE(sorted.count(), 2);
}

void TestWordPractice::orderModeCycle()
{
    WordListFolder folder;
    folder.write(u"SILBEN.TXT"_s, "so\r\nab\r\nrot");
    WordPractice practice(folder.dir());
    practice.setLetterSequence(u"abrost"_s);
    QVERIFY(practice.showNextWord());
    QCOMPARE(practice.currentWord(), u"ab"_s);
    QVERIFY(practice.showNextWord());

    practice.switchOrderMode();
    QCOMPARE(practice.orderModeCaption(), u"nach Reihe"_s);
    QCOMPARE(practice.currentWord(), u"so"_s);
    QCOMPARE(practice.wordCountText(), u" 2 Wörter"_s);
    practice.switchOrderMode();
    QCOMPARE(practice.orderModeCaption(), u"nach Zufall"_s);
    practice.switchOrderMode();
    QCOMPARE(practice.orderModeCaption(), u"nach A B C"_s);
    QCOMPARE(practice.currentWord(), u"ab"_s);
}

void TestWordPractice::unreadableWordList_data()
{
    QTest::addColumn<bool>("folderInstead");
    QTest::addRow("missing") << false;
    QTest::addRow("a folder named like the list") << true;
}

void TestWordPractice::unreadableWordList()
{
    QFETCH(bool, folderInstead);
    WordListFolder folder;
    folder.write(u"SILBEN.TXT"_s, "so");
    WordPractice practice(folder.dir());
    practice.setLetterSequence(u"rose"_s);
    QVERIFY(practice.showNextWord());
    QSignalSpy loaded(&practice, &WordPractice::wordListLoaded);

    QVERIFY(folder.dir().remove(u"SILBEN.TXT"_s));
    if (folderInstead)
        QVERIFY(folder.dir().mkdir(u"silben.txt"_s));
    QVERIFY(!practice.showNextWord());

    QCOMPARE(practice.currentWord(), u"so"_s);
    QCOMPARE(practice.wordCountText(), u" 0 Wörter"_s);
    QVERIFY(practice.queue().isEmpty());
    QCOMPARE(loaded.count(), 1);
    const QString error = loaded.at(0).at(0).toString();
    QVERIFY(error.contains(u"SILBEN.TXT"_s));
    QCOMPARE(error, practice.wordListError());

    if (folderInstead)
        QVERIFY(folder.dir().rmdir(u"silben.txt"_s));
    folder.write(u"SILBEN.TXT"_s, "so");
    QVERIFY(practice.showNextWord());
    QVERIFY(practice.wordListError().isEmpty());
}

void TestWordPractice::fileFoundWithoutRegardToCase()
{
    WordListFolder folder;
    folder.write(u"silben.txt"_s, "so");
    WordPractice practice(folder.dir());
    practice.setLetterSequence(u"rose"_s);
    QVERIFY(practice.showNextWord());
    QCOMPARE(practice.currentWord(), u"so"_s);
}

void TestWordPractice::letterSequenceEntry_data()
{
    QTest::addColumn<QString>("entered");
    QTest::addColumn<QString>("sequence");
    QTest::addRow("empty or cancelled gives abc") << u""_s << u"abc"_s;
    QTest::addRow("taken unchanged") << u"ab Rose"_s << u"ab Rose"_s;
}

void TestWordPractice::letterSequenceEntry()
{
    QFETCH(QString, entered);
    QFETCH(QString, sequence);
    WordListFolder folder;
    folder.write(u"SILBEN.TXT"_s, "so\r\nab\r\nRo-se");
    WordPractice practice(folder.dir());
    practice.setLetterSequence(u"abrose"_s);
    QVERIFY(practice.showNextWord());
    const QString word = practice.currentWord();
    const QString count = practice.wordCountText();

    practice.enterLetterSequence(entered);
    QCOMPARE(practice.letterSequence(), sequence);
    QCOMPARE(practice.currentWord(), word);
    QCOMPARE(practice.wordCountText(), count);
    QVERIFY(practice.queue().contains(u"ab"_s)); // a new pass starts from its first entry
}

void TestWordPractice::choosingFileDiscardsOldQueue()
{
    WordListFolder folder;
    folder.write(u"SILBEN.TXT"_s, "so\r\nab\r\nrot");
    folder.write(u"tiere.txt"_s, "Ra-be\r\nBar");
    WordPractice practice(folder.dir());
    practice.setLetterSequence(u"aberost"_s);
    QVERIFY(practice.showNextWord());

    practice.chooseWordListFile(u"tiere.txt"_s);
    QCOMPARE(practice.wordListFileName(), u"TIERE.TXT"_s);
    QCOMPARE(practice.currentWord(), u"Bar"_s);
    QCOMPARE(practice.queue(), QStringList{u"Ra-be"_s});
}

void TestWordPractice::listsLongerThan16BitCounts()
{
    WordListFolder folder;
    QByteArray list;
    for (int i = 0; i < 40000; ++i)
        list += "so\r\n";
    folder.write(u"SILBEN.TXT"_s, list);
    WordPractice practice(folder.dir());
    practice.setLetterSequence(u"rose"_s);
    QVERIFY(practice.showNextWord());
    QCOMPARE(practice.wordCountText(), u" 39999 Wörter"_s);
}

QTEST_GUILESS_MAIN(TestWordPractice)
#include "tst_wordpractice.moc"
