// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QObject>

#include <optional>

class QTextToSpeech;

// Owns the toolkit's speech engine on a thread of its own: creating the engine connects to the
// speech service and can block for as long as the service does not answer. Talked to only
// through queued calls and queued signals.
class SpeechWorker : public QObject
{
    Q_OBJECT

public:
    enum class Outcome
    {
        Ready,
        ModuleMissing,
        ServiceMissing,
        NoGermanVoice
    };
    Q_ENUM(Outcome)

    explicit SpeechWorker(const QString &engineName);

    // German of Germany when offered, else the first other German one (by name), else none.
    static std::optional<QLocale> germanLocale(const QList<QLocale> &locales);

    // Connects and picks the German locale, leaving the voice to the service's default for it.
    // Reports opened() once, also on failure.
    void open();
    // Says the text after stopping what was being said; slow: at a rate half the range below
    // the service's own.
    void say(const QString &text, bool slow);
    void stop();
    // Closes the connection to the service.
    void close();

signals:
    void opened(SpeechWorker::Outcome outcome, const QString &voiceName);
    void speakingStarted();
    void speakingEnded();

private:
    Outcome connectEngine();

    QString m_engineName;
    QTextToSpeech *m_speech = nullptr;
    double m_normalRate = 0, m_rate = 0;
};
