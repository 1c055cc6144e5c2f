#include "letterfilter.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestLetterFilter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void appendPassing_data();
    void appendPassing();
};

void TestLetterFilter::appendPassing_data()
{
    QTest::addColumn<QString>("sequence");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("queued");

    QTest::addRow("syllables pass") << u"rose"_s << u"Ro-se"_s << QStringList{"Ro-se"};
    QTest::addRow("marks pass") << u"rose"_s << u"Rose!"_s << QStringList{"Rose!"};
    QTest::addRow("unknown letter fails") << u"rose"_s << u"Ro-sen"_s << QStringList{};
    QTest::addRow("words of a line, not the line")
        << u"rose"_s << u"Ro-se so"_s << QStringList{"Ro-se", "so"};
    QTest::addRow("blank in sequence queues the line after its words")
        << u"ro se"_s << u"Ro-se so"_s << QStringList{"Ro-se", "so", "Ro-se so"};
    QTest::addRow("empty words never queued")
        << u"rose"_s << u" so  Ro-se "_s << QStringList{"so", "Ro-se"};
    QTest::addRow("line test ignores case") << u"ABC"_s << u"cab"_s << QStringList{"cab"};
    QTest::addRow("word test keeps case") << u"ABC"_s << u"cab abc"_s << QStringList{};
    QTest::addRow("sharp s stays sharp s") << u"fuß"_s << u"Fuß"_s << QStringList{"Fuß"};
    QTest::addRow("sharp s is not SS") << u"fuß"_s << u"FUSS"_s << QStringList{};
    QTest::addRow("upper umlaut from lower sequence")
        << u"äpfel"_s << u"Äp-fel"_s << QStringList{"Äp-fel"};
    QTest::addRow("digits and marks always pass")
        << u"x"_s << u"1, 2, 3!"_s << QStringList{"1,", "2,", "3!"};
    QTest::addRow("tab is an ordinary character")
        << u"rose"_s << u"ro\tse so"_s << QStringList{"so"};
    QTest::addRow("empty line is an entry") << u"rose"_s << u""_s << QStringList{""};
    QTest::addRow("LF inside a line") << u"rose"_s << u"so\nRo-se so"_s << QStringList{"so"};
    QTest::addRow("combining mark is not allowed by its base")
        << u"uber"_s << u"u\u0308ber"_s << QStringList{};
    QTest::addRow("decomposed letter allowed as a whole")
        << u"u\u0308ber"_s << u"U\u0308ber"_s << QStringList{"U\u0308ber"};
    QTest::addRow("base letter alone not allowed by its combined form")
        << u"e\u0301"_s << u"e"_s << QStringList{};
    QTest::addRow("surrogate pair looked up whole")
        << u"a\U0001F600"_s << u"a\U0001F601"_s << QStringList{};
    QTest::addRow("surrogate pair passes")
        << u"a\U0001F600"_s << u"a\U0001F600a"_s << QStringList{u"a\U0001F600a"_s};
}

void TestLetterFilter::appendPassing()
{
    QFETCH(QString, sequence);
    QFETCH(QString, line);
    QFETCH(QStringList, queued);

    QStringList queue;
    LetterFilter(sequence).appendPassing(line, queue);
    QCOMPARE(queue, queued);
}

QTEST_APPLESS_MAIN(TestLetterFilter)
#include "tst_letterfilter.moc"
