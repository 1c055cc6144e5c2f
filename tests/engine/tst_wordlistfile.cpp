// SPDX-License-Identifier: GPL-3.0-or-later
#include "scratchfiles.h"
#include "texts.h"
#include "wordlistfile.h"

#include <QTemporaryDir>
#include <QTest>

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
        QVERIFY(folder().mkdir(u"ordner.txt"_s));
    }

    void locateInAnyCase_data()
    {
        QTest::addColumn<QString>("asked");
        QTest::addColumn<QString>("found"); // empty: none
        QTest::addRow("upper finds lower") << u"SILBEN.TXT"_s << u"silben.txt"_s;
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

    void readErrorsNameTheList()
    {
        QCOMPARE(WordListFile::read(folder(), u"SILBEN.TXT"_s).lines, QStringList{u"Ro-se"_s});
        QCOMPARE(WordListFile::read(folder(), u"WEG.TXT"_s).message,
                 Texts::wordListMissing.arg(u"WEG.TXT"_s));
        QCOMPARE(WordListFile::read(folder(), u"ORDNER.TXT"_s).message,
                 Texts::wordListIsFolder.arg(u"ORDNER.TXT"_s));
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
