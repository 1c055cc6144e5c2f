// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

// The window is laid out in twips (1/1440 inch); at 96 dots per inch 15 twips are one pixel.
// This is the one place where layout values turn into pixels and back.
namespace Twips {

inline constexpr int perPixel = 15;

// Rounds a non-negative length or position to the nearest pixel: 13460 twips (897.3 px) give
// 897.
constexpr int toPixels(int twips)
{
    return (twips + perPixel / 2) / perPixel;
}

constexpr QRect toPixels(int left, int top, int width, int height)
{
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

constexpr int fromPixels(int pixels)
{
    return pixels * perPixel;
}

} // namespace Twips
