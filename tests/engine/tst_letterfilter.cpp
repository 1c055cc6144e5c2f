// SPDX-License-Identifier: GPL-3.0-or-later
#include "letterfilter.h"

#include <QTest>

using namespace Qt::StringLiterals;
using Lines = QStringList;

// Which entries of a line reach the queue for a letter sequence.
class TestLetterFilter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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

    // With sound units: a word passes as the units and letters the child knows.
    void soundUnits_data()
    {
        QTest::addColumn<QString>("sequence");
        QTest::addColumn<QString>("line");
        QTest::addColumn<Lines>("queued");
        // A unit known or not
        QTest::addRow("Eis, ei unknown") << u"e,i,s"_s << u"Eis"_s << Lines{};
        QTest::addRow("Eis, ei known") << u"ei,s"_s << u"Eis"_s << Lines{"Eis"};
        QTest::addRow("Leim") << u"l,ei,m"_s << u"Leim"_s << Lines{"Leim"};
        QTest::addRow("Tier, ie unknown") << u"t,i,e,r"_s << u"Tier"_s << Lines{};
        QTest::addRow("Tier, ie known") << u"t,ie,r"_s << u"Tier"_s << Lines{"Tier"};
        QTest::addRow("Heu") << u"h,eu"_s << u"Heu"_s << Lines{"Heu"};
        QTest::addRow("Häu-ser, äu known") << u"h,äu,s,e,r"_s << u"Häu-ser"_s << Lines{"Häu-ser"};
        QTest::addRow("Häu-ser, au is not äu") << u"h,au,ä,s,e,r"_s << u"Häu-ser"_s << Lines{};
        QTest::addRow("Zaun") << u"z,au,n"_s << u"Zaun"_s << Lines{"Zaun"};
        QTest::addRow("decomposed äu") << u"h,äu,s"_s << u"Ha\u0308us"_s << Lines{"Ha\u0308us"};
        // The longest unit
        QTest::addRow("Schal, sch") << u"sch,a,l"_s << u"Schal"_s << Lines{"Schal"};
        QTest::addRow("Schal, only ch") << u"s,ch,a,l"_s << u"Schal"_s << Lines{};
        QTest::addRow("Fuchs, chs") << u"f,u,chs"_s << u"Fuchs"_s << Lines{"Fuchs"};
        QTest::addRow("Fuchs, only ch") << u"f,u,ch,s"_s << u"Fuchs"_s << Lines{};
        QTest::addRow("Dach") << u"d,a,ch"_s << u"Dach"_s << Lines{"Dach"};
        QTest::addRow("sechs") << u"s,e,chs"_s << u"sechs"_s << Lines{"sechs"};
        // sp and st at a syllable's start only
        QTest::addRow("Stein, st unknown") << u"s,t,ei,n"_s << u"Stein"_s << Lines{};
        QTest::addRow("Stein, st known") << u"st,ei,n"_s << u"Stein"_s << Lines{"Stein"};
        QTest::addRow("Spiel") << u"sp,ie,l"_s << u"Spiel"_s << Lines{"Spiel"};
        QTest::addRow("Fens-ter") << u"f,e,n,s,t,r"_s << u"Fens-ter"_s << Lines{"Fens-ter"};
        QTest::addRow("Fenster") << u"f,e,n,s,t,r"_s << u"Fenster"_s << Lines{"Fenster"};
        QTest::addRow("Wurst") << u"w,u,r,s,t"_s << u"Wurst"_s << Lines{"Wurst"};
        QTest::addRow("Ver-stand, st unknown") << u"v,e,r,s,t,a,n,d"_s << u"Ver-stand"_s << Lines{};
        QTest::addRow("Ver-stand") << u"v,e,r,st,a,n,d"_s << u"Ver-stand"_s << Lines{"Ver-stand"};
        // No unit spans a hyphen
        QTest::addRow("Häus-chen") << u"h,äu,s,ch,e,n"_s << u"Häus-chen"_s << Lines{"Häus-chen"};
        QTest::addRow("Häuschen needs sch") << u"h,äu,s,ch,e,n"_s << u"Häuschen"_s << Lines{};
        QTest::addRow("Häuschen") << u"h,äu,sch,e,n"_s << u"Häuschen"_s << Lines{"Häuschen"};
        // Letter case of the unit, in the word and in the sequence
        QTest::addRow("EI") << u"ei"_s << u"EI"_s << Lines{"EI"};
        QTest::addRow("unit named in capitals") << u"SCH,a,l"_s << u"schal"_s << Lines{"schal"};
        QTest::addRow("unit named with blanks") << u"s c h,a,l"_s << u"Schal"_s << Lines{"Schal"};
        // Units and letters stand on their own
        QTest::addRow("ei is not e") << u"ei,s"_s << u"es"_s << Lines{};
        QTest::addRow("s c h is not sch") << u"s,c,h,a,l"_s << u"Schal"_s << Lines{};
        QTest::addRow("letters without commas") << u"mailosch"_s << u"Schal"_s << Lines{};
        // The piece test as read, the line test upper-cased
        QTest::addRow("words as read") << u"EI,S"_s << u"Eis EIS"_s << Lines{"EIS"};
        QTest::addRow("blank in the sequence")
            << u"ei,s, "_s << u"Eis eis"_s << Lines{"Eis", "eis", "Eis eis"};
        QTest::addRow("st after a blank")
            << u"st,a,r,i,n, "_s << u"in Star"_s << Lines{"in", "Star", "in Star"};
        QTest::addRow("digits and marks") << u"ei"_s << u"Ei, 2!"_s << Lines{"Ei,", "2!"};
    }

    void soundUnits()
    {
        QFETCH(QString, sequence);
        QFETCH(QString, line);
        QFETCH(Lines, queued);
        QStringList queue;
        LetterFilter(sequence, {.soundUnits = true}).appendPassing(line, queue);
        QCOMPARE(queue, queued);
    }

    // Sight words pass whatever the letters; in a line with blanks each word by either rule.
    void sightWords_data()
    {
        QTest::addColumn<QString>("sequence");
        QTest::addColumn<bool>("soundUnits");
        QTest::addColumn<Lines>("sightWords");
        QTest::addColumn<QString>("line");
        QTest::addColumn<Lines>("queued");
        const Lines und{"und"};
        QTest::addRow("marks at the edges") << u"a"_s << false << und << u"Und,"_s << Lines{"Und,"};
        QTest::addRow("a mark inside") << u"a"_s << false << und << u"u,nd"_s << Lines{};
        QTest::addRow("typed with a mark")
            << u"a"_s << false << Lines{"Und!"} << u"und"_s << Lines{"und"};
        QTest::addRow("hyphens") << u"a"_s << false << Lines{"Ro-se"} << u"Ro-se"_s
                                 << Lines{"Ro-se"};
        QTest::addRow("ß stays ß")
            << u"a"_s << false << Lines{"Straße"} << u"STRAßE STRASSE"_s << Lines{"STRAßE"};
        QTest::addRow("decomposed")
            << u"a"_s << false << Lines{"Bär"} << u"Ba\u0308r"_s << Lines{"Ba\u0308r"};
        QTest::addRow("letters as before") << u"ab"_s << false << und << u"ab"_s << Lines{"ab"};
        QTest::addRow("over the units")
            << u"m"_s << true << Lines{"Eis"} << u"Eis"_s << Lines{"Eis"};
        QTest::addRow("line, no blank in the sequence")
            << u"a"_s << false << Lines{"und", "der"} << u"und a der"_s << Lines{"und", "a", "der"};
        QTest::addRow("line, blank in the sequence")
            << u"a "_s << false << Lines{"und", "der"} << u"und a der"_s
            << Lines{"und", "a", "der", "und a der"};
        QTest::addRow("line, a word fails")
            << u"a "_s << false << und << u"und a die"_s << Lines{"und", "a"};
    }

    void sightWords()
    {
        QFETCH(QString, sequence);
        QFETCH(bool, soundUnits);
        QFETCH(Lines, sightWords);
        QFETCH(QString, line);
        QFETCH(Lines, queued);
        QStringList queue;
        LetterFilter(sequence, {soundUnits, sightWords}).appendPassing(line, queue);
        QCOMPARE(queue, queued);
    }
};

QTEST_APPLESS_MAIN(TestLetterFilter)
#include "tst_letterfilter.moc"
