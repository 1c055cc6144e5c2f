// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// The silver rectangle behind the top row, outlined in grey. It takes no input.
class Band : public QWidget
{
    Q_OBJECT

public:
    Band(const QColor &fill, const QColor &outline, int outlinePixels, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_fill;
    QColor m_outline;
    int m_outlinePixels;
};
