// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "speaker.h"
#include "speechchain.h"
#include "speechworker.h"

#include <QTimer>

#include <chrono>

class QThread;

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

// Reads aloud with the toolkit's speech engine, which a worker creates on a thread of its own
// so that a service that does not answer never blocks the window. The speaker talks to its
// worker only through queued calls and queued signals, and never waits for it except at its
// end, and then only for a worker that has answered.
//
// A connection that has not answered within the limit counts as no engine ("antwortet
// nicht"); should it answer later all the same, its answer is taken. The next prepare() gives
// it up and tries again with a fresh worker, so call prepare() when the user asks for speech,
// not on a timer. A worker given up may be stuck for good in the toolkit's engine, which
// blocks while the service does not answer: its thread is asked to quit and is deleted once it
// has finished, if ever, so that a stuck thread neither crashes nor holds up the exit.
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
    bool hasStalled() const override { return m_stalled; }
    void say(const QStringList &parts, std::chrono::milliseconds pause) override;
    void stop() override;
    void setSlow(bool slow) override;

    // The voice the service speaks with once ready, else empty.
    QString voiceName() const { return m_voiceName; }

signals:
    // The service started saying a part (true) or went quiet again (false).
    void speakingChanged(bool speaking);

private:
    void startWorker();
    // Lets go of the worker: asks it to close its connection and its thread to quit, waits up
    // to the limit for one that has answered, and leaves a thread still running to finish.
    void leaveWorker(std::chrono::milliseconds wait);
    void opened(SpeechWorker::Outcome outcome, const QString &voiceName);
    void fail(const QString &reason, bool stalled = false);
    void setReason(const QString &reason);
    template <typename Call> void post(Call call);

    QtSpeakerOptions m_options;
    QTimer m_connectTimer;
    SpeechChain m_chain;
    QThread *m_thread = nullptr; // with the worker; both null while there is none
    SpeechWorker *m_worker = nullptr;
    QString m_reason, m_voiceName;
    bool m_answered = false, m_timedOut = false, m_stalled = false;
    bool m_slow = false, m_sayingSlow = false;
    // Asked for while stalled: said once the new connection is ready.
    QStringList m_waitingParts;
    std::chrono::milliseconds m_waitingPause{0};
};
