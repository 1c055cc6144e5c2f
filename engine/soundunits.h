// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "usercharacters.h"

#include <QStringList>

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
        qsizetype end = 0; // where the unit ends in the text
    };

    // The longest built-in unit (in any letter case) that starts at this character of the
    // text. Units are letters only, so none spans a hyphen or a blank; sp and st count only at
    // the start of a syllable: at the text's start or right after a hyphen or a blank.
    static Found at(QStringView text, qsizetype position, UserCharacters &walk);
};
