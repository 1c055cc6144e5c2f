// SPDX-License-Identifier: GPL-3.0-or-later
#include "speakerbutton.h"

#include <QPainter>
#include <QPainterPath>

SpeakerButton::SpeakerButton(QWidget *parent) : ButtonLabel(parent)
{}

void SpeakerButton::paintEvent(QPaintEvent *event)
{
    ButtonLabel::paintEvent(event); // background and frame
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink = isEnabled() ? palette().color(QPalette::WindowText) : QColor(150, 150, 150);

    // Drawn in a square of the button's height, centred: the box and the cone of the speaker on
    // the left, two sound waves on the right.
    const qreal side = height() - 6;
    const QRectF square((width() - side) / 2, 3, side, side);
    const qreal u = side / 12; // one twelfth of the square
    QPainterPath speaker;
    speaker.moveTo(square.left() + 1 * u, square.top() + 4.5 * u);
    speaker.lineTo(square.left() + 3.5 * u, square.top() + 4.5 * u);
    speaker.lineTo(square.left() + 6.5 * u, square.top() + 1.5 * u);
    speaker.lineTo(square.left() + 6.5 * u, square.top() + 10.5 * u);
    speaker.lineTo(square.left() + 3.5 * u, square.top() + 7.5 * u);
    speaker.lineTo(square.left() + 1 * u, square.top() + 7.5 * u);
    speaker.closeSubpath();
    painter.fillPath(speaker, ink);

    painter.setPen(QPen(ink, std::max<qreal>(1.5, u), Qt::SolidLine, Qt::RoundCap));
    for (const qreal radius : {2.5 * u, 4.5 * u}) {
        const QPointF centre(square.left() + 6.5 * u, square.center().y());
        const QRectF bounds(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
        painter.drawArc(bounds, -45 * 16, 90 * 16); // the right-hand quarter, centred on the axis
    }
}
