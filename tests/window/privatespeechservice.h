// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <sys/prctl.h>

using namespace Qt::StringLiterals;

// The desktop's speech service started for one test, on a socket of its own in a temporary
// folder, with its configuration, logs and sound there too. No sound device is needed: the
// service plays into a file (ALSA's file device over its null device), so a test can see that
// sound was made and how much. Stopped when the object goes.
class PrivateSpeechService
{
public:
    // More configuration lines may restrict the output modules or change the sound device.
    explicit PrivateSpeechService(const QByteArray &configuration = {})
    {
        QDir().mkpath(m_dir.filePath(u"conf"_s));
        QFile conf(m_dir.filePath(u"conf/speechd.conf"_s));
        const QByteArray sound = m_dir.filePath(u"sound.raw"_s).toUtf8();
        if (!conf.open(QIODevice::WriteOnly) ||
            conf.write("AudioOutputMethod \"alsa\"\nAudioALSADevice \"file:FILE=" + sound +
                       ",FORMAT=raw\"\n" + configuration) < 0)
            return;
        conf.close();
        // Ends with the test, also when the test crashes.
        m_process.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
        m_process.setStandardOutputFile(m_dir.filePath(u"stdout.log"_s));
        m_process.setStandardErrorFile(m_dir.filePath(u"stderr.log"_s));
        m_process.start(u"speech-dispatcher"_s,
                        {u"--run-single"_s, u"--timeout"_s, u"0"_s, u"--communication-method"_s,
                         u"unix_socket"_s, u"--socket-path"_s, socketPath(), u"--config-dir"_s,
                         m_dir.filePath(u"conf"_s), u"--log-dir"_s, m_dir.path(), u"--pid-file"_s,
                         m_dir.filePath(u"pid"_s), u"--log-level"_s, u"1"_s});
    }
    ~PrivateSpeechService()
    {
        m_process.terminate();
        if (m_process.waitForFinished(3000))
            return;
        m_process.kill();
        m_process.waitForFinished(5000);
    }

    // Whether the service came up and listens within the time.
    bool waitUntilListening(int milliseconds = 15000) const
    {
        const QDeadlineTimer deadline(milliseconds);
        while (m_process.state() != QProcess::NotRunning && !deadline.hasExpired()) {
            if (QFileInfo(socketPath()).exists())
                return true;
            QThread::msleep(20);
        }
        return false;
    }
    QString socketPath() const { return m_dir.filePath(u"speechd.sock"_s); }
    // As the speech library takes it from SPEECHD_ADDRESS.
    QByteArray address() const { return "unix_socket:" + socketPath().toUtf8(); }
    // Bytes of sound played so far.
    qint64 soundBytes() const { return QFileInfo(m_dir.filePath(u"sound.raw"_s)).size(); }

private:
    QTemporaryDir m_dir;
    QProcess m_process;
};
