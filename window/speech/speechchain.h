// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <chrono>
#include <functional>

// Says parts one after the other through an engine that says one text at a time: the next
// part follows a pause after the engine has gone quiet. A new start or a cancel ends the
// chain, also during a pause. A part that does not end within the part limit stops the chain
// and counts as stalled (the service took the text but plays nothing).
class SpeechChain : public QObject
{
    Q_OBJECT

public:
    // Hands a text to the engine, or ends what it is saying; neither may wait for it.
    using Speak = std::function<void(const QString &text)>;
    using Cancel = std::function<void()>;

    SpeechChain(Speak speak, Cancel cancel, std::chrono::milliseconds partLimit,
                QObject *parent = nullptr);

    // Cancels what is being said, then says the parts holding a letter or digit in order; the
    // others are skipped but keep their place in the count of speaking().
    void start(const QStringList &parts, std::chrono::milliseconds pause);
    // Cheap when nothing is being said: the engine is only told while a part is under way.
    void cancel();
    bool isActive() const { return m_phase != Phase::Idle; }

    // What the engine reports: it started saying the text it was given, or it is quiet again
    // (the text has been said or was cancelled).
    void partStarted();
    void partEnded();

signals:
    // The engine started saying the part at `index` of the parts given to start().
    void speaking(int index);
    // The last part has been said.
    void finished();
    // A part did not end within the part limit; the chain has stopped.
    void stalled();

private:
    // Requested: the engine has the text but has not yet reported speaking it. Only an end
    // after its start counts, so the late end of a cancelled part does not advance the chain.
    enum class Phase
    {
        Idle,
        Requested,
        Speaking,
        Pausing
    };

    void speakNext();
    void partStalled();

    struct Part
    {
        int index;
        QString text;
    };

    Speak m_speak;
    Cancel m_cancel;
    QList<Part> m_waiting;
    int m_current = -1; // the index of the part under way
    QTimer m_pauseTimer, m_partTimer;
    Phase m_phase = Phase::Idle;
};
