// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPaintDevice>

// Lengths on paper in the device's own units, whatever its resolution.
struct PageUnits
{
    explicit PageUnits(const QPaintDevice &device) : dotsPerInch(device.logicalDpiY()) {}

    qreal millimetres(qreal mm) const { return mm * dotsPerInch / 25.4; }
    qreal points(qreal pt) const { return pt * dotsPerInch / 72; }

    qreal dotsPerInch;
};
