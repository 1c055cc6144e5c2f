// SPDX-License-Identifier: GPL-3.0-or-later
#include "scratchfiles.h"
#include "settingsfile.h"

#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

namespace {

// The outcome and the five values, as the rows write them.
QString described(const SettingsFile::ReadResult &r)
{
    const char *outcomes[] = {"complete", "unusable", "rejected"};
    const Settings &v = r.settings;
    return u"%1 %2 %3 %4 %5 %6"_s.arg(QLatin1StringView(outcomes[int(r.outcome)]), v.letterSequence)
        .arg(v.firstColourIndex)
        .arg(v.secondColourIndex)
        .arg(v.fontSize)
        .arg(v.fontName);
}

} // namespace

class TestSettingsFile : public QObject
{
    Q_OBJECT

    std::optional<ScratchFile> m_file;

private Q_SLOTS:
    void init() { m_file.emplace(u"silben.ini"_s); }

    // Where reading stops decides which values are the file's: the letter sequence unless the
    // file is unusable, the others only when it is complete.
    void read_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // null: no file; "/": a folder of its name
        QTest::addColumn<QString>("expected");
        const auto add = [](const char *name, const QByteArray &bytes, const char *expected) {
            QTest::newRow(name) << bytes << QString::fromUtf8(expected);
        };
        const char *unusable = "unusable abc 5 7 48 Lateinaus";
        const char *rejected = "rejected abc 5 7 48 Lateinaus";
        add("as written", "abc\r\n 5 \r\n 7 \r\n 48 \r\nArial\r\n", "complete abc 5 7 48 Arial");
        add("CR ends, last unended", "abc\r1\r2\r30\rArial", "complete abc 1 2 30 Arial");
        add("after fifth ignored", "abc\r14\r15\r18\rArial\rx\xff\0"_ba,
            "complete abc 14 15 18 Arial");
        add("half to even", "abc\r2.5\r+3.5\r200.5\rArial", "complete abc 2 4 200 Arial");
        add("short sequence", "ab\r-0.4\r2\r18.4999\rArial", "complete abc 0 2 18 Arial");
        add("utf-8", "\xc5\x82\xc3\xb3\xf0\x9f\x98\x80\r5\r7\r48\rArial",
            "complete łó😀 5 7 48 Arial");
        add("missing file", QByteArray(), unusable);
        add("folder", "/", unusable);
        add("four lines", "abc\r\n5\r\n7\r\n48\r\n", unusable);
        add("50 MB without line ends", QByteArray(50 << 20, 'a'), unusable);
        add("16 in line 2", "abc\r16\r7\r48\rArial", rejected);
        add("decimal comma", "abc\r2,5\r7\r48\rArial", rejected);
        add("wraps to 7 in 32 bits", "abc\r5\r4294967303\r48\rArial", rejected);
        add("size 17", "abc\r5\r7\r17\rArial", rejected);
        add("size 200.51", "abc\r5\r7\r200.51\rArial", rejected);
        add("NUL in a field", "xyz\r5\0\r7\r48\rArial"_ba, "rejected xyz 5 7 48 Lateinaus");
    }

    void read()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        QVERIFY(m_file->place(bytes));
        QCOMPARE(described(SettingsFile::read(m_file->path)), expected);
    }

    // The letter sequence as the window shows it, the file's first line, and what reads back.
    // Regression: a line break in a value made a six-line file, and the next start took the
    // defaults. Whatever the values hold, the writer writes five lines.
    void writeAndReadBack_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QByteArray>("firstLine");
        QTest::addColumn<QString>("readBack");
        QTest::addRow("blanks, capitals") << u"Ab C d"_s << "abcd"_ba << u"abcd"_s;
        QTest::addRow("only blanks") << u"   "_s << QByteArray() << u"abc"_s;
        QTest::addRow("ł") << u"Łaß"_s << "\xef\xbb\xbf\xc5\x82\x61\xc3\x9f"_ba << u"łaß"_s;
        QTest::addRow("line breaks, tab") << u"A\tb\r\nc\rD\n"_s << "a\tbcd"_ba << u"a\tbcd"_s;
    }

    void writeAndReadBack()
    {
        QFETCH(QString, caption);
        QFETCH(QByteArray, firstLine);
        QFETCH(QString, readBack);
        QString letters = SettingsFile::tidyLetterSequence(caption);
        letters.insert(letters.size() / 2, u"\r\n"_s);
        const Settings settings{letters, 5, 7, 48, u"Ari\r\nal\r"_s};
        QVERIFY(SettingsFile::write(m_file->path, settings).ok);
        QCOMPARE(fileBytes(m_file->path), firstLine + "\r\n 5 \r\n 7 \r\n 48 \r\nArial\r\n");
        QCOMPARE(described(SettingsFile::read(m_file->path)),
                 u"complete %1 5 7 48 Arial"_s.arg(readBack));
    }

    // Running out of space part-way (here: a file size limit) leaves the old file. Buffered, the
    // failure only showed in commit(), which then committed the truncated file as a success.
    void previousFileStaysWholeWhenDiskIsFull()
    {
        QVERIFY(SettingsFile::write(m_file->path, {u"mamuli"_s, 1, 2, 30, u"Arial"_s}).ok);
        const QByteArray oldBytes = fileBytes(m_file->path);
        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        const rlimit tiny{8, saved.rlim_max};
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &tiny), 0);
        const auto result =
            SettingsFile::write(m_file->path, {u"abcdefgh"_s, 3, 4, 50, u"Courier"_s});
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
        QVERIFY(!result.ok && !result.error.isEmpty());
        QCOMPARE(fileBytes(m_file->path), oldBytes);
    }
};

QTEST_APPLESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
