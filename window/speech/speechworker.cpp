// SPDX-License-Identifier: GPL-3.0-or-later
#include "speechworker.h"

#include <QTextToSpeech>

#include <algorithm>

SpeechWorker::SpeechWorker(const QString &engineName) : m_engineName(engineName)
{}

std::optional<QLocale> SpeechWorker::germanLocale(const QList<QLocale> &locales)
{
    const QLocale germany(QLocale::German, QLocale::Germany);
    if (locales.contains(germany))
        return germany;
    QList<QLocale> german;
    std::copy_if(locales.begin(), locales.end(), std::back_inserter(german),
                 [](const QLocale &locale) { return locale.language() == QLocale::German; });
    if (german.isEmpty())
        return std::nullopt;
    return *std::min_element(german.begin(), german.end(), [](const QLocale &a, const QLocale &b) {
        return a.name() < b.name();
    });
}

// An engine that failed to connect stays until the connection goes: deleting it makes the
// toolkit's plugin try to connect once more, which would only delay the answer.
void SpeechWorker::open()
{
    const Outcome outcome = connectEngine();
    emit opened(outcome, outcome == Outcome::Ready ? m_speech->voice().name() : QString());
}

SpeechWorker::Outcome SpeechWorker::connectEngine()
{
    if (!QTextToSpeech::availableEngines().contains(m_engineName))
        return Outcome::ModuleMissing;
    m_speech = new QTextToSpeech(m_engineName, this);
    if (m_speech->state() == QTextToSpeech::Error)
        return m_speech->errorReason() == QTextToSpeech::ErrorReason::Initialization
                   ? Outcome::ServiceMissing
                   : Outcome::NoGermanVoice;
    const std::optional<QLocale> german = germanLocale(m_speech->availableLocales());
    if (!german)
        return Outcome::NoGermanVoice;
    // The engine takes the first voice the service lists for the locale: the synthesiser's
    // plain voice for the language, which the service also speaks with when asked only for the
    // language. Picking one of the many variants here would override that default.
    m_speech->setLocale(*german);
    if (m_speech->locale().language() != QLocale::German)
        return Outcome::NoGermanVoice;
    m_normalRate = m_rate = m_speech->rate();
    connect(m_speech, &QTextToSpeech::stateChanged, this, [this](QTextToSpeech::State state) {
        if (state == QTextToSpeech::Speaking)
            emit speakingStarted();
        else if (state == QTextToSpeech::Ready)
            emit speakingEnded();
    });
    return Outcome::Ready;
}

void SpeechWorker::say(const QString &text, bool slow)
{
    if (!m_speech)
        return;
    const double rate = slow ? std::max(-1.0, m_normalRate - 0.5) : m_normalRate;
    if (rate != m_rate)
        m_speech->setRate(rate);
    m_rate = rate;
    m_speech->say(text);
}

void SpeechWorker::stop()
{
    if (m_speech)
        m_speech->stop();
}

void SpeechWorker::close()
{
    delete m_speech;
    m_speech = nullptr;
}
