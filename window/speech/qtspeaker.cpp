// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtspeaker.h"

#include "speechchain.h"
#include "speechconnection.h"
#include "windowtexts.h"

QtSpeaker::QtSpeaker(QObject *parent) : QtSpeaker(QtSpeakerOptions(), parent)
{}

QtSpeaker::QtSpeaker(const QtSpeakerOptions &options, QObject *parent)
    : Speaker(parent), m_options(options), m_reason(WindowTexts::speechNotStarted)
{
    m_connectTimer.setSingleShot(true);
    m_connectTimer.setInterval(options.connectLimit);
    connect(&m_connectTimer, &QTimer::timeout, this, [this] {
        m_timedOut = true;
        setReason(WindowTexts::speechNotAnswering);
    });
}

QtSpeaker::~QtSpeaker()
{
    stop();
    m_chain.reset();
    if (m_connection)
        m_connection->close(m_options.closeLimit);
}

void QtSpeaker::prepare()
{
    if (m_connection && !m_timedOut)
        return;
    m_connection.reset();
    m_timedOut = false;
    m_connection = std::make_unique<SpeechConnection>(m_options.engine);
    connect(m_connection.get(), &SpeechConnection::opened, this, &QtSpeaker::opened);
    m_connectTimer.start();
    setReason(WindowTexts::speechConnecting);
}

void QtSpeaker::opened(SpeechWorker::Outcome outcome, const QString &voiceName)
{
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
    m_chain = std::make_unique<SpeechChain>(*m_connection, m_options.partLimit);
    connect(m_chain.get(), &SpeechChain::stalled, this,
            [this] { fail(WindowTexts::speechNoSound); });
    connect(m_connection.get(), &UtteranceEngine::speakingStarted, this,
            [this] { emit speakingChanged(true); });
    connect(m_connection.get(), &UtteranceEngine::speakingEnded, this,
            [this] { emit speakingChanged(false); });
    setReason(QString());
}

// Called from the connection's and the chain's own signals, so both go later, not at once.
void QtSpeaker::fail(const QString &reason)
{
    m_connectTimer.stop();
    if (m_chain) {
        m_chain->cancel();
        m_chain->disconnect(this);
        m_chain.release()->deleteLater();
    }
    if (m_connection) {
        m_connection->disconnect(this);
        m_connection.release()->deleteLater();
    }
    m_voiceName.clear();
    setReason(reason);
}

void QtSpeaker::setReason(const QString &reason)
{
    if (reason == m_reason)
        return;
    m_reason = reason;
    emit readinessChanged();
}

void QtSpeaker::say(const QStringList &parts, std::chrono::milliseconds pause)
{
    if (!m_chain)
        return;
    m_connection->setSlow(m_slow);
    m_chain->start(parts, pause);
}

void QtSpeaker::stop()
{
    if (m_chain)
        m_chain->cancel();
}

// Taken up by the next say(); a word being said keeps its rate to the end.
void QtSpeaker::setSlow(bool slow)
{
    m_slow = slow;
}
