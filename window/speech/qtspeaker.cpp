// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtspeaker.h"

#include "windowtexts.h"

#include <QThread>

namespace {

// Worker threads left to finish on their own, kept referenced while they run. Touched only on
// the speaker's thread; never destroyed, as a running thread must not be.
QList<QThread *> &leftThreads()
{
    static auto *threads = new QList<QThread *>;
    return *threads;
}

void leaveToFinish(QThread *thread)
{
    leftThreads() << thread;
    // Queued to the speaker's thread, where the thread object lives.
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

QtSpeaker::QtSpeaker(QObject *parent) : QtSpeaker(QtSpeakerOptions(), parent)
{}

QtSpeaker::QtSpeaker(const QtSpeakerOptions &options, QObject *parent)
    : Speaker(parent), m_options(options),
      m_chain(
          [this](const QString &part) {
              post([part, slow = m_sayingSlow](SpeechWorker *worker) { worker->say(part, slow); });
          },
          [this] { post([](SpeechWorker *worker) { worker->stop(); }); }, options.partLimit),
      m_reason(WindowTexts::speechNotStarted)
{
    m_connectTimer.setSingleShot(true);
    m_connectTimer.setInterval(options.connectLimit);
    connect(&m_connectTimer, &QTimer::timeout, this, [this] {
        m_timedOut = true;
        m_stalled = false;
        setReason(WindowTexts::speechNotAnswering);
    });
    connect(&m_chain, &SpeechChain::speaking, this, &Speaker::partStarted);
    connect(&m_chain, &SpeechChain::finished, this, &Speaker::finished);
    connect(&m_chain, &SpeechChain::stalled, this, [this] {
        fail(WindowTexts::speechNoSound, true);
        emit finished();
    });
}

QtSpeaker::~QtSpeaker()
{
    stop();
    leaveWorker(m_options.closeLimit);
}

void QtSpeaker::prepare()
{
    if (m_thread && !m_timedOut)
        return;
    leaveWorker(std::chrono::milliseconds(0));
    startWorker();
}

void QtSpeaker::startWorker()
{
    m_thread = new QThread;
    m_thread->setObjectName(QStringLiteral("speech"));
    m_worker = new SpeechWorker(m_options.engine);
    m_worker->moveToThread(m_thread);
    // Deleted on its own thread as that ends, together with the engine it owns.
    connect(m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    connect(m_worker, &SpeechWorker::opened, this, &QtSpeaker::opened);
    connect(m_worker, &SpeechWorker::speakingStarted, this, [this] {
        m_chain.partStarted();
        emit speakingChanged(true);
    });
    connect(m_worker, &SpeechWorker::speakingEnded, this, [this] {
        m_chain.partEnded();
        emit speakingChanged(false);
    });
    m_thread->start();
    post([](SpeechWorker *worker) { worker->open(); });
    m_timedOut = false;
    m_connectTimer.start();
    setReason(WindowTexts::speechConnecting);
}

void QtSpeaker::leaveWorker(std::chrono::milliseconds wait)
{
    if (!m_thread)
        return;
    m_worker->disconnect(this);
    // A worker that never answered is stuck in connecting: waiting for it would be in vain.
    if (m_answered)
        post([](SpeechWorker *worker) { worker->close(); });
    m_thread->quit();
    if (m_answered)
        m_thread->wait(QDeadlineTimer(wait));
    if (m_thread->isFinished())
        delete m_thread;
    else
        leaveToFinish(m_thread);
    m_thread = nullptr;
    m_worker = nullptr;
    m_answered = false;
}

void QtSpeaker::opened(SpeechWorker::Outcome outcome, const QString &voiceName)
{
    m_answered = true;
    m_connectTimer.stop();
    m_timedOut = false;
    switch (outcome) {
    case SpeechWorker::Outcome::ModuleMissing:
        return fail(WindowTexts::speechModuleMissing);
    case SpeechWorker::Outcome::ServiceMissing:
        return fail(WindowTexts::speechServiceMissing);
    case SpeechWorker::Outcome::NoGermanVoice:
        return fail(WindowTexts::speechNoGermanVoice);
    case SpeechWorker::Outcome::Ready:
        break;
    }
    m_voiceName = voiceName;
    m_stalled = false;
    setReason(QString());
    if (!m_waitingParts.isEmpty())
        say(std::exchange(m_waitingParts, {}), m_waitingPause);
}

// Called from the worker's and the chain's own signals: the worker is let go without waiting.
void QtSpeaker::fail(const QString &reason, bool stalled)
{
    m_connectTimer.stop();
    m_chain.cancel();
    leaveWorker(std::chrono::milliseconds(0));
    m_voiceName.clear();
    m_stalled = stalled;
    if (!stalled)
        m_waitingParts.clear();
    setReason(reason);
}

void QtSpeaker::setReason(const QString &reason)
{
    if (reason == m_reason)
        return;
    m_reason = reason;
    emit readinessChanged();
}

template <typename Call> void QtSpeaker::post(Call call)
{
    if (!m_worker)
        return;
    QMetaObject::invokeMethod(
        m_worker, [worker = m_worker, call] { call(worker); }, Qt::QueuedConnection);
}

void QtSpeaker::say(const QStringList &parts, std::chrono::milliseconds pause)
{
    if (m_stalled) {
        m_waitingParts = parts;
        m_waitingPause = pause;
        prepare();
        return;
    }
    if (!isReady())
        return;
    // A word keeps the rate it was begun with to its end.
    m_sayingSlow = m_slow;
    m_chain.start(parts, pause);
}

void QtSpeaker::stop()
{
    m_waitingParts.clear();
    m_chain.cancel();
}

// Taken up by the next say(); a word being said keeps its rate to the end.
void QtSpeaker::setSlow(bool slow)
{
    m_slow = slow;
}
