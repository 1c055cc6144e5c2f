// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "buttonlabel.h"

// The speaker button of the bottom row: a label that acts as a button, like the others, with a
// loudspeaker drawn by the program as tall as the button allows. Disabled, it is drawn grey.
class SpeakerButton : public ButtonLabel
{
    Q_OBJECT

public:
    explicit SpeakerButton(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
