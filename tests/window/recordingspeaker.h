// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "speech/speaker.h"

#include <QList>

#include <chrono>
#include <utility>

// Stands in for reading aloud: notes every call and is ready or not as the test says.
class RecordingSpeaker : public Speaker
{
public:
    struct Call
    {
        QString what; // prepare, say, stop, slow
        QStringList parts{};
        std::chrono::milliseconds pause{0};
        bool slow = false;
        bool operator==(const Call &) const = default;
    };
    QList<Call> calls;

    // Ready when the reason is empty; reports a change as the real speaker does.
    void setReason(const QString &reason, bool stalled = false)
    {
        m_stalled = stalled;
        if (std::exchange(m_reason, reason) != reason)
            emit readinessChanged();
    }
    void prepare() override { calls << Call{QStringLiteral("prepare")}; }
    bool isReady() const override { return m_reason.isEmpty(); }
    QString reason() const override { return m_reason; }
    bool hasStalled() const override { return m_stalled; }
    // Noted also when not ready, so a test sees the caller asked; the real one says nothing then.
    void say(const QStringList &parts, std::chrono::milliseconds pause) override
    {
        calls << Call{QStringLiteral("say"), parts, pause};
    }
    void stop() override { calls << Call{QStringLiteral("stop")}; }
    void setSlow(bool slow) override { calls << Call{QStringLiteral("slow"), {}, {}, slow}; }

private:
    QString m_reason = QStringLiteral("nicht bereit");
    bool m_stalled = false;
};
