#include "alphabeticalorder.h"
#include "letterfilter.h"
#include "syllablepalette.h"
#include "syllableruns.h"
#include "textcodec.h"
#include "wordlistfile.h"
#include "wordlistfolder.h"
#include "wordpractice.h"

#include <QRandomGenerator>
#include <QScopeGuard>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <stdexcept>

using namespace Qt::StringLiterals;
using Lines = QStringList;
using Runs = QList<SyllableRun>;

namespace {

// A session in its own temporary working folder, whose SILBEN.TXT holds the given bytes.
struct Session
{
    Session(const QByteArray &list, const QString &letters)
    {
        place(list);
        practice.setLetterSequence(letters);
    }

    // Makes the bytes the folder's only entry (null: none; "/": a folder of that name).
    void place(const QByteArray &bytes, const QString &name = u"SILBEN.TXT"_s)
    {
        QDir folder(dir.path());
        QVERIFY(folder.removeRecursively() && folder.mkpath(u"."_s));
        QVERIFY(bytes.isNull() ||
                (bytes == "/" ? folder.mkdir(name) : writeFile(folder.filePath(name), bytes)));
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

// From a list's bytes to its lines, the entries that pass, their order, and the words shown.
class TestWordPractice : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Each text (its lines joined by CR) also survives being written and read back.
    void readLines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Lines>("lines");
        QTest::addRow("windows-1252, CR LF") << "\xE4\r\n\xDF\x80"_ba << Lines{"ä", "ß€"};
        QTest::addRow("utf-8, mark dropped") << "\xEF\xBB\xBF\xC3\xA4pfel"_ba << Lines{"äpfel"};
        // Regression: the decoder dropped the mark itself and then a second U+FEFF of the text.
        QTest::addRow("only the first byte order mark dropped")
            << "\xEF\xBB\xBF\xEF\xBB\xBF\xC3\xA4"_ba << Lines{u"\uFEFFä"_s};
        QTest::addRow("decomposed umlaut composed") << "u\xCC\x88"_ba << Lines{"ü"};
        QTest::addRow("bad utf-8 after a mark") << "\xEF\xBB\xBF\xE4"_ba << Lines{"ï»¿ä"};
        QTest::addRow("outside windows-1252") << "\xEF\xBB\xBF\x61\xC5\x82"_ba << Lines{"ał"};
        // "Ã¤" in Windows-1252 is C3 A4, which would read back as "ä".
        QTest::addRow("reads as utf-8") << "\xEF\xBB\xBF\xC3\x83\xC2\xA4"_ba << Lines{"Ã¤"};
        QTest::addRow("final terminator, no line") << "a\r\n"_ba << Lines{"a"};
        QTest::addRow("CR alone ends a line") << "a\rb\r"_ba << Lines{"a", "b"};
        QTest::addRow("LF alone is ordinary") << "a\nb\n"_ba << Lines{"a\nb\n"};
        QTest::addRow("two terminators") << "a\r\n\r\nb"_ba << Lines{"a", "", "b"};
        QTest::addRow("CR CR LF") << "a\r\r\nb"_ba << Lines{"a", "", "b"};
        QTest::addRow("empty") << ""_ba << Lines{};
    }

    void readLines()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Lines, lines);
        QCOMPARE(TextCodec::splitLines(TextCodec::decode(bytes)), lines);
        const QString text = lines.join(u'\r');
        QCOMPARE(TextCodec::decode(TextCodec::encode(text)), text);
    }

    // Every byte of a file that is not UTF-8 reads as the system's Windows-1252 converter reads
    // it (the five bytes the code page leaves open as control characters), and every character
    // is written as that converter writes it, or the text goes out as UTF-8.
    void windows1252AsTheSystemConverts()
    {
        QByteArray everyByte;
        for (int b = 0; b < 256; ++b)
            everyByte.append(char(b));
        QCOMPARE(
            TextCodec::decode(everyByte),
            QString(
                QStringDecoder("windows-1252", QStringDecoder::Flag::Stateless).decode(everyByte)));

        for (int unit = 0; unit < 0x10000; ++unit) {
            const QString text = u"Ma"_s + QChar(char16_t(unit));
            // A converter of its own for each text: resetState() keeps an earlier error.
            QStringEncoder system("windows-1252", QStringEncoder::Flag::Stateless);
            QStringEncoder utf8(QStringEncoder::Utf8, QStringEncoder::Flag::WriteBom);
            const QByteArray single = system.encode(text);
            const bool fits = !system.hasError() && TextCodec::decode(single) == text;
            const QByteArray expected = fits ? single : QByteArray(utf8.encode(text));
            if (TextCodec::encode(text) != expected)
                QFAIL(qPrintable(u"U+%1"_s.arg(unit, 4, 16, QChar(u'0'))));
        }
    }

    // The word-list files of a folder: the names its "*.TXT" filter gives, in the same order.
    void wordListNames()
    {
        QTemporaryDir dir;
        QDir folder(dir.path());
        for (const QString &name :
             {u"SILBEN.TXT"_s, u"tiere.txt"_s, u"Weg.tXt"_s, u".x.TXT"_s, u"notes.dat"_s,
              u"a.TXT.bak"_s, u"TXT"_s, u"\u00e4.txt"_s, u"b.TXT"_s, u"B.txt"_s})
            QVERIFY(writeFile(folder.filePath(name), "ab"));
        QVERIFY(folder.mkdir(u"Ordner.TXT"_s));
        QVERIFY(QFile::link(folder.filePath(u"tiere.txt"_s), folder.filePath(u"link.TXT"_s)));
        QVERIFY(QFile::link(folder.filePath(u"weg"_s), folder.filePath(u"broken.TXT"_s)));

        const QStringList names = WordListFile::names(folder);
        QCOMPARE(names, folder.entryList({u"*.TXT"_s}, QDir::Files));
        QCOMPARE(names, QStringList({u"b.TXT"_s, u"B.txt"_s, u"link.TXT"_s, u"SILBEN.TXT"_s,
                                     u"tiere.txt"_s, u"Weg.tXt"_s, u"\u00e4.txt"_s}));
    }

    // Words pass as read, the whole line upper-cased.
    void letterFilter_data()
    {
        QTest::addColumn<QString>("sequence");
        QTest::addColumn<QString>("line");
        QTest::addColumn<Lines>("queued");
        QTest::addRow("words, not line") << u"rose"_s << u"Ro-se Rot"_s << Lines{"Ro-se"};
        QTest::addRow("blank: line too") << u"s o"_s << u"So o"_s << Lines{"So", "o", "So o"};
        QTest::addRow("empty words skipped") << u"so"_s << u" so  os "_s << Lines{"so", "os"};
        QTest::addRow("line test ignores case") << u"ABC"_s << u"cab"_s << Lines{"cab"};
        QTest::addRow("word test keeps case") << u"ABC"_s << u"cab abc"_s << Lines{};
        QTest::addRow("ß is not SS") << u"fuß"_s << u"Fuß FUSS"_s << Lines{"Fuß"};
        QTest::addRow("upper umlaut") << u"äpfel"_s << u"Äp-fel"_s << Lines{"Äp-fel"};
        QTest::addRow("digits, marks") << u"x"_s << u"1, 2, 3!"_s << Lines{"1,", "2,", "3!"};
        QTest::addRow("tab is a character") << u"rose"_s << u"ro\tse so"_s << Lines{"so"};
        QTest::addRow("empty line") << u"rose"_s << u""_s << Lines{""};
        QTest::addRow("mark not allowed by base") << u"uber"_s << u"u\u0308ber"_s << Lines{};
        QTest::addRow("decomposed whole") << u"u\u0308"_s << u"U\u0308"_s << Lines{"U\u0308"};
        QTest::addRow("pair looked up whole") << u"a😀"_s << u"a😁"_s << Lines{};
        QTest::addRow("pair passes") << u"a😀"_s << u"😀a"_s << Lines{"😀a"};
        // Regression: the upper-cased copy's leading mark belongs to the sequence's last letter.
        QTest::addRow("sets joined") << u"\u0308u"_s << u"u U"_s << Lines{"U"};
    }

    void letterFilter()
    {
        QFETCH(QString, sequence);
        QFETCH(QString, line);
        QFETCH(Lines, queued);
        QStringList queue;
        LetterFilter(sequence).appendPassing(line, queue);
        QCOMPARE(queue, queued);
    }

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
        // Entries that compare equal keep the order of the file.
        QTest::addRow("equal: case and hyphens")
            << u"de"_s << u"Ro-se,rose,ROSE,Ros-e,Rose"_s << u"Ro-se,rose,ROSE,Ros-e,Rose"_s;
        QTest::addRow("equal, the other way")
            << u"de"_s << u"Rose,Ros-e,ROSE,rose,Ro-se"_s << u"Rose,Ros-e,ROSE,rose,Ro-se"_s;
        QTest::addRow("ß right after ss") << u"de"_s << u"Strauß,Straße,Strasse,Strast,Strasd"_s
                                          << u"Strasd,Strasse,Straße,Strast,Strauß"_s;
        QTest::addRow("umlaut after its vowel when the rest is equal")
            << u"de"_s << u"Bär,bar,Bar,bär,Bart"_s << u"bar,Bar,Bär,bär,Bart"_s;
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
    // repeats sorts exactly as comparing the entries pair by pair does, keeping equal ones in
    // their order.
    void alphabeticalOrderAsPairwise()
    {
        const QStringList syllables = {u"ma"_s, u"Mä"_s, u"ße"_s, u"sse"_s, u"to"_s, u"Tö"_s,
                                       u"ni"_s, u"ü"_s,  u"ue"_s, u"A"_s,   u"ä"_s,  u""_s};
        QRandomGenerator random(4711);
        QStringList entries;
        for (int i = 0; i < 5000; ++i) {
            QString entry;
            for (int s = random.bounded(4); s >= 0; --s) {
                entry += syllables[random.bounded(int(syllables.size()))];
                if (random.bounded(3) == 0)
                    entry += u'-';
            }
            entries << entry;
        }
        const AlphabeticalOrder order(QLocale(u"de"_s));
        QStringList pairwise = entries;
        std::stable_sort(pairwise.begin(), pairwise.end(),
                         [&](const QString &a, const QString &b) { return order.lessThan(a, b); });
        order.sort(entries);
        QCOMPARE(entries, pairwise);
    }

    // A load in the mode "nach A B C" reuses the order of the last one only while the file's
    // bytes, the letters and the locale are the same: an order kept for other bytes of the
    // same length, other letters giving as many entries, or another locale would be wrong.
    void sortedOrderReuse_data()
    {
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<QByteArray>("second");
        QTest::addColumn<QString>("letters"); // first|second
        QTest::addColumn<QString>("locales"); // first|second
        QTest::addColumn<QString>("queue");   // after the second load
        QTest::addRow("same file") << "ba\r\nab"_ba
                                   << "ba\r\nab"_ba << u"ab|ab"_s << u"de|de"_s << u"ab,ba"_s;
        QTest::addRow("same length, other bytes")
            << "ba\r\nab"_ba
            << "ab\r\nba"_ba << u"ab|ab"_s << u"de|de"_s << u"ab,ba"_s;
        QTest::addRow("other letters, as many entries")
            << "c\r\na\r\nd"_ba
            << "c\r\na\r\nd"_ba << u"ac|ad"_s << u"de|de"_s << u"a,d"_s;
        QTest::addRow("other locale") << "\xE4\r\nz"_ba
                                      << "\xE4\r\nz"_ba << u"äz|äz"_s << u"de|sv"_s << u"z,ä"_s;
    }

    void sortedOrderReuse()
    {
        QFETCH(QByteArray, first);
        QFETCH(QByteArray, second);
        QFETCH(QString, letters);
        QFETCH(QString, locales);
        QFETCH(QString, queue);
        const QLocale before;
        const auto restore = qScopeGuard([&] { QLocale::setDefault(before); });

        Session s(first, letters.section(u'|', 0, 0));
        QLocale::setDefault(QLocale(locales.section(u'|', 0, 0)));
        s.practice.loadWordList();
        s.place(second);
        s.practice.setLetterSequence(letters.section(u'|', 1, 1));
        QLocale::setDefault(QLocale(locales.section(u'|', 1, 1)));
        s.practice.loadWordList();
        QCOMPARE(s.practice.queue().join(u','), queue);
    }

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

    // The ends of the palette, the refusal of any other index, the swatch cycle through 0..13.
    void palette()
    {
        QCOMPARE(SyllablePalette::paletteColour(0), (RgbColour{0, 0, 0}));
        QCOMPARE(SyllablePalette::paletteColour(15), (RgbColour{255, 255, 255}));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, SyllablePalette::paletteColour(-1));
        QCOMPARE(SyllablePalette::nextSwatchIndex(12), 13);
        QCOMPARE(SyllablePalette::nextSwatchIndex(13), 0);
        QCOMPARE(SyllablePalette::nextSwatchIndex(15), 0);
    }

    // Each switch starts a new pass; the empty line is an entry; only "nach A B C" sorts.
    void orderModeCycle()
    {
        Session s("so\r\n\r\nab\r\nrot", u"abrost"_s);
        QCOMPARE(s.shown(), u"|0 Wörter"_s);
        QCOMPARE(s.show(3), u"| 3 Wörter,ab| 2 Wörter,rot| 1 Wort"_s);
        s.practice.switchOrderMode();
        QCOMPARE(s.practice.orderModeCaption() + s.shown(), u"nach Reiheso| 3 Wörter"_s);
        s.practice.switchOrderMode();
        QCOMPARE(s.practice.orderModeCaption(), u"nach Zufall"_s);
        s.practice.switchOrderMode();
        QCOMPARE(s.practice.orderModeCaption() + s.shown(), u"nach A B C| 3 Wörter"_s);
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

    // A chosen file shows its first word at once; a new letter sequence ("" is "abc") does not.
    void newFileOrLetters()
    {
        Session s("so\r\nab\r\nrot", u"aberost"_s);
        QVERIFY(writeFile(s.dir.filePath(u"tiere.txt"_s), "Ra-be\r\nBar"));
        QCOMPARE(s.show(1), u"ab| 2 Wörter"_s);
        s.practice.chooseWordListFile(u"tiere.txt"_s);
        QCOMPARE(s.practice.wordListFileName() + s.shown(), u"TIERE.TXTBar| 1 Wort"_s);
        QCOMPARE(s.practice.queue(), QStringList{u"Ra-be"_s});
        s.practice.enterLetterSequence({});
        QCOMPARE(s.practice.letterSequence() + s.shown(), u"abcBar| 1 Wort"_s);
        QCOMPARE(s.practice.queue(), QStringList());
    }

    // Lists picked by mistake: what passes is shown, else the display stays; a missing list is
    // named until one (in any letter case) is back.
    void faultyList_data()
    {
        QTest::addColumn<QByteArray>("list"); // null: none; "/": a folder of that name
        QTest::addColumn<QString>("shown");
        QTest::addRow("no entry passes") << "Haus"_ba << u"so| 0 Wörter"_s;
        QTest::addRow("missing") << QByteArray() << u"so| 0 Wörter"_s;
        QTest::addRow("folder named like the list") << "/"_ba << u"so| 0 Wörter"_s;
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
        QCOMPARE(s.practice.wordListError().contains(u"SILBEN.TXT"_s),
                 list.isNull() || list == "/");
        s.place("so", u"silben.txt"_s);
        s.practice.switchOrderMode(); // a new pass from the list
        QCOMPARE(s.shown() + s.practice.wordListError(), u"so| 0 Wörter"_s);
    }

    // 100,000 words, a third in each order mode; each pass of 80 entries ends in a refill.
    void hundredThousandWords()
    {
        Session s(QByteArray("Wort\r\n\r\n").repeated(40), u"wort"_s);
        for (int mode = 0; mode < 3; ++mode) {
            s.practice.switchOrderMode();
            for (int i = 1; i < 33334; ++i) {
                QVERIFY(s.practice.showNextWord());
                QCOMPARE(s.practice.queue().size(), qsizetype(79 - i % 80));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestWordPractice)
#include "tst_wordpractice.moc"
