// SPDX-License-Identifier: GPL-3.0-or-later
#include "speechchain.h"

#include <algorithm>

namespace {

bool sayable(const QString &part)
{
    return std::any_of(part.begin(), part.end(), [](QChar c) { return c.isLetterOrNumber(); });
}

} // namespace

SpeechChain::SpeechChain(Speak speak, Cancel cancel, std::chrono::milliseconds partLimit,
                         QObject *parent)
    : QObject(parent), m_speak(std::move(speak)), m_cancel(std::move(cancel))
{
    // A coarse timer may fire up to 5 % early; a pause is never shorter than asked for.
    m_pauseTimer.setTimerType(Qt::PreciseTimer);
    m_pauseTimer.setSingleShot(true);
    m_partTimer.setSingleShot(true);
    m_partTimer.setInterval(partLimit);
    connect(&m_pauseTimer, &QTimer::timeout, this, &SpeechChain::speakNext);
    connect(&m_partTimer, &QTimer::timeout, this, &SpeechChain::partStalled);
}

void SpeechChain::start(const QStringList &parts, std::chrono::milliseconds pause)
{
    cancel();
    for (int i = 0; i < parts.size(); ++i)
        if (sayable(parts[i]))
            m_waiting << Part{i, parts[i]};
    m_pauseTimer.setInterval(pause);
    if (!m_waiting.isEmpty())
        speakNext();
}

void SpeechChain::cancel()
{
    const bool underWay = m_phase == Phase::Requested || m_phase == Phase::Speaking;
    m_waiting.clear();
    m_pauseTimer.stop();
    m_partTimer.stop();
    m_phase = Phase::Idle;
    if (underWay)
        m_cancel();
}

void SpeechChain::speakNext()
{
    const Part part = m_waiting.takeFirst();
    m_phase = Phase::Requested;
    m_current = part.index;
    m_partTimer.start();
    m_speak(part.text);
}

void SpeechChain::partStarted()
{
    if (m_phase != Phase::Requested)
        return;
    m_phase = Phase::Speaking;
    emit speaking(m_current);
}

void SpeechChain::partEnded()
{
    if (m_phase != Phase::Speaking)
        return;
    m_partTimer.stop();
    if (m_waiting.isEmpty()) {
        m_phase = Phase::Idle;
        emit finished();
        return;
    }
    m_phase = Phase::Pausing;
    m_pauseTimer.start();
}

void SpeechChain::partStalled()
{
    cancel();
    emit stalled();
}
