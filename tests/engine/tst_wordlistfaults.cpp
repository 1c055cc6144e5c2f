#include "wordlistfolder.h"
#include "wordpractice.h"

#include <QTest>

using namespace Qt::StringLiterals;

// Word lists a teacher may hand the program by mistake: it keeps running, keeps what is on
// display, and says what went wrong where the teacher must act.
class TestWordListFaults : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void missingAtStartShowsNothingAndSaysWhy();
    void chosenFileDeletedAfterListing();
    void binaryContentWithNulBytes();
    void singleLineOfTenMegabytes();
    void twoMillionLines();
    void hundredThousandWordsWithRefillsInEveryMode();
};

void TestWordListFaults::missingAtStartShowsNothingAndSaysWhy()
{
    WordListFolder folder;
    WordPractice practice(folder.dir());
    QVERIFY(!practice.showNextWord());
    QVERIFY(practice.currentWord().isEmpty());
    QCOMPARE(practice.wordCountText(), u"0 Wörter"_s);
    QVERIFY(practice.wordListError().contains(u"SILBEN.TXT"_s));
}

void TestWordListFaults::chosenFileDeletedAfterListing()
{
    WordListFolder folder;
    folder.write(u"SILBEN.TXT"_s, "so\r\nab");
    WordPractice practice(folder.dir());
    practice.setLetterSequence(u"abos"_s);
    QVERIFY(practice.showNextWord());

    practice.chooseWordListFile(u"weg.txt"_s); // listed once, gone since
    QCOMPARE(practice.wordListFileName(), u"WEG.TXT"_s);
    QVERIFY(practice.wordListError().contains(u"WEG.TXT"_s));
    QCOMPARE(practice.currentWord(), u"ab"_s);
    QCOMPARE(practice.wordCountText(), u" 1 Wort"_s);
    QVERIFY(practice.queue().isEmpty());
}

void TestWordListFaults::binaryContentWithNulBytes()
{
    WordListFolder folder;
    static const char head[] = "so\0ro\r\n\0\0\0\r\n\xFF\xFE\x00\x01 so\r\nRo-se\r\n";
    QByteArray bytes(head, sizeof head - 1);
    for (int i = 0; i < 256; ++i)
        bytes += char(i);
    folder.write(u"SILBEN.TXT"_s, bytes);
    WordPractice practice(folder.dir());
    practice.setLetterSequence(u"rose"_s);
    practice.switchOrderMode();

    QCOMPARE(practice.currentWord(), u"so"_s);
    QCOMPARE(practice.queue(), QStringList{u"Ro-se"_s});
    QVERIFY(practice.wordListError().isEmpty());
}

void TestWordListFaults::singleLineOfTenMegabytes()
{
    WordListFolder folder;
    folder.write(u"SILBEN.TXT"_s, QByteArray(10 * 1024 * 1024, 'x') + " so");
    WordPractice practice(folder.dir());
    practice.setLetterSequence(u"rose"_s);
    QVERIFY(practice.showNextWord());
    QCOMPARE(practice.currentWord(), u"so"_s);
    QCOMPARE(practice.wordCountText(), u" 0 Wörter"_s);
}

void TestWordListFaults::twoMillionLines()
{
    WordListFolder folder;
    QByteArray list;
    list.reserve(8 * 1000 * 1000);
    for (int i = 0; i < 1000 * 1000; ++i)
        list += "so\r\nab\r\n";
    folder.write(u"SILBEN.TXT"_s, list);
    WordPractice practice(folder.dir());
    practice.setLetterSequence(u"abos"_s);
    practice.switchOrderMode(); // file order: loads and shows the first word
    QCOMPARE(practice.currentWord(), u"so"_s);
    QCOMPARE(practice.wordCountText(), u" 1999999 Wörter"_s);
}

void TestWordListFaults::hundredThousandWordsWithRefillsInEveryMode()
{
    WordListFolder folder;
    QByteArray list;
    for (int i = 0; i < 40; ++i)
        list += "Wort" + QByteArray::number(i) + "\r\n\r\n";
    folder.write(u"SILBEN.TXT"_s, list);
    WordPractice practice(folder.dir());
    practice.setLetterSequence(u"wort"_s);
    practice.seedRandom(1);

    for (int mode = 0; mode < 3; ++mode) {
        practice.switchOrderMode();
        for (int i = 1; i < 33334; ++i) {
            QVERIFY(practice.showNextWord());
            // 80 entries a pass: the count runs down from 79 to 0, then a refill starts over.
            const qsizetype left = practice.queue().size();
            QCOMPARE(left, qsizetype(79 - (i % 80)));
        }
    }
}

QTEST_GUILESS_MAIN(TestWordListFaults)
#include "tst_wordlistfaults.moc"
