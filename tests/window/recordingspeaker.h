#pragma once

#include "speaker.h"

#include <QList>

#include <chrono>

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

    // Ready when the reason is empty; reports the change as the real speaker does.
    void setReason(const QString &reason)
    {
        const bool changed = reason != m_reason;
        m_reason = reason;
        if (changed)
            emit readinessChanged();
    }

    void prepare() override { calls << Call{.what = QStringLiteral("prepare")}; }
    bool isReady() const override { return m_reason.isEmpty(); }
    QString reason() const override { return m_reason; }
    // Noted also when not ready, so a test sees the caller asked; the real one says nothing then.
    void say(const QStringList &parts, std::chrono::milliseconds pause) override
    {
        calls << Call{.what = QStringLiteral("say"), .parts = parts, .pause = pause};
    }
    void stop() override { calls << Call{.what = QStringLiteral("stop")}; }
    void setSlow(bool slow) override
    {
        calls << Call{.what = QStringLiteral("slow"), .slow = slow};
    }

private:
    QString m_reason = QStringLiteral("nicht bereit");
};
