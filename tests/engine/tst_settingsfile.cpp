#include "settingsfile.h"
#include "wordlistfolder.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

namespace {

// What reading gave, as "outcome: sequence first second size font" (outcome 0 is complete).
QString summary(const SettingsFile::ReadResult &r)
{
    return u"%1: %2 %3 %4 %5 %6"_s.arg(int(r.outcome))
        .arg(r.letterSequence)
        .arg(r.firstColourIndex)
        .arg(r.secondColourIndex)
        .arg(r.fontSize ? QString::number(*r.fontSize) : u"-"_s, r.fontName);
}

void add(const char *name, const QByteArray &bytes, const char *expected)
{
    QTest::newRow(name) << bytes << QString::fromUtf8(expected);
}

const char *const unusable = "1: abc 5 7 - Lateinaus";
const char *const rejected = "2: abc 5 7 - Lateinaus";

} // namespace

class TestSettingsFile : public QObject
{
    Q_OBJECT

    std::optional<QTemporaryDir> m_folder;
    QString m_path;

private Q_SLOTS:
    void init()
    {
        m_folder.emplace();
        m_path = m_folder->filePath(u"silben.ini"_s);
    }

    // Null bytes: no file; "/": a folder of the file's name.
    void read_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected");
        add("as written", "abc\r\n 5 \r\n 7 \r\n 48 \r\nArial\r\n", "0: abc 5 7 48 Arial");
        add("CR ends, last unended", "abc\r1\r2\r30\rArial", "0: abc 1 2 30 Arial");
        add("after fifth ignored", "abc\r14\r15\r18\rArial\rx\xff\0"_ba, "0: abc 14 15 18 Arial");
        add("half to even", "abc\r2.5\r+3.5\r200.5\rArial", "0: abc 2 4 200 Arial");
        add("short sequence", "ab\r-0.4\r2\r18.4999\rArial", "0: abc 0 2 18 Arial");
        add("utf-8", "\xc5\x82\xc3\xb3\xf0\x9f\x98\x80\r5\r7\r48\rArial", "0: łó😀 5 7 48 Arial");
        add("missing file", QByteArray(), unusable);
        add("folder", "/", unusable);
        add("four lines", "abc\r\n5\r\n7\r\n48\r\n", unusable);
        add("50 MB without line ends", QByteArray(50 << 20, 'a'), unusable);
        add("16 in line 2", "abc\r16\r7\r48\rArial", rejected);
        add("decimal comma", "abc\r2,5\r7\r48\rArial", rejected);
        add("wraps to 7 in 32 bits", "abc\r5\r4294967303\r48\rArial", rejected);
        add("size 17", "abc\r5\r7\r17\rArial", rejected);
        add("size 200.51", "abc\r5\r7\r200.51\rArial", rejected);
        add("NUL in a field", "xyz\r5\0\r7\r48\rArial"_ba, "2: xyz 5 7 - Lateinaus");
    }

    void read()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        QVERIFY(bytes.isNull() || (bytes == "/" ? QDir().mkdir(m_path) : writeFile(m_path, bytes)));
        QCOMPARE(summary(SettingsFile::read(m_path)), expected);
    }

    // The letter sequence as the window shows it, the file's first line, and what reads back.
    void writeAndReadBack_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QByteArray>("firstLine");
        QTest::addColumn<QString>("readBack");
        QTest::addRow("plain") << u"abc"_s << "abc"_ba << u"abc"_s;
        QTest::addRow("blanks, capitals") << u"Ab C d"_s << "abcd"_ba << u"abcd"_s;
        QTest::addRow("only blanks") << u"   "_s << QByteArray() << u"abc"_s;
        QTest::addRow("ł") << u"Łaß"_s << "\xef\xbb\xbf\xc5\x82\x61\xc3\x9f"_ba << u"łaß"_s;
    }

    void writeAndReadBack()
    {
        QFETCH(QString, caption);
        QFETCH(QByteArray, firstLine);
        QFETCH(QString, readBack);
        const Settings settings{SettingsFile::tidyLetterSequence(caption), 5, 7, 48, u"Arial"_s};
        QVERIFY(SettingsFile::write(m_path, settings).ok);
        QCOMPARE(fileBytes(m_path), firstLine + "\r\n 5 \r\n 7 \r\n 48 \r\nArial\r\n");
        QCOMPARE(summary(SettingsFile::read(m_path)), u"0: %1 5 7 48 Arial"_s.arg(readBack));
    }

    // A folder in the file's place: the reason is given and nothing changes.
    void failedWriteChangesNothing()
    {
        QVERIFY(QDir(m_folder->path()).mkdir(u"silben.ini"_s));
        const auto result = SettingsFile::write(m_path, {u"abc"_s, 5, 7, 48, {}});
        QVERIFY(!result.ok && !result.error.isEmpty());
        QCOMPARE(QDir(m_folder->path()).count(), qsizetype(3)); // ., .., silben.ini
    }

    // Running out of space part-way (here: a file size limit) leaves the old file. Buffered, the
    // failure only showed in commit(), which then committed the truncated file as a success.
    void previousFileStaysWholeWhenDiskIsFull()
    {
        QVERIFY(SettingsFile::write(m_path, {u"mamuli"_s, 1, 2, 30, u"Arial"_s}).ok);
        const QByteArray oldBytes = fileBytes(m_path);
        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        const rlimit tiny{8, saved.rlim_max};
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &tiny), 0);
        const auto result = SettingsFile::write(m_path, {u"abcdefgh"_s, 3, 4, 50, u"Courier"_s});
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
        QVERIFY(!result.ok && !result.error.isEmpty());
        QCOMPARE(fileBytes(m_path), oldBytes);
    }
};

QTEST_APPLESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
