// SPDX-License-Identifier: GPL-3.0-or-later
#include "flashreading.h"

#include "wordfield.h"

#include <QDebug>

FlashReading::FlashReading(WordField *field, QObject *parent)
    : QObject(parent), m_field(field), m_log(qEnvironmentVariableIsSet("TRABELO_FLASH_LOG"))
{
    // A coarse timer may fire several milliseconds late; the word's time must hold within a frame.
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &FlashReading::clearField);
    connect(field, &WordField::painted, this, &FlashReading::onPainted);
}

void FlashReading::setDuration(Duration duration)
{
    if (duration == m_duration)
        return;
    m_duration = duration;
    m_timer.stop();
    m_remaining = 0;
    // The word is shown again and gets the whole new time from its next paint on.
    m_waitingForPaint = isOn();
    m_field->setBlank(false);
    m_field->update();
}

void FlashReading::wordShown()
{
    if (!isOn())
        return;
    m_timer.stop();
    m_remaining = 0;
    m_waitingForPaint = true;
    m_field->setBlank(false);
    m_field->update();
}

void FlashReading::setCovered(bool covered)
{
    m_covered = covered;
    if (!isOn())
        return;
    if (covered && m_timer.isActive()) {
        m_remaining = std::max(1, m_timer.remainingTime());
        m_timer.stop();
    } else if (!covered && m_remaining > 0) {
        m_timer.start(std::exchange(m_remaining, 0));
    } else if (!covered && m_waitingForPaint) {
        m_field->update(); // the time starts at the paint that shows the word uncovered
    }
}

void FlashReading::onPainted(bool blank)
{
    if (blank) {
        if (m_log && m_visibleSince.isValid())
            qInfo().noquote() << QStringLiteral("flash: word visible for %1 ms")
                                     .arg(m_visibleSince.nsecsElapsed() / 1e6, 0, 'f', 1);
        m_visibleSince.invalidate();
        return;
    }
    if (!m_waitingForPaint || m_covered || !isOn() || !m_field->isVisible())
        return;
    m_waitingForPaint = false;
    m_visibleSince.start();
    m_timer.start(m_duration);
}

void FlashReading::clearField()
{
    m_field->setBlank(true);
}
