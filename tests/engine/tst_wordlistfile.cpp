// SPDX-License-Identifier: GPL-3.0-or-later
#include "scratchfiles.h"
#include "texts.h"
#include "wordlistfile.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

// Finding a word list in the working folder and offering the folder's lists.
class TestWordListFile : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QDir folder() const { return QDir(m_dir.path()); }

private Q_SLOTS:
    void initTestCase()
    {
        for (const QString &name : {u"silben.txt"_s, u"Tiere.Txt"_s, u"ABC.TXT"_s, u"abc.txt"_s,
                                    u".hidden.TXT"_s, u"notes.dat"_s, u"TXT"_s})
            QVERIFY(writeFile(folder().filePath(name), "Ro-se\r\n"));
    }

    void locateInAnyCase_data()
    {
        QTest::addColumn<QString>("asked");
        QTest::addColumn<QString>("found"); // empty: none
        QTest::addRow("mixed finds mixed") << u"TIERE.TXT"_s << u"Tiere.Txt"_s;
        QTest::addRow("exact name wins") << u"ABC.TXT"_s << u"ABC.TXT"_s;
        QTest::addRow("exact name wins, lower") << u"abc.txt"_s << u"abc.txt"_s;
        QTest::addRow("missing") << u"WEG.TXT"_s << QString();
        QTest::addRow("no paths") << u"../silben.txt"_s << QString();
        QTest::addRow("no name") << QString() << QString();
    }

    void locateInAnyCase()
    {
        QFETCH(QString, asked);
        QFETCH(QString, found);
        const QString path = WordListFile::locate(folder(), asked);
        QCOMPARE(path, found.isEmpty() ? QString() : folder().filePath(found));
    }

    // Each error names the list (a missing one: the main window's file chooser test). Regression: a
    // pipe named SILBEN.TXT hung the start; a link to a device or a huge file exhausted the memory.
    void refusesWhatIsNoList_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("message");
        const QString name = u"SILBEN.TXT"_s;
        QTest::addRow("folder") << u"folder"_s << Texts::wordListIsFolder.arg(name);
        QTest::addRow("pipe") << u"pipe"_s << Texts::wordListNotAFile.arg(name);
        QTest::addRow("link to a device") << u"device"_s << Texts::wordListNotAFile.arg(name);
        QTest::addRow("over the limit") << u"large"_s << Texts::wordListTooLarge.arg(name).arg(64);
    }

    void refusesWhatIsNoList()
    {
        QFETCH(QString, kind);
        QFETCH(QString, message);
        const ScratchFile list(u"SILBEN.TXT"_s);
        const QByteArray path = QFile::encodeName(list.path);
        if (kind == u"folder")
            QVERIFY(list.place("/"));
        else if (kind == u"pipe")
            QCOMPARE(mkfifo(path.constData(), 0600), 0);
        else if (kind == u"device")
            QCOMPARE(symlink("/dev/zero", path.constData()), 0);
        else // sparse: takes no room on the disk
            QVERIFY(writeFile(list.path, {}) &&
                    QFile::resize(list.path, WordListFile::maximumBytes + 1));
        alarm(60); // a read that blocks ends the test rather than hanging it
        const auto result = WordListFile::read(QDir(list.folder.path()), u"SILBEN.TXT"_s);
        alarm(0);
        QCOMPARE(result.message, message);
        QVERIFY(result.lines.isEmpty());
    }

    // Read whole up to the limit, across the pieces it is read in; refused beyond it.
    void readAllUpToLimit_data()
    {
        QTest::addColumn<qint64>("over"); // bytes beyond the limit
        QTest::addRow("exactly the limit") << qint64(0);
        QTest::addRow("one byte over") << qint64(1);
    }

    void readAllUpToLimit()
    {
        QFETCH(qint64, over);
        const qint64 limit = 2 * 1024 * 1024 + 7; // ends part-way through a piece
        QByteArray data(limit + over, Qt::Uninitialized);
        for (qsizetype i = 0; i < data.size(); ++i)
            data[i] = char(i % 251);
        QBuffer buffer(&data);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        const WordListFile::Bytes read = WordListFile::readAll(buffer, limit);
        using Status = WordListFile::Bytes::Status;
        QCOMPARE(read.status, over > 0 ? Status::TooLarge : Status::Read);
        QCOMPARE(read.bytes, over > 0 ? QByteArray() : data);
    }

    // The names the folder's "*.TXT" filter gives, links to files included, in alphabetical
    // order; hidden files, other endings, folders and broken links are left out.
    void listFolder()
    {
        QTemporaryDir dir;
        QDir folder(dir.path());
        for (const QString &name : {u"tiere.txt"_s, u"Weg.tXt"_s, u".x.TXT"_s, u"a.TXT.bak"_s,
                                    u"TXT"_s, u"\u00e4.txt"_s, u"b.TXT"_s, u"B.txt"_s})
            QVERIFY(writeFile(folder.filePath(name), "ab"));
        QVERIFY(folder.mkdir(u"Ordner.TXT"_s));
        QVERIFY(QFile::link(folder.filePath(u"tiere.txt"_s), folder.filePath(u"link.TXT"_s)));
        QVERIFY(QFile::link(folder.filePath(u"weg"_s), folder.filePath(u"broken.TXT"_s)));
        QCOMPARE(WordListFile::listFolder(folder).join(u','),
                 u"\u00e4.txt,b.TXT,B.txt,link.TXT,tiere.txt,Weg.tXt"_s);
    }
};

QTEST_APPLESS_MAIN(TestWordListFile)
#include "tst_wordlistfile.moc"
