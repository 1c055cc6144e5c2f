// SPDX-License-Identifier: GPL-3.0-or-later
#include "textcodec.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>

#include <numeric>

using namespace Qt::StringLiterals;
using Lines = QStringList;

// From a list's bytes to its lines, in either encoding and with every mix of line ends.
class TestTextCodec : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Each text (its lines joined by CR) also survives being written and read back.
    void readLines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Lines>("lines");
        QTest::addRow("utf-8, mark dropped") << "\xEF\xBB\xBF\xC3\xA4pfel"_ba << Lines{"äpfel"};
        // Regression: the decoder dropped the mark itself and then a second U+FEFF of the text.
        QTest::addRow("only the first byte order mark dropped")
            << "\xEF\xBB\xBF\xEF\xBB\xBF\xC3\xA4"_ba << Lines{u"\uFEFFä"_s};
        QTest::addRow("decomposed umlaut composed") << "u\xCC\x88"_ba << Lines{"ü"};
        QTest::addRow("bad utf-8 after a mark") << "\xEF\xBB\xBF\xE4"_ba << Lines{"ï»¿ä"};
        // "Ã¤" in Windows-1252 is C3 A4, which would read back as "ä".
        QTest::addRow("reads as utf-8") << "\xEF\xBB\xBF\xC3\x83\xC2\xA4"_ba << Lines{"Ã¤"};
        // CR LF, CR alone and CR CR LF end a line, a final one adds none; LF is ordinary.
        QTest::addRow("line ends")
            << "a\r\n\r\nb\rc\r\r\nd\ne\r\n"_ba << Lines{"a", "", "b", "c", "", "d\ne"};
        QTest::addRow("empty") << ""_ba << Lines{};
    }

    void readLines()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Lines, lines);
        QCOMPARE(TextCodec::splitLines(TextCodec::decode(bytes)), lines);
        const QString text = lines.join(u'\r');
        QCOMPARE(TextCodec::decode(TextCodec::encode(text)), text);
    }

    // Every byte of a file that is not UTF-8 reads as the system's Windows-1252 converter reads
    // it (the five bytes the code page leaves open as control characters), and every character
    // is written as that converter writes it, or the text goes out as UTF-8.
    void windows1252AsTheSystemConverts()
    {
        QByteArray everyByte(256, Qt::Uninitialized);
        std::iota(everyByte.begin(), everyByte.end(), char(0));
        QStringDecoder system("windows-1252", QStringDecoder::Flag::Stateless);
        QCOMPARE(TextCodec::decode(everyByte), QString(system.decode(everyByte)));

        for (int unit = 0; unit < 0x10000; ++unit) {
            const QString text = u"Ma"_s + QChar(char16_t(unit));
            // A converter of its own for each text: resetState() keeps an earlier error.
            QStringEncoder system("windows-1252", QStringEncoder::Flag::Stateless);
            QStringEncoder utf8(QStringEncoder::Utf8, QStringEncoder::Flag::WriteBom);
            const QByteArray single = system.encode(text);
            const bool fits = !system.hasError() && TextCodec::decode(single) == text;
            const QByteArray expected = fits ? single : QByteArray(utf8.encode(text));
            if (TextCodec::encode(text) != expected)
                QFAIL(qPrintable(u"U+%1"_s.arg(unit, 4, 16, QChar(u'0'))));
        }
    }
};

QTEST_APPLESS_MAIN(TestTextCodec)
#include "tst_textcodec.moc"
