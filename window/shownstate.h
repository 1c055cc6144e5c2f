// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings.h"

// How the window shows the word, as the teacher set it: the two syllable colours, the font and
// its size. The window owns it and shows it in its controls; "silben.ini" keeps it together with
// the letter sequence, which is the engine's.
struct ShownState
{
    int firstColourIndex = SyllablePalette::defaultFirstIndex;
    int secondColourIndex = SyllablePalette::defaultSecondIndex;
    int fontSize = Settings::startFontSize;
    QString fontName = Texts::defaultFontName;

    static ShownState of(const Settings &settings)
    {
        return {settings.firstColourIndex, settings.secondColourIndex, settings.fontSize,
                settings.fontName};
    }
    Settings withLetterSequence(const QString &letterSequence) const
    {
        return {letterSequence, firstColourIndex, secondColourIndex, fontSize, fontName};
    }
};
