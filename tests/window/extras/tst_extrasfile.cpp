// SPDX-License-Identifier: GPL-3.0-or-later
#include "extras/extrasfile.h"
#include "scratchfiles.h"
#include "windowtexts.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

// "trabelo.ini": every key falls back to its own default, and a write reads back whole.
class TestExtrasFile : public QObject
{
    Q_OBJECT

    std::optional<QTemporaryDir> m_folder;
    QString m_path;

private Q_SLOTS:
    void init()
    {
        m_folder.emplace();
        m_path = m_folder->filePath(WindowTexts::extrasFile);
    }

    void read_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // null: no file; "/": a folder of that name
        QTest::addColumn<Extras>("expected");
        Extras arcsAndFlash;
        arcsAndFlash.syllableArcs = true;
        arcsAndFlash.flashDuration = 500ms;
        QTest::addRow("missing") << QByteArray() << Extras{};
        QTest::addRow("folder") << "/"_ba << Extras{};
        QTest::addRow("as written")
            << "[Extras]\nSyllableArcs=true\nFlashMilliseconds=500\n"_ba << arcsAndFlash;
        // One key's odd value costs only that key.
        QTest::addRow("unknown duration and switch")
            << "[Extras]\nSyllableArcs=true\nFlashMilliseconds=400\nSlowSpeech=yes\n"_ba << [] {
                   Extras e;
                   e.syllableArcs = true;
                   return e;
               }();
        QTest::addRow("garbage") << "\xff\xfe\0[[[=\n==\x01"_ba << Extras{};
        QTest::addRow("keys outside the group") << "SyllableArcs=true\n"_ba << Extras{};
    }

    void read()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Extras, expected);
        QVERIFY(bytes.isNull() || (bytes == "/" ? QDir().mkdir(m_path) : writeFile(m_path, bytes)));
        QVERIFY(ExtrasFile::read(m_path) == expected);
    }

    void everyExtraReadsBack()
    {
        Extras all;
        all.automaticSyllables = all.syllableArcs = all.slowSpeech = all.speakerButton =
            all.noWordSign = true;
        for (Extras::Duration duration : Extras::flashChoices) {
            all.flashDuration = duration;
            QVERIFY(ExtrasFile::write(m_path, all).ok);
            QVERIFY(ExtrasFile::read(m_path) == all);
        }
        QVERIFY(ExtrasFile::write(m_path, {}).ok);
        QVERIFY(ExtrasFile::read(m_path) == Extras{});
        QVERIFY(fileBytes(m_path).startsWith("[Extras]"));
    }

    void failedWriteSaysWhy_data()
    {
        QTest::addColumn<bool>("folderInPlace"); // else: a file in its folder's place
        QTest::addColumn<QString>("reason");
        QTest::addRow("folder in the file's place") << true << WindowTexts::extrasFileIsFolder;
        QTest::addRow("file in the folder's place") << false << WindowTexts::extrasFileNoAccess;
    }

    void failedWriteSaysWhy()
    {
        QFETCH(bool, folderInPlace);
        QFETCH(QString, reason);
        // Both fail for root too, who may write into any folder.
        QString path = m_path;
        if (folderInPlace) {
            QVERIFY(QDir().mkdir(path));
        } else {
            QVERIFY(writeFile(m_folder->filePath(u"ordner"_s), "x"));
            path = m_folder->filePath(u"ordner/"_s + WindowTexts::extrasFile);
        }
        const ExtrasFile::WriteResult result = ExtrasFile::write(path, {});
        QVERIFY(!result.ok);
        QCOMPARE(result.error, reason);
    }
};

QTEST_APPLESS_MAIN(TestExtrasFile)
#include "tst_extrasfile.moc"
