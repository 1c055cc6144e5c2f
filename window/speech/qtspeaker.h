// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "speaker.h"
#include "speechworker.h"

#include <QTimer>

#include <chrono>
#include <memory>

class SpeechChain;
class SpeechConnection;

struct QtSpeakerOptions
{
    // The toolkit's speech engine to use; the desktop's speech service by default.
    QString engine = QStringLiteral("speechd");
    // Connecting takes 3 s on an idle two-core machine, 7 s on a busy one, most of it spent
    // listing the service's voices; a slower answer is still taken when it comes.
    std::chrono::milliseconds connectLimit{10000};
    // A part not said within this has stalled: the service plays nothing.
    std::chrono::milliseconds partLimit{10000};
    // How long the exit waits for the worker thread to close the connection.
    std::chrono::milliseconds closeLimit{1000};
};

// Reads aloud with the toolkit's speech engine, created lazily on a worker thread so that a
// service that does not answer never blocks the window. A connection that has not answered
// within the limit counts as no engine ("antwortet nicht"); should it answer later all the
// same, its answer is taken. The next prepare() gives it up and tries again with a fresh
// worker, so call prepare() when the user asks for speech, not on a timer. A part that stalls
// makes the speaker unavailable until the next prepare().
class QtSpeaker : public Speaker
{
    Q_OBJECT

public:
    explicit QtSpeaker(QObject *parent = nullptr);
    explicit QtSpeaker(const QtSpeakerOptions &options, QObject *parent = nullptr);
    ~QtSpeaker() override;

    void prepare() override;
    bool isReady() const override { return m_reason.isEmpty(); }
    QString reason() const override { return m_reason; }
    void say(const QStringList &parts, std::chrono::milliseconds pause) override;
    void stop() override;
    void setSlow(bool slow) override;

    // The voice the service speaks with once ready, else empty.
    QString voiceName() const { return m_voiceName; }

signals:
    // The service started saying a part (true) or went quiet again (false).
    void speakingChanged(bool speaking);

private:
    void opened(SpeechWorker::Outcome outcome, const QString &voiceName);
    void fail(const QString &reason);
    void setReason(const QString &reason);

    QtSpeakerOptions m_options;
    QTimer m_connectTimer;
    std::unique_ptr<SpeechConnection> m_connection;
    std::unique_ptr<SpeechChain> m_chain;
    QString m_reason, m_voiceName;
    bool m_slow = false, m_timedOut = false;
};
