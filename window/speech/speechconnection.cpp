// SPDX-License-Identifier: GPL-3.0-or-later
#include "speechconnection.h"

#include <QThread>

namespace {

// Threads left to finish on their own, kept referenced while they run. Touched only on the
// thread of the window; never destroyed, as a running thread must not be.
QList<QThread *> &leftThreads()
{
    static auto *threads = new QList<QThread *>;
    return *threads;
}

void leaveToFinish(QThread *thread)
{
    leftThreads() << thread;
    // Queued to the window's thread, where the thread object lives.
    QObject::connect(thread, &QThread::finished, thread, [thread] {
        leftThreads().removeOne(thread);
        thread->deleteLater();
    });
    // It may have ended before the connection was made.
    if (thread->isFinished()) {
        leftThreads().removeOne(thread);
        thread->deleteLater();
    }
}

} // namespace

SpeechConnection::SpeechConnection(const QString &engineName, QObject *parent)
    : UtteranceEngine(parent), m_thread(new QThread), m_worker(new SpeechWorker(engineName))
{
    m_thread->setObjectName(QStringLiteral("speech"));
    m_worker->moveToThread(m_thread);
    // Deleted on its own thread as that ends, together with the engine it owns.
    connect(m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    connect(m_worker, &SpeechWorker::opened, this,
            [this](SpeechWorker::Outcome outcome, const QString &voiceName) {
                m_answered = true;
                emit opened(outcome, voiceName);
            });
    connect(m_worker, &SpeechWorker::speakingStarted, this, &UtteranceEngine::speakingStarted);
    connect(m_worker, &SpeechWorker::speakingEnded, this, &UtteranceEngine::speakingEnded);
    m_thread->start();
    post([](SpeechWorker *worker) { worker->open(); });
}

SpeechConnection::~SpeechConnection()
{
    shutDown();
    if (m_thread->isFinished())
        delete m_thread;
    else
        leaveToFinish(m_thread);
}

void SpeechConnection::shutDown()
{
    if (m_shutDown)
        return;
    m_worker->disconnect(this);
    if (m_answered)
        post([](SpeechWorker *worker) { worker->close(); });
    m_thread->quit();
    m_shutDown = true;
}

template <typename Call> void SpeechConnection::post(Call call)
{
    if (m_shutDown)
        return;
    QMetaObject::invokeMethod(
        m_worker, [worker = m_worker, call] { call(worker); }, Qt::QueuedConnection);
}

void SpeechConnection::speak(const QString &text)
{
    post([text, slow = m_slow](SpeechWorker *worker) { worker->say(text, slow); });
}

void SpeechConnection::cancel()
{
    post([](SpeechWorker *worker) { worker->stop(); });
}

bool SpeechConnection::close(std::chrono::milliseconds limit)
{
    shutDown();
    // A worker that never answered is stuck in connecting: waiting for it would be in vain.
    return m_answered && m_thread->wait(QDeadlineTimer(limit));
}
