// SPDX-License-Identifier: GPL-3.0-or-later
#include "letterfilter.h"

#include <QTest>

using namespace Qt::StringLiterals;
using Lines = QStringList;
using Rules = LetterFilter::Rules;

// Which entries of a line reach the queue for a letter sequence.
class TestLetterFilter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void appendPassing_data()
    {
        QTest::addColumn<QString>("sequence");
        QTest::addColumn<Rules>("rules");
        QTest::addColumn<QString>("line");
        QTest::addColumn<Lines>("queued");
        const auto add = [](const char *name, const QString &sequence, const QString &line,
                            const Lines &queued, const Rules &rules = {}) {
            QTest::newRow(name) << sequence << rules << line << queued;
        };
        // Words pass as read, the whole line upper-cased.
        add("words, not line", u"rose"_s, u"Ro-se Rot"_s, {"Ro-se"});
        add("blank: line too", u"s o"_s, u"So o"_s, {"So", "o", "So o"});
        add("empty words skipped", u"so"_s, u" so  os "_s, {"so", "os"});
        add("line test ignores case", u"ABC"_s, u"cab"_s, {"cab"});
        add("word test keeps case", u"ABC"_s, u"cab abc"_s, {});
        add("ß is not SS", u"fuß"_s, u"Fuß FUSS"_s, {"Fuß"});
        add("upper umlaut", u"äpfel"_s, u"Äp-fel"_s, {"Äp-fel"});
        add("digits, marks", u"x"_s, u"1, 2, 3!"_s, {"1,", "2,", "3!"});
        add("tab is a character", u"rose"_s, u"ro\tse so"_s, {"so"});
        add("empty line", u"rose"_s, u""_s, {""});
        add("mark not allowed by base", u"uber"_s, u"u\u0308ber"_s, {});
        add("decomposed whole", u"u\u0308"_s, u"U\u0308"_s, {"U\u0308"});
        add("pair looked up whole", u"a😀"_s, u"a😁"_s, {});
        add("pair passes", u"a😀"_s, u"😀a"_s, {"😀a"});
        // Regression: the upper-cased copy's leading mark belongs to the sequence's last letter.
        add("sets joined", u"\u0308u"_s, u"u U"_s, {"U"});

        // With sound units a word passes as the units and letters the child knows: a unit
        // known or not, the longest unit, sp and st at a syllable's start only, no unit across
        // a hyphen, units and letters on their own.
        const Rules units{.soundUnits = true};
        add("Eis, ei unknown", u"e,i,s"_s, u"Eis"_s, {}, units);
        add("Eis, ei known", u"ei,s"_s, u"Eis"_s, {"Eis"}, units);
        add("Tier, ie known", u"t,ie,r"_s, u"Tier"_s, {"Tier"}, units);
        add("Häu-ser, äu known", u"h,äu,s,e,r"_s, u"Häu-ser"_s, {"Häu-ser"}, units);
        add("Häu-ser, au is not äu", u"h,au,ä,s,e,r"_s, u"Häu-ser"_s, {}, units);
        add("decomposed äu", u"h,äu,s"_s, u"Ha\u0308us"_s, {"Ha\u0308us"}, units);
        add("Schal, sch", u"sch,a,l"_s, u"Schal"_s, {"Schal"}, units);
        add("Schal, only ch", u"s,ch,a,l"_s, u"Schal"_s, {}, units);
        add("Fuchs, chs", u"f,u,chs"_s, u"Fuchs"_s, {"Fuchs"}, units);
        add("Fuchs, only ch", u"f,u,ch,s"_s, u"Fuchs"_s, {}, units);
        add("Stein, st unknown", u"s,t,ei,n"_s, u"Stein"_s, {}, units);
        add("Stein, st known", u"st,ei,n"_s, u"Stein"_s, {"Stein"}, units);
        add("Spiel", u"sp,ie,l"_s, u"Spiel"_s, {"Spiel"}, units);
        add("Fens-ter", u"f,e,n,s,t,r"_s, u"Fens-ter"_s, {"Fens-ter"}, units);
        add("Fenster", u"f,e,n,s,t,r"_s, u"Fenster"_s, {"Fenster"}, units);
        add("Wurst", u"w,u,r,s,t"_s, u"Wurst"_s, {"Wurst"}, units);
        add("Ver-stand", u"v,e,r,st,a,n,d"_s, u"Ver-stand"_s, {"Ver-stand"}, units);
        add("Häus-chen", u"h,äu,s,ch,e,n"_s, u"Häus-chen"_s, {"Häus-chen"}, units);
        add("Häuschen needs sch", u"h,äu,s,ch,e,n"_s, u"Häuschen"_s, {}, units);
        add("Häuschen", u"h,äu,sch,e,n"_s, u"Häuschen"_s, {"Häuschen"}, units);
        add("EI", u"ei"_s, u"EI"_s, {"EI"}, units);
        add("unit named in capitals", u"SCH,a,l"_s, u"schal"_s, {"schal"}, units);
        add("unit named with blanks", u"s c h,a,l"_s, u"Schal"_s, {"Schal"}, units);
        add("ei is not e", u"ei,s"_s, u"es"_s, {}, units);
        add("letters without commas", u"mailosch"_s, u"Schal"_s, {}, units);
        // The piece test as read, the line test upper-cased.
        add("units: words as read", u"EI,S"_s, u"Eis EIS"_s, {"EIS"}, units);
        add("units: blank in the sequence", u"ei,s, "_s, u"Eis eis"_s, {"Eis", "eis", "Eis eis"},
            units);
        add("st after a blank", u"st,a,r,i,n, "_s, u"in Star"_s, {"in", "Star", "in Star"}, units);
        add("units: digits and marks", u"ei"_s, u"Ei, 2!"_s, {"Ei,", "2!"}, units);

        // Sight words pass whatever the letters; in a line with blanks each word by either rule.
        const Rules und{.sightWords = {"und"}}, undDer{.sightWords = {"und", "der"}};
        add("marks at the edges", u"a"_s, u"Und,"_s, {"Und,"}, und);
        add("a mark inside", u"a"_s, u"u,nd"_s, {}, und);
        add("typed with a mark", u"a"_s, u"und"_s, {"und"}, {.sightWords = {"Und!"}});
        add("hyphens", u"a"_s, u"Ro-se"_s, {"Ro-se"}, {.sightWords = {"Ro-se"}});
        add("ß stays ß", u"a"_s, u"STRAßE STRASSE"_s, {"STRAßE"}, {.sightWords = {"Straße"}});
        add("decomposed", u"a"_s, u"Ba\u0308r"_s, {"Ba\u0308r"}, {.sightWords = {"Bär"}});
        add("over the units", u"m"_s, u"Eis"_s, {"Eis"}, {true, {"Eis"}});
        add("line, no blank in the sequence", u"a"_s, u"und a der"_s, {"und", "a", "der"}, undDer);
        add("line, blank in the sequence", u"a "_s, u"und a der"_s,
            {"und", "a", "der", "und a der"}, undDer);
        add("line, a word fails", u"a "_s, u"und a die"_s, {"und", "a"}, und);
    }

    void appendPassing()
    {
        QFETCH(QString, sequence);
        QFETCH(Rules, rules);
        QFETCH(QString, line);
        QFETCH(Lines, queued);
        QStringList queue;
        LetterFilter(sequence, rules).appendPassing(line, queue);
        QCOMPARE(queue, queued);
    }
};

QTEST_APPLESS_MAIN(TestLetterFilter)
#include "tst_letterfilter.moc"
