// SPDX-License-Identifier: GPL-3.0-or-later
#include "scratchfiles.h"
#include "settingsfile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

namespace {

using Outcome = SettingsFile::Outcome;

void add(const char *name, const QByteArray &bytes, Outcome outcome, const Settings &settings = {})
{
    QTest::newRow(name) << bytes << SettingsFile::ReadResult{outcome, settings};
}

Settings values(const QString &sequence, int first, int second, int size, const QString &font)
{
    return {sequence, first, second, size, font};
}

// The defaults, with the file's letter sequence.
Settings defaultsWith(const QString &sequence)
{
    Settings settings;
    settings.letterSequence = sequence;
    return settings;
}

} // namespace

namespace QTest {
// Names every field when a comparison fails.
template <> char *toString(const SettingsFile::ReadResult &r)
{
    const char *outcomes[] = {"Complete", "FileUnusable", "ValueRejected"};
    const Settings &v = r.settings;
    return qstrdup(QStringLiteral("%1 {\"%2\", %3, %4, %5, \"%6\"}")
                       .arg(QLatin1StringView(outcomes[int(r.outcome)]), v.letterSequence)
                       .arg(v.firstColourIndex)
                       .arg(v.secondColourIndex)
                       .arg(v.fontSize)
                       .arg(v.fontName)
                       .toUtf8()
                       .constData());
}
} // namespace QTest

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
        QTest::addColumn<SettingsFile::ReadResult>("expected");
        const QString arial = u"Arial"_s;
        add("as written", "abc\r\n 5 \r\n 7 \r\n 48 \r\nArial\r\n", Outcome::Complete,
            values(u"abc"_s, 5, 7, 48, arial));
        add("CR ends, last unended", "abc\r1\r2\r30\rArial", Outcome::Complete,
            values(u"abc"_s, 1, 2, 30, arial));
        add("after fifth ignored", "abc\r14\r15\r18\rArial\rx\xff\0"_ba, Outcome::Complete,
            values(u"abc"_s, 14, 15, 18, arial));
        add("half to even", "abc\r2.5\r+3.5\r200.5\rArial", Outcome::Complete,
            values(u"abc"_s, 2, 4, 200, arial));
        add("short sequence", "ab\r-0.4\r2\r18.4999\rArial", Outcome::Complete,
            values(u"abc"_s, 0, 2, 18, arial));
        add("utf-8", "\xc5\x82\xc3\xb3\xf0\x9f\x98\x80\r5\r7\r48\rArial", Outcome::Complete,
            values(u"łó😀"_s, 5, 7, 48, arial));
        add("missing file", QByteArray(), Outcome::FileUnusable);
        add("folder", "/", Outcome::FileUnusable);
        add("four lines", "abc\r\n5\r\n7\r\n48\r\n", Outcome::FileUnusable);
        add("50 MB without line ends", QByteArray(50 << 20, 'a'), Outcome::FileUnusable);
        const Settings abc = defaultsWith(u"abc"_s);
        add("16 in line 2", "abc\r16\r7\r48\rArial", Outcome::ValueRejected, abc);
        add("decimal comma", "abc\r2,5\r7\r48\rArial", Outcome::ValueRejected, abc);
        add("wraps to 7 in 32 bits", "abc\r5\r4294967303\r48\rArial", Outcome::ValueRejected, abc);
        add("size 17", "abc\r5\r7\r17\rArial", Outcome::ValueRejected, abc);
        add("size 200.51", "abc\r5\r7\r200.51\rArial", Outcome::ValueRejected, abc);
        add("NUL in a field", "xyz\r5\0\r7\r48\rArial"_ba, Outcome::ValueRejected,
            defaultsWith(u"xyz"_s));
    }

    void read()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(SettingsFile::ReadResult, expected);
        QVERIFY(bytes.isNull() || (bytes == "/" ? QDir().mkdir(m_path) : writeFile(m_path, bytes)));
        const SettingsFile::ReadResult read = SettingsFile::read(m_path);
        QCOMPARE(read, expected);
        // Only a complete file gives a size to apply.
        QCOMPARE(read.hasFontSize(), expected.outcome == Outcome::Complete);
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
        const SettingsFile::ReadResult read = SettingsFile::read(m_path);
        QCOMPARE(read, (SettingsFile::ReadResult{Outcome::Complete,
                                                 values(readBack, 5, 7, 48, u"Arial"_s)}));
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
