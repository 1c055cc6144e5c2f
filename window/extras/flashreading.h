// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <chrono>

class WordField;

// Flash reading: a newly shown word stays on screen for a set time, then the word field turns
// white. The time starts when the word is really painted with no box over the window; redraws
// (width, size, font, colour, uncovering) never restart it. With no duration set it does
// nothing and the field is never white.
class FlashReading : public QObject
{
    Q_OBJECT

public:
    using Duration = std::chrono::milliseconds;

    explicit FlashReading(WordField *field, QObject *parent = nullptr);

    // A new time shows the word (white or not) and gives it the whole time; none switches off.
    void setDuration(Duration duration);
    bool isOn() const { return m_duration.count() > 0; }

    // A word was drawn anew (a new word, or the same one shown again): it is visible again and
    // gets its full time from its next paint on.
    void wordShown();

    // A modal box covers the window: the time stops and goes on once the box is gone.
    void setCovered(bool covered);

private:
    void onPainted(bool blank);
    void clearField();

    WordField *m_field;
    Duration m_duration{0};
    QTimer m_timer;
    bool m_waitingForPaint = false; // a word was shown, its time starts at its next paint
    bool m_covered = false;
    int m_remaining = 0; // milliseconds left when a box stopped the time
    // Measures the visible time from the word's paint to the white paint when
    // TRABELO_FLASH_LOG is set; off otherwise.
    bool m_log = false;
    QElapsedTimer m_visibleSince;
};
