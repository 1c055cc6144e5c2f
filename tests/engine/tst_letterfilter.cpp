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
};

QTEST_APPLESS_MAIN(TestLetterFilter)
#include "tst_letterfilter.moc"
