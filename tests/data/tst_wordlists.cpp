#include "letterfilter.h"
#include "textcodec.h"
#include "wordlistfile.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QTest>

using namespace Qt::StringLiterals;

// Checks the word lists and the settings file that ship with the program: the files a teacher
// gets on the first start must read the same on Windows and here, and give words from the
// first week of letters on.
class TestWordLists : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void fileFormat_data() { addListRows(); }
    void fileFormat();
    void entries_data() { addListRows(); }
    void entries();
    void defaultListIsGraded_data();
    void defaultListIsGraded();
    void settingsStartHasExactBytes();
    void settingsStartLetsWholeDefaultListPass();

private:
    void addListRows();
    static QByteArray readBytes(const QString &name);
    static QStringList readLines(const QString &name);

    QStringList m_lists;
};

namespace {

const QString dataDir = QStringLiteral(TRABELO_DATA_DIR);

// Marks that may stand at the end of a word or syllable: "Mi-mi malt ein Bild."
const QRegularExpression punctuation(QStringLiteral("[.,!?:;]"));
const QRegularExpression syllableSeparator(QStringLiteral("[- ]"));

bool hasVowel(QStringView syllable)
{
    static const QString vowels = QStringLiteral("aeiouäöüyAEIOUÄÖÜY");
    for (const QChar c : syllable) {
        if (vowels.contains(c))
            return true;
    }
    return false;
}

// The position of the first line end that is not CR LF, or -1.
qsizetype firstBareLineEnd(const QByteArray &bytes)
{
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const bool lfAlone = bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r');
        const bool crAlone = bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n');
        if (lfAlone || crAlone)
            return i;
    }
    return -1;
}

} // namespace

void TestWordLists::initTestCase()
{
    m_lists = QDir(dataDir).entryList({u"*.TXT"_s}, QDir::Files, QDir::Name);
    QVERIFY2(m_lists.contains(u"SILBEN.TXT"_s), qPrintable(dataDir));
    QVERIFY2(m_lists.size() >= 4, "the default list and at least three themed lists");
}

void TestWordLists::addListRows()
{
    QTest::addColumn<QString>("name");
    for (const QString &name : std::as_const(m_lists))
        QTest::addRow("%s", qPrintable(name)) << name;
}

QByteArray TestWordLists::readBytes(const QString &name)
{
    QFile file(QDir(dataDir).filePath(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot open %s", qPrintable(file.fileName()));
    return file.readAll();
}

QStringList TestWordLists::readLines(const QString &name)
{
    const WordListFile::Result result = WordListFile::read(QDir(dataDir), name);
    if (result.status != WordListFile::Status::Read)
        qFatal("cannot read %s: %s", qPrintable(name), qPrintable(result.message));
    return result.lines;
}

void TestWordLists::fileFormat()
{
    QFETCH(QString, name);
    const QByteArray bytes = readBytes(name);
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(firstBareLineEnd(bytes), -1);

    // A list saved as UTF-8 would show its umlauts as two odd letters on Windows.
    QStringDecoder windows1252("windows-1252", QStringDecoder::Flag::Stateless);
    const QString asWindows1252 = windows1252.decode(bytes);
    QVERIFY(!windows1252.hasError());
    QCOMPARE(TextCodec::decode(bytes), asWindows1252);

    const QStringList lines = TextCodec::splitLines(asWindows1252);
    for (const QString &line : lines) {
        QVERIFY2(!line.isEmpty(), "empty line");
        QVERIFY2(line == line.trimmed(), qPrintable(u"blank at either end: \"%1\""_s.arg(line)));
        QVERIFY2(!line.contains(u"--"_s), qPrintable(line));
        QVERIFY2(!line.contains(u"  "_s), qPrintable(line));
        for (const QChar c : line)
            QVERIFY2(c.isPrint(), qPrintable(u"control character in \"%1\""_s.arg(line)));
    }
}

void TestWordLists::entries()
{
    QFETCH(QString, name);
    const QStringList lines = readLines(name);
    QVERIFY(!lines.isEmpty());

    QSet<QString> seen;
    for (const QString &line : lines) {
        QVERIFY2(!seen.contains(line), qPrintable(u"repeated: \"%1\""_s.arg(line)));
        seen.insert(line);
        for (QString syllable : line.split(syllableSeparator)) {
            syllable.remove(punctuation);
            QVERIFY2(hasVowel(syllable),
                     qPrintable(u"syllable \"%1\" of \"%2\" has no vowel"_s.arg(syllable, line)));
        }
    }
}

void TestWordLists::defaultListIsGraded_data()
{
    QTest::addColumn<QString>("letterSequence");
    QTest::addColumn<int>("atLeast");

    QTest::addRow("first letters m a i") << u"mai"_s << 5;
    QTest::addRow("then l and o") << u"mailo"_s << 15;
    QTest::addRow("then s e n t r") << u"mailosentr"_s << 100;
}

void TestWordLists::defaultListIsGraded()
{
    QFETCH(QString, letterSequence);
    QFETCH(int, atLeast);

    const LetterFilter filter(letterSequence);
    QStringList queue;
    for (const QString &line : readLines(u"SILBEN.TXT"_s))
        filter.appendPassing(line, queue);
    QVERIFY2(queue.size() >= atLeast, qPrintable(QString::number(queue.size())));
}

void TestWordLists::settingsStartHasExactBytes()
{
    const QByteArray expected = "abcdefghijklmnopqrstuvwxyz\xE4\xF6\xFC\xDF\r\n"
                                " 9 \r\n"
                                " 12 \r\n"
                                " 48 \r\n"
                                "Arial\r\n";
    QCOMPARE(readBytes(u"silben.ini"_s), expected);
}

// With the letter sequence of the starting settings no entry of the default list is lost:
// a line of one word passes whole, a line of several words gives every word.
void TestWordLists::settingsStartLetsWholeDefaultListPass()
{
    const QString sequence =
        TextCodec::splitLines(TextCodec::decode(readBytes(u"silben.ini"_s))).value(0);
    QCOMPARE(sequence, u"abcdefghijklmnopqrstuvwxyzäöüß"_s);

    const LetterFilter filter(sequence);
    for (const QString &line : readLines(u"SILBEN.TXT"_s)) {
        QStringList queue;
        filter.appendPassing(line, queue);
        const QStringList expected =
            line.contains(u' ') ? line.split(u' ', Qt::SkipEmptyParts) : QStringList{line};
        QVERIFY2(queue == expected, qPrintable(u"\"%1\" loses words"_s.arg(line)));
    }
}

QTEST_GUILESS_MAIN(TestWordLists)
#include "tst_wordlists.moc"
