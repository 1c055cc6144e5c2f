// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a speaker against the service SPEECHD_ADDRESS names and ends the program after the given
// time or, given a word, once it has begun to say the word; prints the speaker's reason as it
// ends. The speaker test checks that the program ends cleanly in each state of the worker.
// Usage: speakerexit <connect limit ms> <run ms> [word]

#include "qtspeaker.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    QtSpeakerOptions options;
    options.connectLimit = std::chrono::milliseconds(arguments.value(1).toInt());
    const QString word = arguments.value(3);
    QString reasonAtExit;
    {
        QtSpeaker speaker(options);
        QObject::connect(&speaker, &Speaker::readinessChanged, &app, [&] {
            if (speaker.isReady() && !word.isEmpty())
                speaker.say({word}, std::chrono::milliseconds(0));
        });
        QObject::connect(&speaker, &QtSpeaker::speakingChanged, &app, [&](bool speaking) {
            if (speaking)
                app.quit();
        });
        speaker.prepare();
        QTimer::singleShot(arguments.value(2).toInt(), &app, &QCoreApplication::quit);
        const int code = app.exec();
        if (code != 0)
            return code;
        reasonAtExit = speaker.reason();
    }
    std::puts(reasonAtExit.toUtf8().constData());
    return 0;
}
