// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/prctl.h>

// The desktop's speech service of a test, on a socket of its own, with its configuration and
// logs in a folder of its own. No sound device needed: it plays into a file (ALSA's file device
// over its null device). It ends with the test, also when the test crashes.
struct SpeechService
{
    QTemporaryDir dir;
    QProcess process;

    QString socket() const { return dir.filePath(QStringLiteral("speechd.sock")); }
    QString soundFile() const { return dir.filePath(QStringLiteral("sound.raw")); }

    // Where the speech library looks for the service.
    static void use(const QString &socket)
    {
        qputenv("SPEECHD_ADDRESS", "unix_socket:" + socket.toUtf8());
    }

    // True once the service listens on its socket.
    bool start()
    {
        QFile conf(dir.filePath(QStringLiteral("speechd.conf")));
        if (!conf.open(QIODevice::WriteOnly))
            return false;
        conf.write("AudioOutputMethod \"alsa\"\nAudioALSADevice \"file:FILE=" +
                   soundFile().toUtf8() + ",FORMAT=raw\"\n");
        conf.close();
        process.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
        const QString options = QStringLiteral("--run-single --timeout 0 --log-level 1 "
                                               "--communication-method unix_socket");
        process.start(QStringLiteral("speech-dispatcher"),
                      options.split(u' ') + QStringList{QStringLiteral("--socket-path"), socket(),
                                                        QStringLiteral("--config-dir"), dir.path(),
                                                        QStringLiteral("--log-dir"), dir.path(),
                                                        QStringLiteral("--pid-file"),
                                                        dir.filePath(QStringLiteral("pid"))});
        return QTest::qWaitFor([this] { return QFile::exists(socket()); }, 15000);
    }

    // True once the service has ended.
    bool stop()
    {
        process.terminate();
        if (!process.waitForFinished(3000))
            process.kill();
        process.waitForFinished(5000);
        return process.state() == QProcess::NotRunning;
    }
};
