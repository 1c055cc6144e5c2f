// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>
#include <QRect>

// Where a drawn image holds exact colours. Antialiased edges are blends, so only the pixels
// of exactly a colour count.

// The columns holding a pixel of exactly one of the colours.
inline QList<int> columnsOf(const QImage &image, const QList<QRgb> &colours)
{
    QList<int> columns;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height() && !columns.endsWith(x); ++y)
            if (colours.contains(image.pixel(x, y) & 0xffffff))
                columns << x;
    return columns;
}

// The rows and columns holding a pixel of exactly this colour.
inline QRect extent(const QImage &image, QRgb colour)
{
    QRect found;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xffffff) == colour)
                found |= QRect(x, y, 1, 1);
    return found;
}
