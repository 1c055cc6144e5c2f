// SPDX-License-Identifier: GPL-3.0-or-later
#include "textcodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <iterator>
#include <optional>

namespace {

constexpr char utf8Bom[] = "\xEF\xBB\xBF";

// Windows-1252 differs from Latin-1 only in the bytes 0x80 to 0x9F. The five bytes the code
// page leaves undefined stand for the control characters of the same number, as the system's
// converter reads and writes them, so every byte reads as exactly one character and back. The
// table is our own because the system's converter loads more than a megabyte of conversion
// data on first use, which the start-up should not pay for 32 characters.
constexpr char16_t windows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t fromWindows1252(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xA0 ? windows1252High[byte - 0x80] : char16_t(byte);
}

QString decodeWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    for (const char b : bytes)
        *out++ = fromWindows1252(static_cast<unsigned char>(b));
    return text;
}

// The byte that reads as the character; nothing when the code page has no such character.
std::optional<char> toWindows1252(QChar character)
{
    const char16_t unit = character.unicode();
    if (unit < 0x80 || (unit >= 0xA0 && unit < 0x100))
        return char(unit);
    const auto *found = std::find(std::begin(windows1252High), std::end(windows1252High), unit);
    if (found == std::end(windows1252High))
        return std::nullopt;
    return char(0x80 + (found - std::begin(windows1252High)));
}

std::optional<QByteArray> encodeWindows1252(QStringView text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char *out = bytes.data();
    for (const QChar character : text) {
        const std::optional<char> byte = toWindows1252(character);
        if (!byte)
            return std::nullopt;
        *out++ = *byte;
    }
    return bytes;
}

} // namespace

bool TextCodec::isAscii(QByteArrayView bytes)
{
    for (const char b : bytes) {
        if (static_cast<unsigned char>(b) >= 0x80)
            return false;
    }
    return true;
}

QString TextCodec::decode(QByteArrayView bytes)
{
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);

    // The decoder is told to keep a leading byte order mark, so it is dropped exactly once.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) {
        if (text.startsWith(QChar(0xFEFF)) && bytes.startsWith(utf8Bom))
            text.remove(0, 1);
        return text.normalized(QString::NormalizationForm_C);
    }

    return decodeWindows1252(bytes);
}

QByteArray TextCodec::encode(QStringView text)
{
    const std::optional<QByteArray> single = encodeWindows1252(text);
    if (single && decode(*single) == text)
        return *single;

    QStringEncoder utf8(QStringEncoder::Utf8, QStringEncoder::Flag::WriteBom);
    return utf8.encode(text);
}

QStringList TextCodec::splitLines(QStringView text, qsizetype maxLines)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    while (start < size && (maxLines < 0 || lines.size() < maxLines)) {
        qsizetype end = text.indexOf(QChar(u'\r'), start);
        if (end < 0)
            end = size;
        lines.append(text.mid(start, end - start).toString());
        start = end + 1;
        if (end < size - 1 && text[end + 1] == u'\n')
            ++start;
    }
    return lines;
}
