#include "textcodec.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestTextCodec : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decode_data();
    void decode();
    void splitLines_data();
    void splitLines();
    void encodeKeepsEveryLetter_data();
    void encodeKeepsEveryLetter();
};

void TestTextCodec::decode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::addRow("ascii") << QByteArray("Ro-se") << u"Ro-se"_s;
    QTest::addRow("windows-1252 umlauts") << QByteArray("\xE4pfel \xDF \xD6l") << u"äpfel ß Öl"_s;
    QTest::addRow("windows-1252 euro sign") << QByteArray("\x80") << u"€"_s;
    QTest::addRow("utf-8 umlauts") << QByteArray("\xC3\xA4pfel \xC3\x9F") << u"äpfel ß"_s;
    QTest::addRow("utf-8 byte order mark dropped")
        << QByteArray("\xEF\xBB\xBFRo-s\xC3\xA9") << u"Ro-sé"_s;
    // Regression: the decoder dropped the mark itself and then a second U+FEFF of the text.
    QTest::addRow("only the first byte order mark dropped")
        << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF\xC3\xA4") << u"\uFEFFä"_s;
    QTest::addRow("decomposed umlaut composed") << QByteArray("u\xCC\x88") << QString(QChar(0xFC));
    QTest::addRow("invalid utf-8 after a bom is windows-1252")
        << QByteArray("\xEF\xBB\xBF\xE4") << u"ï»¿ä"_s;
    QTest::addRow("NUL bytes kept") << QByteArray("a\0b", 3) << QString::fromLatin1("a\0b", 3);
}

void TestTextCodec::decode()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(TextCodec::decode(bytes), text);
}

void TestTextCodec::splitLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("maxLines");
    QTest::addColumn<QStringList>("lines");

    QTest::addRow("empty file has no line") << u""_s << -1 << QStringList();
    QTest::addRow("last line without terminator") << u"a\r\nb"_s << -1 << QStringList{"a", "b"};
    QTest::addRow("final terminator adds no line") << u"a\r\n"_s << -1 << QStringList{"a"};
    QTest::addRow("CR alone ends a line") << u"a\rb\r"_s << -1 << QStringList{"a", "b"};
    QTest::addRow("LF alone is ordinary") << u"a\nb\n"_s << -1 << QStringList{"a\nb\n"};
    QTest::addRow("two terminators give an empty line")
        << u"Ro-se\r\n\r\nso"_s << -1 << QStringList{"Ro-se", "", "so"};
    QTest::addRow("CR CR LF") << u"a\r\r\nb"_s << -1 << QStringList{"a", "", "b"};
    QTest::addRow("lone terminator is one empty line") << u"\r\n"_s << -1 << QStringList{""};
    QTest::addRow("LF CR") << u"a\n\rb"_s << -1 << QStringList{"a\n", "b"};
    QTest::addRow("stops after max lines") << u"1\r2\r3\r4"_s << 2 << QStringList{"1", "2"};
}

void TestTextCodec::splitLines()
{
    QFETCH(QString, text);
    QFETCH(int, maxLines);
    QFETCH(QStringList, lines);
    QCOMPARE(TextCodec::splitLines(text, maxLines), lines);
}

void TestTextCodec::encodeKeepsEveryLetter_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");

    QTest::addRow("german letters stay single bytes")
        << u"abcäöüß"_s << QByteArray("abc\xE4\xF6\xFC\xDF");
    QTest::addRow("letter outside windows-1252 gives utf-8") << u"ał"_s
                                                             << QByteArray("\xEF\xBB\xBF"
                                                                           "a\xC5\x82");
    // "Ã¤" in Windows-1252 is C3 A4, which would read back as "ä".
    QTest::addRow("bytes that read as utf-8 give utf-8")
        << u"Ã¤"_s << QByteArray("\xEF\xBB\xBF\xC3\x83\xC2\xA4");
}

void TestTextCodec::encodeKeepsEveryLetter()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(TextCodec::encode(text), bytes);
    QCOMPARE(TextCodec::decode(TextCodec::encode(text)), text);
}

QTEST_APPLESS_MAIN(TestTextCodec)
#include "tst_textcodec.moc"
