// SPDX-License-Identifier: GPL-3.0-or-later
#include "syllablepalette.h"

#include <array>
#include <stdexcept>
#include <string>

namespace {

// Indexes 0..7 are the dark colours, 8..15 their light counterparts.
constexpr std::array<RgbColour, SyllablePalette::colourCount> palette{{
    {0, 0, 0},       // 0 black
    {0, 0, 128},     // 1 blue
    {0, 128, 0},     // 2 green
    {0, 128, 128},   // 3 cyan
    {128, 0, 0},     // 4 red
    {128, 0, 128},   // 5 magenta
    {128, 128, 0},   // 6 yellow (dark)
    {192, 192, 192}, // 7 white (light grey)
    {128, 128, 128}, // 8 grey
    {0, 0, 255},     // 9 light blue
    {0, 255, 0},     // 10 light green
    {0, 255, 255},   // 11 light cyan
    {255, 0, 0},     // 12 light red
    {255, 0, 255},   // 13 light magenta
    {255, 255, 0},   // 14 light yellow
    {255, 255, 255}, // 15 bright white
}};

// The last index a swatch click reaches before starting again at 0.
constexpr int lastSwatchIndex = 13;

} // namespace

RgbColour SyllablePalette::paletteColour(int index)
{
    if (!isValidIndex(index))
        throw std::invalid_argument("palette index out of range: " + std::to_string(index));
    return palette[static_cast<std::size_t>(index)];
}

int SyllablePalette::nextSwatchIndex(int index)
{
    // Anything outside the cycle (13, 14, 15, and defensively any invalid value) starts it again.
    if (index < 0 || index >= lastSwatchIndex)
        return 0;
    return index + 1;
}
