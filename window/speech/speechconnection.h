// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "speechworker.h"
#include "utteranceengine.h"

#include <chrono>

class QThread;

// The window's end of one speech worker and its thread: starts both, asks the worker to
// connect, passes texts to it and its reports back, all queued. Nothing here waits for the
// worker except close(), and that only as long as it is told.
//
// A worker that never answered may be stuck for good in the toolkit's engine, which blocks
// while the service does not answer. It is left to itself: its thread is asked to quit and is
// deleted once it has finished, if ever; until then it stays referenced, never destroyed while
// running, so a stuck thread neither crashes nor holds up the program's exit.
class SpeechConnection : public UtteranceEngine
{
    Q_OBJECT

public:
    explicit SpeechConnection(const QString &engineName, QObject *parent = nullptr);
    // Without waiting: a worker still running is left to finish on its own.
    ~SpeechConnection() override;

    void speak(const QString &text) override;
    void cancel() override;
    void setSlow(bool slow) { m_slow = slow; }
    // Closes the worker's connection to the service and waits up to the limit for its thread to
    // end; meant for the program's exit, so no worker thread runs on while it shuts down.
    // Returns whether the thread has ended; never waits for a worker that has not answered.
    bool close(std::chrono::milliseconds limit);

signals:
    void opened(SpeechWorker::Outcome outcome, const QString &voiceName);

private:
    // Asks the worker to close and its thread to quit; afterwards the worker may be gone at any
    // moment and is no longer touched.
    void shutDown();
    template <typename Call> void post(Call call);

    QThread *m_thread;
    SpeechWorker *m_worker;
    bool m_answered = false, m_shutDown = false, m_slow = false;
};
