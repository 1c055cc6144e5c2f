// SPDX-License-Identifier: GPL-3.0-or-later
#include "scratchfiles.h"
#include "speech/qtspeaker.h"
#include "windowtexts.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <optional>
#include <sys/prctl.h>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

class TestQtSpeaker : public QObject
{
    Q_OBJECT

    // The desktop's speech service of the test, with its socket, configuration and logs here.
    QTemporaryDir dir;
    QProcess service;

    // Where the speech library looks for the service.
    static void useService(const QString &socket)
    {
        qputenv("SPEECHD_ADDRESS", "unix_socket:" + socket.toUtf8());
    }

private Q_SLOTS:
    // No sound device needed: the service plays into a file (ALSA's file device over its null
    // device). It ends with the test, also when the test crashes.
    void initTestCase()
    {
        QVERIFY(QDir().mkpath(dir.filePath(u"conf"_s)));
        QVERIFY(writeFile(dir.filePath(u"conf/speechd.conf"_s),
                          "AudioOutputMethod \"alsa\"\nAudioALSADevice \"file:FILE=" +
                              dir.filePath(u"sound.raw"_s).toUtf8() + ",FORMAT=raw\"\n"));
        service.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
        service.start(u"speech-dispatcher"_s,
                      {u"--run-single"_s, u"--timeout"_s, u"0"_s, u"--communication-method"_s,
                       u"unix_socket"_s, u"--socket-path"_s, dir.filePath(u"speechd.sock"_s),
                       u"--config-dir"_s, dir.filePath(u"conf"_s), u"--log-dir"_s, dir.path(),
                       u"--pid-file"_s, dir.filePath(u"pid"_s), u"--log-level"_s, u"1"_s});
        QTRY_VERIFY2_WITH_TIMEOUT(QFile::exists(dir.filePath(u"speechd.sock"_s)),
                                  "the speech service did not start", 15000);
    }
    void cleanupTestCase()
    {
        service.terminate();
        if (!service.waitForFinished(3000))
            service.kill();
        service.waitForFinished(5000);
    }

    // A German voice, the service's default for the language; a word's syllables reach the
    // speaking state and the read-along band's places, and a stop reaches the service.
    void saysWordWithGermanVoice()
    {
        useService(dir.filePath(u"speechd.sock"_s));
        QtSpeakerOptions options;
        options.connectLimit = 100ms; // shorter than connecting takes: the late answer is taken
        // The long text below takes seconds to say even into a file, and far longer on a busy
        // machine; with the usual limit it counted as stalled.
        options.partLimit = 120s;
        QtSpeaker speaker(options);
        QString speaking; // + speaking, - quiet again
        connect(&speaker, &QtSpeaker::speakingChanged, this,
                [&](bool on) { speaking += on ? u'+' : u'-'; });
        QList<int> started; // the places the read-along band follows
        connect(&speaker, &Speaker::partStarted, this, [&](int part) { started << part; });
        speaker.prepare();
        QCOMPARE(speaker.reason(), WindowTexts::speechConnecting);
        QTRY_COMPARE(speaker.reason(), WindowTexts::speechNotAnswering);
        QTRY_COMPARE_WITH_TIMEOUT(speaker.reason(), QString(), 60000);
        QCOMPARE(speaker.voiceName(), u"German"_s); // not a variant such as "German+Anna"
        speaker.say({u"Ba"_s, u"na"_s, u"ne"_s}, 50ms);
        QTRY_COMPARE_WITH_TIMEOUT(speaking, u"+-+-+-"_s, 10000);
        QCOMPARE(started, (QList<int>{0, 1, 2}));
        // The bytes of sound a long text makes, said in full or stopped as it starts.
        const auto soundOf = [&, file = dir.filePath(u"sound.raw"_s)](bool stop) {
            const qint64 before = QFileInfo(file).size();
            speaking.clear();
            speaker.say({u"Banane "_s.repeated(300)}, 0ms);
            if (QTest::qWaitFor([&] { return !speaking.isEmpty(); }, 10000) && stop)
                speaker.stop();
            const bool quiet = QTest::qWaitFor([&] { return speaking == u"+-"_s; }, 120000);
            return quiet ? QFileInfo(file).size() - before : -1;
        };
        const qint64 full = soundOf(false), stopped = soundOf(true);
        QVERIFY2(stopped >= 0 && stopped < full / 2,
                 qPrintable(u"in full %1, stopped %2 bytes"_s.arg(full).arg(stopped)));
        QVERIFY(speaker.isReady());
    }

    // A part that stalls leaves the speaker to try again: the next say connects anew and says
    // its word once ready, and the speaker counts as stalled, not missing, meanwhile.
    void stalledPartIsTriedAgain()
    {
        useService(dir.filePath(u"speechd.sock"_s));
        QtSpeakerOptions options;
        options.partLimit = 1500ms; // shorter than the long text takes: it stalls
        QtSpeaker speaker(options);
        QString speaking;
        connect(&speaker, &QtSpeaker::speakingChanged, this,
                [&](bool on) { speaking += on ? u'+' : u'-'; });
        speaker.prepare();
        QTRY_VERIFY_WITH_TIMEOUT(speaker.isReady(), 60000);
        speaker.say({u"Banane "_s.repeated(3000)}, 0ms);
        QTRY_VERIFY_WITH_TIMEOUT(speaker.hasStalled(), 10000);
        QCOMPARE(speaker.reason(), WindowTexts::speechNoSound);
        speaking.clear();
        speaker.say({u"Ba"_s}, 0ms);
        QVERIFY(speaker.hasStalled());
        QTRY_COMPARE_WITH_TIMEOUT(speaking, u"+-"_s, 60000);
        QVERIFY(speaker.isReady() && !speaker.hasStalled());
    }

    // A service that takes the connection and never answers, as one shutting down does: the
    // worker stays stuck in connecting, the event loop runs on and the speaker reports it after
    // its limit. A program ending meanwhile ends promptly and cleanly: nothing waits for the stuck
    // thread or destroys it while it runs, and no memory is lost (the sanitizer build checks that).
    // A later prepare() starts afresh with a new worker, which gets its own answer.
    void silentServiceNeitherBlocksNorHoldsTheExit()
    {
        std::optional<QLocalServer> silent(std::in_place);
        QVERIFY(silent->listen(dir.filePath(u"silent.sock"_s)));
        useService(silent->fullServerName());
        QtSpeakerOptions options;
        options.connectLimit = 3s;
        QtSpeaker speaker(options);
        QTimer ticker; // on the loop's thread: the longest gap between two of its ticks
        QElapsedTimer clock;
        qint64 last = 0, longestGap = 0;
        connect(&ticker, &QTimer::timeout, this, [&] {
            longestGap = std::max(longestGap, clock.elapsed() - last);
            last = clock.elapsed();
        });
        ticker.start(50);
        clock.start();
        speaker.prepare();
        QTRY_COMPARE_WITH_TIMEOUT(speaker.reason(), WindowTexts::speechNotAnswering, 8000);
        const qint64 waited = clock.elapsed();
        longestGap = std::max(longestGap, waited - last);
        // The timer may fire 5 % early. A loop blocked by the connection would stand still for
        // seconds; a busy machine may hold it back for a few hundred milliseconds.
        QVERIFY2(waited >= 2850 && waited < 6000 && longestGap < 1000,
                 qPrintable(u"%1 ms, longest gap %2 ms"_s.arg(waited).arg(longestGap)));
        speaker.say({u"Banane"_s}, 0ms); // safe while unavailable
        speaker.stop();

        QProcess helper;
        helper.start(QStringLiteral(SPEAKER_EXIT_HELPER));
        // It quits after 1.5 s; a wait for the stuck worker without a limit would keep it for
        // ever. A sanitizer build on a busy machine takes seconds to start.
        QVERIFY2(helper.waitForFinished(20000), "the helper did not end in time");
        const QByteArray errors = helper.readAllStandardError();
        QVERIFY2(helper.exitStatus() == QProcess::NormalExit && helper.exitCode() == 0 &&
                     errors.isEmpty(),
                 errors.constData());
        QCOMPARE(QString::fromUtf8(helper.readAllStandardOutput()).trimmed(),
                 WindowTexts::speechNotAnswering);

        useService(dir.filePath(u"none.sock"_s));
        speaker.prepare();
        QCOMPARE(speaker.reason(), WindowTexts::speechConnecting);
        QTRY_COMPARE_WITH_TIMEOUT(speaker.reason(), WindowTexts::speechServiceMissing, 5000);
        silent.reset(); // the stuck worker wakes up to a closed socket and ends by itself
        QTest::qWait(500);
    }
};

QTEST_MAIN(TestQtSpeaker)
#include "tst_qtspeaker.moc"
