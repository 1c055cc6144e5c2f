// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

struct ControlLayout;

// A flat label that acts as a button: a press and a release inside it are one click. It never
// takes the keyboard focus and has no pressed look; the second click of a double click raises
// no click. Labels that only show text are the same control with nobody listening.
class ButtonLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ButtonLabel(QWidget *parent = nullptr);

    // Takes its name, place, caption, tooltip, colours, font, frame and alignment from its row
    // of the layout table.
    void layOut(const ControlLayout &row);

    // A single one-pixel frame line in the frame colour, drawn over the label's edge.
    void setBorder(bool border);

    void setColours(const QColor &background, const QColor &text);
    void setBackgroundColour(const QColor &background);
    QColor backgroundColour() const;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_border = false;
};
