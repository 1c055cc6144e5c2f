// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Case mapping one character at a time, as the program's filter and settings need it:
// ä↔Ä, ö↔Ö, ü↔Ü, while ß stays ß (QString::toUpper would turn it into "SS").
class CharacterCase
{
public:
    static QString upper(QStringView text);
    static QString lower(QStringView text);
};
