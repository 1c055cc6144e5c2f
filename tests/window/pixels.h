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

// The rectangle holding the pixels of this colour inside the area (by default the whole image),
// or of a colour this near to it: the tolerance bounds the summed differences of red, green, blue.
inline QRect extent(const QImage &image, QRgb colour, QRect area = {}, int tolerance = 0)
{
    QRect found;
    area = area.isNull() ? image.rect() : area;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAbs(qRed(pixel) - qRed(colour)) + qAbs(qGreen(pixel) - qGreen(colour)) +
                    qAbs(qBlue(pixel) - qBlue(colour)) <=
                tolerance)
                found |= QRect(x, y, 1, 1);
        }
    return found;
}
