// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "syllablepalette.h"
#include "texts.h"

#include <QString>

// What the teacher sets and the window shows: the letter sequence, the two syllable colours and
// the word's font. The window owns one such value and applies it to its controls; "silben.ini"
// keeps it from run to run.
struct Settings
{
    // The word's font size in points: the size bar's range and its value at start.
    static constexpr int minimumFontSize = 18;
    static constexpr int maximumFontSize = 200;
    static constexpr int startFontSize = 48;

    QString letterSequence = Texts::defaultLetterSequence;
    int firstColourIndex = SyllablePalette::defaultFirstIndex;
    int secondColourIndex = SyllablePalette::defaultSecondIndex;
    int fontSize = startFontSize;
    QString fontName = Texts::defaultFontName;

    static bool isFontSize(int points)
    {
        return points >= minimumFontSize && points <= maximumFontSize;
    }

    friend bool operator==(const Settings &, const Settings &) = default;
};
