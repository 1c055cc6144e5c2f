// SPDX-License-Identifier: GPL-3.0-or-later
#include "extras/extrasfile.h"
#include "scratchfiles.h"
#include "windowtexts.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

Extras with(std::initializer_list<std::pair<Extra, int>> values)
{
    Extras extras;
    for (const auto &[extra, value] : values)
        extras.setValue(extra, value);
    return extras;
}

} // namespace

// "trabelo.ini": every key falls back to off on its own, and a write reads back whole.
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
        const Extras arcs = with({{Extra::SyllableArcs, 1}});
        QTest::addRow("missing") << QByteArray() << Extras{};
        QTest::addRow("folder") << "/"_ba << Extras{};
        QTest::addRow("as written") << "[Extras]\nSyllableArcs=true\nFlashMilliseconds=500\n"_ba
                                    << with({{Extra::SyllableArcs, 1}, {Extra::FlashReading, 500}});
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
        QVERIFY(bytes.isNull() || (bytes == "/" ? QDir().mkdir(m_path) : writeFile(m_path, bytes)));
        QVERIFY(ExtrasFile::read(m_path) == expected);
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
        QVERIFY(ExtrasFile::write(m_path, extras, rows).ok);
        Extras read = ExtrasFile::read(m_path, rows);
        QVERIFY(read == extras);
        read.switchAllOff();
        QVERIFY(ExtrasFile::write(m_path, read, rows).ok);
        QCOMPARE(ExtrasFile::read(m_path, rows).list(Extra::NoWordSign),
                 extras.list(Extra::NoWordSign));
        QVERIFY(!ExtrasFile::read(m_path, rows).isOn(Extra::SyllableArcs));
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
