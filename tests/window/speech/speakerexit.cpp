// SPDX-License-Identifier: GPL-3.0-or-later
// Connects a speaker to the service SPEECHD_ADDRESS names with a limit of 1 s, quits 1.5 s later
// and prints the speaker's reason once the speaker has gone. The speaker test watches it end.

#include "speech/qtspeaker.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>

using namespace std::chrono_literals;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QString reasonAtExit;
    {
        QtSpeakerOptions options;
        options.connectLimit = 1s;
        QtSpeaker speaker(options);
        speaker.prepare();
        QTimer::singleShot(1500ms, &app, &QCoreApplication::quit);
        if (app.exec() != 0)
            return 1;
        reasonAtExit = speaker.reason();
    }
    std::puts(reasonAtExit.toUtf8().constData());
}
