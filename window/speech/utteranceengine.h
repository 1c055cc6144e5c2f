// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

// Says one text at a time: what the chain of syllables drives.
class UtteranceEngine : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Starts saying the text; the engine reports speakingStarted() and, once it is quiet
    // again, speakingEnded().
    virtual void speak(const QString &text) = 0;
    // Ends what is being said; the engine may still report speakingEnded() for it, later.
    virtual void cancel() = 0;

signals:
    void speakingStarted();
    // Quiet again: the text has been said or was cancelled.
    void speakingEnded();
};
