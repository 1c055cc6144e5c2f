// SPDX-License-Identifier: GPL-3.0-or-later
#include "textcodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

constexpr char utf8Bom[] = "\xEF\xBB\xBF";

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

    QStringDecoder windows1252("windows-1252", QStringDecoder::Flag::Stateless);
    return windows1252.decode(bytes);
}

QByteArray TextCodec::encode(QStringView text)
{
    QStringEncoder windows1252("windows-1252", QStringEncoder::Flag::Stateless);
    const QByteArray single = windows1252.encode(text);
    if (!windows1252.hasError() && decode(single) == text)
        return single;

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
