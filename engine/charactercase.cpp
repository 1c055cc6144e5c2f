// SPDX-License-Identifier: GPL-3.0-or-later
#include "charactercase.h"

namespace {

template <typename Map> QString mapEachCharacter(QStringView text, Map map)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            const char32_t mapped = map(QChar::surrogateToUcs4(c, text[i + 1]));
            out.append(QChar(QChar::highSurrogate(mapped)));
            out.append(QChar(QChar::lowSurrogate(mapped)));
            ++i;
        } else {
            out.append(QChar(char16_t(map(c.unicode()))));
        }
    }
    return out;
}

} // namespace

QString CharacterCase::upper(QStringView text)
{
    return mapEachCharacter(text, [](char32_t c) { return QChar::toUpper(c); });
}

QString CharacterCase::lower(QStringView text)
{
    return mapEachCharacter(text, [](char32_t c) { return QChar::toLower(c); });
}
