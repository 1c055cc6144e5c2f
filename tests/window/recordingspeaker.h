// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "speech/speaker.h"

#include <QStringList>

#include <chrono>
#include <utility>

// Stands in for reading aloud: notes every call and is ready or not as the test says.
class RecordingSpeaker : public Speaker
{
public:
    // "prepare", "say Ba|na 350" (the parts, the pause in ms), "stop", "slow 1".
    QStringList calls;

    // Ready when the reason is empty; reports a change as the real speaker does.
    void setReason(const QString &reason, bool stalled = false)
    {
        m_stalled = stalled;
        if (std::exchange(m_reason, reason) != reason)
            emit readinessChanged();
    }
    void prepare() override { calls << QStringLiteral("prepare"); }
    bool isReady() const override { return m_reason.isEmpty(); }
    QString reason() const override { return m_reason; }
    bool hasStalled() const override { return m_stalled; }
    // Noted also when not ready, so a test sees the caller asked; the real one says nothing then.
    void say(const QStringList &parts, std::chrono::milliseconds pause) override
    {
        calls << QStringLiteral("say %1 %2").arg(parts.join(u'|')).arg(pause.count());
    }
    void stop() override { calls << QStringLiteral("stop"); }
    void setSlow(bool slow) override { calls << QStringLiteral("slow %1").arg(int(slow)); }

private:
    QString m_reason = QStringLiteral("nicht bereit");
    bool m_stalled = false;
};
