#include "settingsfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace Qt::StringLiterals;
using Outcome = SettingsFile::Outcome;
using ReadResult = SettingsFile::ReadResult;

char *toString(const ReadResult &r)
{
    return QTest::toString(u"%1|%2|%3|%4|%5|%6"_s.arg(int(r.outcome))
                               .arg(r.letterSequence)
                               .arg(r.firstColourIndex)
                               .arg(r.secondColourIndex)
                               .arg(r.fontSize.value_or(-1))
                               .arg(r.fontName));
}

namespace {

template <std::size_t N> QByteArray raw(const char (&literal)[N]) // keeps NUL bytes
{
    return QByteArray(literal, N - 1);
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray lines(const QByteArray &first, const QByteArray &second, const QByteArray &size)
{
    return "abc\r\n" + first + "\r\n" + second + "\r\n" + size + "\r\nArial\r\n";
}

ReadResult complete(const QString &sequence, int first, int second, int size)
{
    return {Outcome::Complete, sequence, first, second, size, u"Arial"_s};
}

const ReadResult unusable{Outcome::FileUnusable, u"abc"_s, 5, 7, std::nullopt, u"Lateinaus"_s};
const ReadResult rejected{Outcome::ValueRejected, u"abc"_s, 5, 7, std::nullopt, u"Lateinaus"_s};

void add(const char *name, const QByteArray &bytes, const ReadResult &expected)
{
    QTest::addRow("%s", name) << bytes << expected;
}

} // namespace

class TestSettingsFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void read_data();
    void read();
    void writeAndReadBack_data();
    void writeAndReadBack();
    void failedWriteReportsReasonAndChangesNothing();
    void previousFileStaysWholeWhenDiskIsFull();

private:
    std::optional<QTemporaryDir> m_folder;
    QString m_path;
};

void TestSettingsFile::init()
{
    m_folder.emplace();
    QVERIFY(m_folder->isValid());
    m_path = m_folder->filePath(u"silben.ini"_s);
}

// No bytes: no file; "<folder>": a folder of that name.
void TestSettingsFile::read_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<ReadResult>("expected");

    add("as written", lines(" 5 ", " 7 ", " 48 "), complete(u"abc"_s, 5, 7, 48));
    add("CR ends, last unended", "abc\r1\r2\r30\rArial", complete(u"abc"_s, 1, 2, 30));
    add("after fifth ignored", lines("14", "15", "18") + raw("x\xff\0"),
        complete(u"abc"_s, 14, 15, 18));
    add("empty fields are 0", lines("", "   ", "48"), complete(u"abc"_s, 0, 0, 48));
    add("half to even", lines("2.5", "+3.5", "200.5"), complete(u"abc"_s, 2, 4, 200));
    add("short sequence", "ab\r-0.4\r2\r18.4999\rArial", complete(u"abc"_s, 0, 2, 18));
    add("hand-edited kept", "Ab C\r5\r7\r48\rArial", complete(u"Ab C"_s, 5, 7, 48));
    add("windows-1252", "\xe4\xf6\xdf\r5\r7\r48\rArial", complete(u"äöß"_s, 5, 7, 48));
    add("utf-8", "\xc5\x82\xc3\xb3\xf0\x9f\x98\x80\r5\r7\r48\rArial", complete(u"łó😀"_s, 5, 7, 48));

    add("missing file", QByteArray(), unusable);
    add("folder", "<folder>", unusable);
    add("four lines", "abc\r\n5\r\n7\r\n48\r\n", unusable);
    add("LF only", "abc\n5\n7\n48\nArial\n", unusable);
    add("NUL bytes", QByteArray(4096, '\0'), unusable);
    add("50 MB, no line end", QByteArray(50 << 20, 'a'), unusable);

    add("16 in line 2", lines("16", "7", "48"), rejected);
    add("decimal comma", lines("2,5", "7", "48"), rejected);
    add("nan", lines("5", "nan", "48"), rejected);
    add("hexadecimal", lines("0x10", "7", "48"), rejected);
    add("exponent", lines("5", "7", "1e2"), rejected);
    add("wraps to 5 in 32 bits", lines("4294967301", "7", "48"), rejected);
    add("400 digits", lines(QByteArray(400, '9'), "7", "48"), rejected);
    add("size 17", lines("5", "7", "17"), rejected);
    add("size 200.51", lines("5", "7", "200.51"), rejected);
    ReadResult keepsLine1 = rejected;
    keepsLine1.letterSequence = u"xyz"_s;
    add("NUL in a field", raw("xyz\r5\0\r7\r48\rArial"), keepsLine1);
}

void TestSettingsFile::read()
{
    QFETCH(QByteArray, bytes);
    QFETCH(ReadResult, expected);
    if (bytes == "<folder>")
        QVERIFY(QDir(m_folder->path()).mkdir(u"silben.ini"_s));
    else if (!bytes.isNull())
        QVERIFY(writeBytes(m_path, bytes));
    QCOMPARE(SettingsFile::read(m_path), expected);
}

// The letter sequence as the window shows it, the file's first line, and what reads back.
void TestSettingsFile::writeAndReadBack_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QByteArray>("firstLine");
    QTest::addColumn<QString>("readBack");

    QTest::addRow("plain") << u"abc"_s << QByteArray("abc") << u"abc"_s;
    QTest::addRow("blanks, capitals") << u"Ab C d"_s << QByteArray("abcd") << u"abcd"_s;
    QTest::addRow("only blanks") << u"   "_s << QByteArray() << u"abc"_s;
    QTest::addRow("umlauts, ß, tab") << u"ÄÖß\t"_s << QByteArray("\xe4\xf6\xdf\t") << u"äöß\t"_s;
    QTest::addRow("beyond windows-1252")
        << u"Łaş😀"_s << QByteArray("\xef\xbb\xbf\xc5\x82\x61\xc5\x9f\xf0\x9f\x98\x80") << u"łaş😀"_s;
    QTest::addRow("windows-1252 bytes valid as utf-8")
        << u"ã¤¼"_s << QByteArray("\xef\xbb\xbf\xc3\xa3\xc2\xa4\xc2\xbc") << u"ã¤¼"_s;
}

void TestSettingsFile::writeAndReadBack()
{
    QFETCH(QString, caption);
    QFETCH(QByteArray, firstLine);
    QFETCH(QString, readBack);
    const Settings settings{SettingsFile::tidyLetterSequence(caption), 5, 7, 48, u"Arial"_s};
    const SettingsFile::WriteResult result = SettingsFile::write(m_path, settings);
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(fileBytes(m_path), firstLine + QByteArray::fromHex("0D0A2035200D0A2037200D0A2034"
                                                                "38200D0A417269616C0D0A"));
    QCOMPARE(SettingsFile::read(m_path), complete(readBack, 5, 7, 48));
}

void TestSettingsFile::failedWriteReportsReasonAndChangesNothing()
{
    QVERIFY(QDir(m_folder->path()).mkdir(u"silben.ini"_s));
    const QString plainFile = m_folder->filePath(u"plain"_s);
    QVERIFY(writeBytes(plainFile, "keep"));

    for (const QString &path : {m_path, plainFile + u"/silben.ini"_s}) {
        const SettingsFile::WriteResult result =
            SettingsFile::write(path, {u"abc"_s, 5, 7, 48, {}});
        QVERIFY(!result.ok);
        QVERIFY(!result.error.isEmpty());
    }
    QVERIFY(QDir(m_path).isEmpty());
    QCOMPARE(fileBytes(plainFile), QByteArray("keep"));
    QCOMPARE(QDir(m_folder->path()).count(), qsizetype(4)); // ., .., silben.ini, plain
}

// A write that runs out of space part-way (here: a file size limit) must leave the old file.
// Buffered, the failure only showed when commit() flushed, and commit() then replaced the old
// file with the truncated one and reported success.
void TestSettingsFile::previousFileStaysWholeWhenDiskIsFull()
{
    QVERIFY(SettingsFile::write(m_path, {u"mamuli"_s, 1, 2, 30, u"Arial"_s}).ok);
    const QByteArray oldBytes = fileBytes(m_path);

    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = saved;
    tiny.rlim_cur = 8;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    const auto result = SettingsFile::write(m_path, {u"abcdefgh"_s, 3, 4, 50, u"Courier"_s});
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    QVERIFY(!result.ok);
    QVERIFY(!result.error.isEmpty());
    QCOMPARE(fileBytes(m_path), oldBytes);
}

QTEST_APPLESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
