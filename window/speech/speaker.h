// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>

#include <chrono>

// Reading aloud as the window sees it. Nothing here may block the window: connecting to the
// speech service and speaking happen in the background.
class Speaker : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Starts connecting in the background when not yet connected (or after a failure); never
    // blocks.
    virtual void prepare() = 0;
    // True once a German voice is ready; reason() then is empty. Otherwise reason() says in
    // German what is missing or that it is still connecting.
    virtual bool isReady() const = 0;
    virtual QString reason() const = 0;
    // True after the service took a part and played nothing: not ready, but the next say()
    // tries again (connecting anew and saying it once ready), so whatever reads aloud stays
    // usable. A missing service or voice is no stall.
    virtual bool hasStalled() const = 0;
    // Says each part in turn with `pause` between them (one part: the whole word). Stops
    // whatever was being said first. Does nothing when not ready, unless stalled.
    virtual void say(const QStringList &parts, std::chrono::milliseconds pause) = 0;
    // Cheap and safe at any time, also when nothing is being said.
    virtual void stop() = 0;
    // A slower rate for the following says.
    virtual void setSlow(bool slow) = 0;

signals:
    // isReady() or reason() changed.
    void readinessChanged();
    // The service reports that it started saying the part at `index` of the last say()'s
    // parts: from now on the listener hears it. It follows the service, not the request.
    void partStarted(int index);
    // The last say() is over: its last part has been said, or the service stopped playing it.
    // Neither stop() nor a say() that replaces it emits this.
    void finished();
};
