// SPDX-License-Identifier: GPL-3.0-or-later
#include "extras/extrasfile.h"
#include "scratchfiles.h"
#include "windowtexts.h"

#include <QTest>

using namespace Qt::StringLiterals;

// "trabelo.ini": every key falls back to off on its own, and a write reads back whole.
class TestExtrasFile : public QObject
{
    Q_OBJECT

    std::optional<ScratchFile> m_file;

private Q_SLOTS:
    void init() { m_file.emplace(WindowTexts::extrasFile); }

    void read_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // null: no file; "/": a folder of that name
        QTest::addColumn<Extras>("expected");
        Extras arcs;
        arcs.setValue(Extra::SyllableArcs, 1);
        QTest::addRow("missing") << QByteArray() << Extras{};
        QTest::addRow("folder") << "/"_ba << Extras{};
        // One key's odd value costs only that key.
        QTest::addRow("unknown duration and switch")
            << "[Extras]\nSyllableArcs=true\nFlashMilliseconds=400\nSlowSpeech=yes\n"_ba << arcs;
        QTest::addRow("garbage") << "\xff\xfe\0[[[=\n==\x01"_ba << Extras{};
        QTest::addRow("keys outside the group") << "SyllableArcs=true\n"_ba << Extras{};
    }

    void read()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Extras, expected);
        QVERIFY(m_file->place(bytes));
        QVERIFY(ExtrasFile::read(m_file->path) == expected);
    }

    // A stored list keeps a teacher's words, umlauts and blanks included, and "Alle Extras aus"
    // never clears it.
    void storedListSurvivesAllOff()
    {
        const QList<ExtraRow> rows = {
            {.extra = Extra::SyllableArcs, .kind = ExtraKind::Switch, .key = u"On"_s},
            {.extra = Extra::NoWordSign, .kind = ExtraKind::StoredList, .key = u"Words"_s}};
        Extras extras;
        extras.setValue(Extra::SyllableArcs, 1);
        extras.setList(Extra::NoWordSign, {u"Bär"_s, u"und, der"_s, u"Straße"_s});
        QVERIFY(ExtrasFile::write(m_file->path, extras, rows).ok);
        Extras read = ExtrasFile::read(m_file->path, rows);
        QVERIFY(read == extras);
        read.switchAllOff();
        QVERIFY(ExtrasFile::write(m_file->path, read, rows).ok);
        QCOMPARE(ExtrasFile::read(m_file->path, rows).list(Extra::NoWordSign),
                 extras.list(Extra::NoWordSign));
        QVERIFY(!ExtrasFile::read(m_file->path, rows).isOn(Extra::SyllableArcs));
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
        QString path = m_file->path;
        if (folderInPlace) {
            QVERIFY(QDir().mkdir(path));
        } else {
            QVERIFY(writeFile(m_file->folder.filePath(u"ordner"_s), "x"));
            path = m_file->folder.filePath(u"ordner/"_s + WindowTexts::extrasFile);
        }
        const ExtrasFile::WriteResult result = ExtrasFile::write(path, {});
        QVERIFY(!result.ok);
        QCOMPARE(result.error, reason);
    }
};

QTEST_APPLESS_MAIN(TestExtrasFile)
#include "tst_extrasfile.moc"
