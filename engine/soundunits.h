// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "usercharacters.h"

#include <QStringList>

#include <array>
#include <string_view>

// The groups of letters German children learn to read as one sound, each in a week of its
// own: sch, chs, ch, ck, ei, ai, au, eu, äu, ie, qu, pf, tz, ph, and sp and st at the start
// of a syllable ("schp", "scht"). A child who knows s, c and h does not yet read "Schal", and
// one who knows ei does not thereby know e or i.
class SoundUnits
{
public:
    // One bit per built-in unit.
    using Set = quint32;

    // A letter sequence whose comma-separated parts may name units.
    struct Sequence
    {
        QString letters; // the parts that name no unit, joined by commas as they stood
        Set units = 0;   // the units named
    };

    // A part names a unit when, without its blanks and in any letter case, it is one:
    // "m,a,i,l,o,ei" is the letters m a i l o and the unit ei; "mailosch" is eight letters.
    static Sequence split(QStringView sequence);

    struct Found
    {
        Set unit = 0;      // none: 0
        qsizetype end = 0; // where the unit ends, or with none the character at the position
    };

    // The longest built-in unit (in any letter case) that starts at this character of the
    // text. Units are letters only, so none spans a hyphen or a blank; sp and st count only at
    // the start of a syllable: at the text's start or right after a hyphen or a blank.
    static Found at(QStringView text, qsizetype position, UserCharacters &walk);

    // False when no unit can start at this character of the text: a quick answer for most.
    static bool mayStartAt(QStringView text, qsizetype position)
    {
        const char16_t c = text[position].unicode();
        const char16_t next = position + 1 < text.size() ? text[position + 1].unicode() : 0;
        if (c >= latin1 || next >= latin1) // rare in a German list; at() takes a closer look
            return true;
        const std::size_t pair = c * latin1 + next;
        return (startPairs[pair / 64] >> (pair % 64)) & 1;
    }

private:
    struct Unit
    {
        std::u16string_view letters; // lower case, below U+0100
        bool onlyAtSyllableStart;
    };

    // Longer units first: at each place the longest one that starts there is taken (sch, not
    // ch). A unit's bit in a Set is its place here.
    static constexpr std::array<Unit, 16> units = {{
        {u"sch", false},
        {u"chs", false},
        {u"ch", false},
        {u"ck", false},
        {u"ei", false},
        {u"ai", false},
        {u"au", false},
        {u"eu", false},
        {u"äu", false},
        {u"ie", false},
        {u"qu", false},
        {u"pf", false},
        {u"tz", false},
        {u"ph", false},
        {u"sp", true},
        {u"st", true},
    }};

    static constexpr std::size_t latin1 = 0x100;

    // The first two letters of each unit, in either case (in Latin-1 a capital lies 0x20 below
    // its small letter), one bit for each pair of code units below U+0100.
    static constexpr std::array<quint64, latin1 *latin1 / 64> startPairs = [] {
        std::array<quint64, latin1 * latin1 / 64> pairs{};
        for (const Unit &unit : units) {
            for (const char16_t first : {unit.letters[0], char16_t(unit.letters[0] - 0x20)}) {
                for (const char16_t second : {unit.letters[1], char16_t(unit.letters[1] - 0x20)}) {
                    const std::size_t pair = first * latin1 + second;
                    pairs[pair / 64] |= quint64(1) << (pair % 64);
                }
            }
        }
        return pairs;
    }();
};
