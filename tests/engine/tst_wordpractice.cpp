// SPDX-License-Identifier: GPL-3.0-or-later
#include "scratchfiles.h"
#include "textcodec.h"
#include "wordpractice.h"

#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// A session in its own temporary working folder, whose SILBEN.TXT holds the given bytes.
struct Session
{
    Session(const QByteArray &list, const QString &letters)
    {
        place(list);
        practice.setLetterSequence(letters);
    }

    // Makes the bytes the folder's only file (null: none).
    void place(const QByteArray &bytes, const QString &name = u"SILBEN.TXT"_s)
    {
        QDir folder(dir.path());
        QVERIFY(folder.removeRecursively() && folder.mkpath(u"."_s));
        QVERIFY(bytes.isNull() || writeFile(folder.filePath(name), bytes));
    }

    QString shown() const { return practice.currentWord() + u'|' + practice.wordCountText(); }

    // What the next calls of showNextWord show, comma-separated.
    QString show(int calls)
    {
        QStringList words;
        for (int i = 0; i < calls && practice.showNextWord(); ++i)
            words << shown();
        return words.join(u',');
    }

    QTemporaryDir dir;
    WordPractice practice{QDir(dir.path())};
};

} // namespace

// The words a session shows: the order modes, the passes, a new file or letters, faulty lists.
class TestWordPractice : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Each switch starts a new pass; the empty line is an entry; only "nach A B C" sorts.
    void orderModeCycle()
    {
        Session s("so\r\n\r\nab\r\nrot", u"abrost"_s);
        QCOMPARE(s.shown(), u"|0 Wörter"_s);
        QCOMPARE(s.show(3), u"| 3 Wörter,ab| 2 Wörter,rot| 1 Wort"_s);
        s.practice.setRandomSource([] { return 0.0; });
        QStringList passes;
        for (int mode = 0; mode < 3; ++mode) {
            s.practice.switchOrderMode();
            passes << s.practice.orderModeCaption() + u':' + s.shown();
        }
        QCOMPARE(passes, QStringList({u"nach Reihe:so| 3 Wörter"_s, u"nach Zufall:so| 3 Wörter"_s,
                                      u"nach A B C:| 3 Wörter"_s}));
    }

    // Each entry once a pass, taken where the random number points into the queue.
    void randomOrder()
    {
        Session s("a\r\nb\r\nc\r\nd\r\ne", u"abcde"_s);
        s.practice.setRandomSource([] { return 0.5; });
        s.practice.switchOrderMode();
        s.practice.switchOrderMode(); // "nach Zufall": shows the first word of a pass
        QCOMPARE(s.shown(), u"c| 4 Wörter"_s);
        QCOMPARE(s.show(4), u"d| 3 Wörter,b| 2 Wörter,e| 1 Wort,a| 0 Wörter"_s);
        // Just below 1, and 1 itself from a generator with a closed range, take the last entry.
        s.practice.setRandomSource([] { return std::nextafter(1.0, 0.0); });
        QCOMPARE(s.show(1), u"e| 4 Wörter"_s);
        s.practice.setRandomSource([] { return 1.0; });
        QCOMPARE(s.show(1), u"d| 3 Wörter"_s);
    }

    // A chosen file shows its first word at once, and the next pass reads it again; with
    // tiere.txt and TIERE.TXT in the folder each opens its own, on paper too (regression: either
    // opened TIERE.TXT). A new letter sequence ("" is "abc") shows no word.
    void newFileOrLetters()
    {
        Session s("so\r\nab\r\nrot", u"aberost"_s);
        QVERIFY(writeFile(s.dir.filePath(u"tiere.txt"_s), "Ra-be\r\nBar"));
        QVERIFY(writeFile(s.dir.filePath(u"TIERE.TXT"_s), "Rot"));
        QStringList shown{s.show(1)};
        for (const QString &listed : {u"tiere.txt"_s, u"TIERE.TXT"_s, u"tiere.txt"_s}) {
            s.practice.chooseWordListFile(listed);
            shown << s.practice.wordListFileName() + u':' + s.shown();
        }
        QCOMPARE(s.practice.printedWords(), QStringList({u"Bar"_s, u"Ra-be"_s}));
        shown << s.show(2);
        QCOMPARE(shown.join(u','), u"ab| 2 Wörter,TIERE.TXT:Bar| 1 Wort,TIERE.TXT:Rot| 0 Wörter,"
                                   u"TIERE.TXT:Bar| 1 Wort,Ra-be| 0 Wörter,Bar| 1 Wort"_s);
        s.practice.enterLetterSequence({});
        QCOMPARE(s.practice.letterSequence(), u"abc"_s);
        QCOMPARE(s.shown(), u"Bar| 1 Wort"_s); // the count is the one shown with the word
        QCOMPARE(s.practice.queue(), QStringList());
    }

    // The filter rules reach the paper at once and the queue at the next load, like new
    // letters: units known or not, sight words whatever the letters.
    void filterRulesForQueueAndPaper()
    {
        Session s("Eis\r\nSee\r\nes Eis\r\nund", u"e,i,s"_s);
        s.practice.switchOrderMode(); // "nach Reihe"
        s.practice.setFilterRules({.soundUnits = true, .sightWords = {u"Und"_s}});
        QCOMPARE(s.practice.queue(), QStringList({u"See"_s, u"es"_s, u"Eis"_s}));
        const QStringList passing = {u"See"_s, u"es"_s, u"und"_s};
        QCOMPARE(s.practice.printedWords(), passing);
        s.practice.loadWordList();
        QCOMPARE(s.practice.queue(), passing);
    }

    // The entry box holds one line. Regression: a pasted line break reached silben.ini and
    // split it, and the next start lost the teacher's colours and font.
    void letterEntry_data()
    {
        QTest::addColumn<QString>("entered");
        QTest::addColumn<QString>("sequence");
        QTest::addRow("pasted CR LF") << u"ab\r\ncd"_s << u"abcd"_s;
        QTest::addRow("CR, LF alone, at the ends") << u"\nab\rc\nd\r"_s << u"abcd"_s;
        QTest::addRow("tab and blank stay") << u"a\tb c"_s << u"a\tb c"_s;
        QTest::addRow("only a line break") << u"\r\n"_s << u"abc"_s;
    }

    void letterEntry()
    {
        QFETCH(QString, entered);
        QFETCH(QString, sequence);
        Session s({}, u"x"_s);
        s.practice.enterLetterSequence(entered);
        QCOMPARE(s.practice.letterSequence(), sequence);
    }

    // The words for paper: a fresh read through the filter, each word once whatever its marks,
    // no empty entry, in the mode's order; the session's queue, count, word and next random
    // numbers stay as they were.
    void printedWords_data()
    {
        QTest::addColumn<int>("switches"); // from "nach A B C"
        QTest::addColumn<QString>("words");
        QTest::addRow("nach A B C") << 0 << u"ab,Ro-se,so"_s;
        QTest::addRow("nach Reihe") << 1 << u"so,Ro-se,ab"_s;
        QTest::addRow("nach Zufall") << 2 << QString();
    }

    void printedWords()
    {
        QFETCH(int, switches);
        QFETCH(QString, words);
        Session s("so\r\nab", u"abrose"_s);
        int drawn = 0;
        s.practice.setRandomSource([&drawn] {
            ++drawn;
            return 0.0;
        });
        for (int i = 0; i < switches; ++i)
            s.practice.switchOrderMode();
        s.practice.showNextWord();
        s.place("so\r\n\r\nRo-se\r\n-\r\nab\r\nRose\r\nso\r\nxyz"); // the file as it is now
        const QStringList queue = s.practice.queue();
        const QString shown = s.shown();
        const int drawnBefore = drawn;

        QStringList printed = s.practice.printedWords();
        QCOMPARE(s.practice.queue(), queue);
        QCOMPARE(s.shown(), shown);
        QCOMPARE(drawn, drawnBefore);
        if (words.isNull()) { // any order, each word once
            printed.sort();
            words = u"Ro-se,ab,so"_s;
        }
        QCOMPARE(printed.join(u','), words);
    }

    // Lists picked by mistake: what passes is shown, else the display stays; a missing list is
    // named until one (in any letter case) is back.
    void faultyList_data()
    {
        QTest::addColumn<QByteArray>("list"); // null: none
        QTest::addColumn<QString>("shown");
        QTest::addRow("no entry passes") << "Haus"_ba << u"so| 0 Wörter"_s;
        QTest::addRow("missing") << QByteArray() << u"so| 0 Wörter"_s;
        QTest::addRow("NUL bytes") << "so\0\r\n\xFF\0\x81 ab\r\nab\r\n\x90"_ba << u"ab| 1 Wort"_s;
        QTest::addRow("10 MB line") << QByteArray(10 << 20, 'x') + " ab" << u"ab| 0 Wörter"_s;
        QTest::addRow("2,000,000 lines") << "a\r\n"_ba.repeated(2000000) << u"a| 1999999 Wörter"_s;
    }

    void faultyList()
    {
        QFETCH(QByteArray, list);
        QFETCH(QString, shown);
        Session s("so", u"abrose"_s);
        s.practice.switchOrderMode(); // "nach Reihe": shows "so"
        s.place(list);
        s.practice.showNextWord();
        QCOMPARE(s.shown(), shown);
        QCOMPARE(s.practice.wordListError().contains(u"SILBEN.TXT"_s), list.isNull());
        s.place("so", u"silben.txt"_s);
        s.practice.switchOrderMode(); // a new pass from the list
        QCOMPARE(s.shown(), u"so| 0 Wörter"_s);
        QCOMPARE(s.practice.wordListError(), QString());
    }

    // A load in the mode "nach A B C" reuses the last one's order only while the file's bytes,
    // the letters, the filter rules and the locale are all the same; each row changes one.
    void sortedOrderReuse_data()
    {
        // list (CR LF as /), letters, locale and the sight words with sound units (if any)
        QTest::addColumn<QString>("loads");
        QTest::addColumn<QString>("queue"); // after the second load
        QTest::addRow("same file") << u"ba/ab ab de|ba/ab ab de"_s << u"ab,ba"_s;
        QTest::addRow("same length, other bytes") << u"ba/ab ab de|ab/ba ab de"_s << u"ab,ba"_s;
        QTest::addRow("other letters, as many entries") << u"c/a/d ac de|c/a/d ad de"_s << u"a,d"_s;
        QTest::addRow("other rules, as many entries")
            << u"ei/b/a/z e,i,b,a de|ei/b/a/z e,i,b,a de z"_s << u"a,b,z"_s;
        QTest::addRow("other locale") << u"ä/z äz de|ä/z äz sv"_s << u"z,ä"_s;
    }

    void sortedOrderReuse()
    {
        QFETCH(QString, loads);
        QFETCH(QString, queue);
        const QLocale before;
        const auto restore = qScopeGuard([&] { QLocale::setDefault(before); });
        Session s({}, {});
        for (const QString &load : loads.split(u'|')) {
            QStringList parts = load.split(u' ');
            s.place(TextCodec::encode(parts[0].replace(u'/', u"\r\n"_s)));
            s.practice.setLetterSequence(parts[1]);
            if (parts.size() > 3)
                s.practice.setFilterRules({true, {parts[3]}});
            QLocale::setDefault(QLocale(parts[2]));
            s.practice.loadWordList();
        }
        QCOMPARE(s.practice.queue().join(u','), queue);
    }
};

QTEST_GUILESS_MAIN(TestWordPractice)
#include "tst_wordpractice.moc"
