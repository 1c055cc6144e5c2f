// SPDX-License-Identifier: GPL-3.0-or-later
#include "letterfilter.h"
#include "scratchfiles.h"
#include "textcodec.h"
#include "wordlistfile.h"

#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QTest>

using namespace Qt::StringLiterals;

// The files that ship with the program: a teacher's first start must read the same on Windows
// and here, and give words from the first week of letters on.
class TestWordLists : public QObject
{
    Q_OBJECT

    const QDir m_data{QStringLiteral(TRABELO_DATA_DIR)};

private Q_SLOTS:
    void list_data()
    {
        QTest::addColumn<QString>("name");
        // Case-sensitive: the folder also holds its CMakeLists.txt, which does not ship.
        const QStringList names = m_data.entryList({u"*.TXT"_s}, QDir::Files | QDir::CaseSensitive);
        QVERIFY2(names.contains(u"SILBEN.TXT"_s) && names.size() >= 4, qPrintable(m_data.path()));
        for (const QString &name : names)
            QTest::addRow("%s", qPrintable(name)) << name;
    }

    // Windows-1252 (UTF-8 would show two odd letters for an umlaut on Windows), CR LF only,
    // blanks only between words, each syllable with a vowel, no entry twice.
    void list()
    {
        QFETCH(QString, name);
        const QByteArray bytes = fileBytes(m_data.filePath(name));
        QCOMPARE(bytes.count("\r\n") * 2, bytes.count('\r') + bytes.count('\n'));
        QCOMPARE(TextCodec::decode(bytes), QString(QStringDecoder("windows-1252").decode(bytes)));
        const QStringList lines = TextCodec::splitLines(TextCodec::decode(bytes));
        QCOMPARE(QSet<QString>(lines.begin(), lines.end()).size(), lines.size());
        for (const QString &line : lines) {
            QVERIFY2(!line.isEmpty() && line == line.simplified(), qPrintable(line));
            for (const QString &piece : line.split(QRegularExpression(u"[- ]"_s)))
                QVERIFY2(piece.contains(QRegularExpression(u"(?i)[aeiouyäöü]"_s)),
                         qPrintable(line));
        }
    }

    // Enough entries pass for the first letters taught: m a i, then l o, then s e n t r.
    void defaultListIsGraded()
    {
        const QStringList lines = WordListFile::read(m_data, u"SILBEN.TXT"_s).lines;
        for (const auto &[letters, atLeast] :
             {std::pair{u"mai"_s, 5}, {u"mailo"_s, 15}, {u"mailosentr"_s, 100}}) {
            QStringList queue;
            for (const QString &line : lines)
                LetterFilter(letters).appendPassing(line, queue);
            QVERIFY2(queue.size() >= atLeast, qPrintable(letters));
        }
    }

    void settingsStartHasExactBytes()
    {
        QCOMPARE(fileBytes(m_data.filePath(u"silben.ini"_s)),
                 "abcdefghijklmnopqrstuvwxyz\xE4\xF6\xFC\xDF\r\n 9 \r\n 12 \r\n 48 \r\nArial\r\n");
    }
};

QTEST_GUILESS_MAIN(TestWordLists)
#include "tst_wordlists.moc"
