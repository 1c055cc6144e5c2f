// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The sixteen fixed colours from which the two syllable colours are chosen.

struct RgbColour
{
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const RgbColour &, const RgbColour &) = default;
};

class SyllablePalette
{
public:
    static constexpr int colourCount = 16;
    static constexpr int defaultFirstIndex = 5;  // magenta
    static constexpr int defaultSecondIndex = 7; // light grey

    static constexpr bool isValidIndex(int index) { return index >= 0 && index < colourCount; }

    // The colour at index 0..15. Throws std::invalid_argument for any other index, so an
    // index read from a file can never be used unchecked.
    static RgbColour paletteColour(int index);

    // The index a click on a swatch gives: the next one, after 13 back to 0 (the swatches
    // cycle through fourteen colours; 14 and 15 only come from the settings file).
    static int nextSwatchIndex(int index);
};
