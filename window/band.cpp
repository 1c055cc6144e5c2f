// SPDX-License-Identifier: GPL-3.0-or-later
#include "band.h"

#include <QPainter>

Band::Band(const QColor &fill, const QColor &outline, int outlinePixels, QWidget *parent)
    : QWidget(parent), m_fill(fill), m_outline(outline), m_outlinePixels(outlinePixels)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void Band::paintEvent(QPaintEvent *)
{
    // The outline is centred on the rectangle's edge, so only its inner half lies on the band
    // (one pixel of three). The band reaches past the window's right edge, so its right-hand
    // outline is never seen.
    const int inner = m_outlinePixels / 2;
    QPainter painter(this);
    painter.fillRect(rect(), m_outline);
    painter.fillRect(rect().adjusted(inner, inner, -inner, -inner), m_fill);
}
