// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
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
        QDir().mkpath(dir.filePath(QStringLiteral("conf")));
        QFile conf(dir.filePath(QStringLiteral("conf/speechd.conf")));
        if (!conf.open(QIODevice::WriteOnly))
            return false;
        conf.write("AudioOutputMethod \"alsa\"\nAudioALSADevice \"file:FILE=" +
                   soundFile().toUtf8() + ",FORMAT=raw\"\n");
        conf.close();
        process.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
        const auto in = [this](const char *name) { return dir.filePath(QString::fromUtf8(name)); };
        process.start(QStringLiteral("speech-dispatcher"),
                      {QStringLiteral("--run-single"), QStringLiteral("--timeout"),
                       QStringLiteral("0"), QStringLiteral("--communication-method"),
                       QStringLiteral("unix_socket"), QStringLiteral("--socket-path"), socket(),
                       QStringLiteral("--config-dir"), in("conf"), QStringLiteral("--log-dir"),
                       dir.path(), QStringLiteral("--pid-file"), in("pid"),
                       QStringLiteral("--log-level"), QStringLiteral("1")});
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
