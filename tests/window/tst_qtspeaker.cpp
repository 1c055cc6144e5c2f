// SPDX-License-Identifier: GPL-3.0-or-later
#include "privatespeechservice.h"
#include "qtspeaker.h"
#include "texts.h"

#include <QElapsedTimer>
#include <QLocalServer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <optional>

using namespace std::chrono_literals;

namespace {

// Where the speech library looks for the service.
void useService(const QByteArray &address)
{
    qputenv("SPEECHD_ADDRESS", address);
}

// A service that takes the connection and never answers, as one that is shutting down does.
struct SilentService
{
    QTemporaryDir dir;
    QLocalServer server;

    SilentService()
    {
        server.setMaxPendingConnections(10);
        server.listen(dir.filePath(u"silent.sock"_s));
    }
    QByteArray address() const { return "unix_socket:" + server.fullServerName().toUtf8(); }
};

} // namespace

class TestQtSpeaker : public QObject
{
    Q_OBJECT

    std::optional<PrivateSpeechService> service;

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase() { service.reset(); }

    void germanLocale_data();
    void germanLocale();
    void saysWordsWithGermanVoice();
    void unavailable_data();
    void unavailable();
    void stallWithoutSoundMakesUnavailable();
    void silentServiceKeepsWindowResponsive();
    void exitsCleanlyWhateverWorkerDoes_data();
    void exitsCleanlyWhateverWorkerDoes();
};

void TestQtSpeaker::initTestCase()
{
    service.emplace();
    QVERIFY2(service->waitUntilListening(), "the speech service did not start");
}

void TestQtSpeaker::germanLocale_data()
{
    QTest::addColumn<QStringList>("offered");
    QTest::addColumn<QString>("chosen"); // empty: none
    QTest::addRow("Germany's German first")
        << QStringList{u"de_AT"_s, u"en_US"_s, u"de_DE"_s} << u"de_DE"_s;
    QTest::addRow("else another German by name")
        << QStringList{u"fr_FR"_s, u"de_LU"_s, u"de_CH"_s, u"de_AT"_s} << u"de_AT"_s;
    QTest::addRow("Swiss German is another language") << QStringList{u"gsw_CH"_s} << QString();
    QTest::addRow("no German") << QStringList{u"en_GB"_s, u"nl_NL"_s} << QString();
    QTest::addRow("nothing offered") << QStringList() << QString();
}

void TestQtSpeaker::germanLocale()
{
    QFETCH(QStringList, offered);
    QFETCH(QString, chosen);
    QList<QLocale> locales;
    for (const QString &name : offered)
        locales << QLocale(name);
    const std::optional<QLocale> german = SpeechWorker::germanLocale(locales);
    QCOMPARE(german ? german->name() : QString(), chosen);
}

// Against the real service: a German voice, the service's default for the language; a word
// and its syllables reach the speaking state and make sound; slow speaking makes more of it.
void TestQtSpeaker::saysWordsWithGermanVoice()
{
    useService(service->address());
    QtSpeakerOptions options;
    options.connectLimit = 100ms; // shorter than connecting takes: the late answer is taken
    QtSpeaker speaker(options);
    QSignalSpy readiness(&speaker, &Speaker::readinessChanged);
    QString speaking; // + speaking, - quiet again
    connect(&speaker, &QtSpeaker::speakingChanged, this,
            [&](bool on) { speaking += on ? u'+' : u'-'; });
    QCOMPARE(speaker.reason(), Texts::speechNotStarted);

    QElapsedTimer clock;
    clock.start();
    speaker.prepare();
    QCOMPARE(speaker.reason(), Texts::speechConnecting);
    QTRY_COMPARE(speaker.reason(), Texts::speechNotAnswering);
    QTRY_COMPARE_WITH_TIMEOUT(speaker.reason(), QString(), 60000);
    qInfo("prepare() to ready: %lld ms", clock.elapsed());
    QCOMPARE(readiness.count(), 3);
    // Asked only for the language, the service speaks with its synthesiser's plain German
    // voice; none of the variants ("German+Anna", …) may have been chosen.
    QCOMPARE(speaker.voiceName(), u"German"_s);

    // The bytes of sound made, once each part has been reported as started and ended.
    const auto soundOf = [&](const QStringList &parts, bool slow) {
        const qint64 before = service->soundBytes();
        speaking.clear();
        speaker.setSlow(slow);
        speaker.say(parts, 50ms);
        const QString reports = u"+-"_s.repeated(parts.size());
        if (!QTest::qWaitFor([&] { return speaking.size() >= reports.size(); }, 10000))
            return qint64(-1);
        QTest::qWait(100); // nothing more may come
        return speaking == reports ? service->soundBytes() - before : -1;
    };
    const qint64 normal = soundOf({u"Banane"_s}, false), slow = soundOf({u"Banane"_s}, true);
    QVERIFY2(normal > 0 && slow > normal * 13 / 10,
             qPrintable(u"normal %1, slow %2 bytes"_s.arg(normal).arg(slow)));
    QVERIFY(soundOf({u"Ba"_s, u"na"_s, u"ne"_s}, false) > 0);
    QVERIFY(speaker.isReady());
}

void TestQtSpeaker::unavailable_data()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<QByteArray>("configuration"); // for a service of the row's own; none: null
    QTest::addColumn<QString>("reason");
    QTest::addRow("speech module missing")
        << u"no-such-engine"_s << QByteArray() << Texts::speechModuleMissing;
    QTest::addRow("no service at the address")
        << u"speechd"_s << QByteArray() << Texts::speechServiceMissing;
    QTest::addRow("service without a voice")
        << u"speechd"_s << QByteArray("AddModule \"dummy\" \"sd_dummy\" \"dummy.conf\"\n")
        << Texts::speechNoGermanVoice;
}

// Unavailable with a German reason, and safe to use all the same.
void TestQtSpeaker::unavailable()
{
    QFETCH(QString, engine);
    QFETCH(QByteArray, configuration);
    QFETCH(QString, reason);
    std::optional<PrivateSpeechService> own;
    QTemporaryDir empty;
    if (configuration.isEmpty()) {
        useService("unix_socket:" + empty.filePath(u"none.sock"_s).toUtf8());
    } else {
        own.emplace(configuration);
        QVERIFY(own->waitUntilListening());
        useService(own->address());
    }
    QtSpeakerOptions options;
    options.engine = engine;
    options.connectLimit = 30s;
    QtSpeaker speaker(options);
    QSignalSpy speaking(&speaker, &QtSpeaker::speakingChanged);
    speaker.prepare();
    QTRY_COMPARE_WITH_TIMEOUT(speaker.reason(), reason, 30000);
    QVERIFY(!speaker.isReady());
    QCOMPARE(speaker.voiceName(), QString());
    speaker.say({u"Banane"_s}, 0ms);
    speaker.stop();
    QTest::qWait(100);
    QCOMPARE(speaking.count(), 0);
}

// A service that takes a text and never plays it (its sound device does not open): the part
// stalls and the speaker becomes unavailable until the next prepare().
void TestQtSpeaker::stallWithoutSoundMakesUnavailable()
{
    PrivateSpeechService broken("AudioALSADevice \"no-such-device\"\n");
    QVERIFY(broken.waitUntilListening());
    useService(broken.address());
    QtSpeakerOptions options;
    options.connectLimit = 60s;
    options.partLimit = 1s;
    QtSpeaker speaker(options);
    speaker.prepare();
    QTRY_COMPARE_WITH_TIMEOUT(speaker.reason(), QString(), 60000);
    speaker.say({u"Ba"_s, u"na"_s, u"ne"_s}, 0ms);
    QTRY_COMPARE_WITH_TIMEOUT(speaker.reason(), Texts::speechNoSound, 5000);
    QCOMPARE(broken.soundBytes(), 0);
    speaker.prepare();
    QCOMPARE(speaker.reason(), Texts::speechConnecting);
}

// The worker stays stuck in connecting; the window's thread runs on and the speaker reports
// that the service does not answer. A later prepare() starts afresh with a new worker, which
// gets its own answer while the first one is still stuck.
void TestQtSpeaker::silentServiceKeepsWindowResponsive()
{
    std::optional<SilentService> silent(std::in_place);
    QVERIFY(silent->server.isListening());
    useService(silent->address());
    QtSpeakerOptions options;
    options.connectLimit = 3s;
    QtSpeaker speaker(options);
    QTimer ticker; // on the window's thread: its ticks and the longest gap between two
    QElapsedTimer clock;
    qint64 ticks = 0, last = 0, longestGap = 0;
    connect(&ticker, &QTimer::timeout, this, [&] {
        longestGap = std::max(longestGap, clock.elapsed() - last);
        last = clock.elapsed();
        ++ticks;
    });
    ticker.start(50);
    clock.start();
    speaker.prepare();
    QTRY_COMPARE_WITH_TIMEOUT(speaker.reason(), Texts::speechNotAnswering, 8000);
    const qint64 waited = clock.elapsed();
    // Such a timer may fire up to 5 % early.
    QVERIFY2(waited >= 2850 && waited < 5000, qPrintable(u"%1 ms"_s.arg(waited)));
    QVERIFY2(longestGap < 250 && ticks >= waited / 50 * 6 / 10,
             qPrintable(
                 u"%1 ticks in %2 ms, longest gap %3 ms"_s.arg(ticks).arg(waited).arg(longestGap)));
    speaker.say({u"Banane"_s}, 0ms);
    speaker.stop();

    QTemporaryDir empty;
    useService("unix_socket:" + empty.filePath(u"none.sock"_s).toUtf8());
    speaker.prepare();
    QCOMPARE(speaker.reason(), Texts::speechConnecting);
    QTRY_COMPARE_WITH_TIMEOUT(speaker.reason(), Texts::speechServiceMissing, 5000);
    // The silent service goes: the stuck worker wakes up to a closed socket and ends by itself.
    silent.reset();
    QTest::qWait(500);
    QCOMPARE(speaker.reason(), Texts::speechServiceMissing);
}

void TestQtSpeaker::exitsCleanlyWhateverWorkerDoes_data()
{
    QTest::addColumn<bool>("silent");    // the silent service, else the real one
    QTest::addColumn<int>("limit");      // milliseconds to connect
    QTest::addColumn<int>("runFor");     // milliseconds before the helper quits
    QTest::addColumn<QString>("word");   // said once ready; the helper quits as speaking starts
    QTest::addColumn<QString>("reason"); // the helper's reason at its exit
    QTest::addRow("stuck worker, after the time-out")
        << true << 1000 << 1500 << QString() << Texts::speechNotAnswering;
    QTest::addRow("stuck worker, still connecting")
        << true << 1000 << 300 << QString() << Texts::speechConnecting;
    QTest::addRow("connected worker, while speaking")
        << false << 60000 << 60000 << u"Banane"_s << QString();
}

// The program ends promptly and without a complaint whether its worker is stuck connecting to
// a service that never answers or connected and speaking: nothing waits for a stuck thread,
// nothing destroys it while it runs, and no memory is lost (the sanitizer build checks that).
void TestQtSpeaker::exitsCleanlyWhateverWorkerDoes()
{
    QFETCH(bool, silent);
    QFETCH(int, limit);
    QFETCH(int, runFor);
    QFETCH(QString, word);
    QFETCH(QString, reason);
    SilentService silentService;
    QProcess helper;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"SPEECHD_ADDRESS"_s,
                       QString::fromUtf8(silent ? silentService.address() : service->address()));
    helper.setProcessEnvironment(environment);
    helper.start(QStringLiteral(SPEAKER_EXIT_HELPER),
                 {QString::number(limit), QString::number(runFor), word});
    QElapsedTimer clock;
    clock.start();
    QVERIFY(helper.waitForStarted());
    QVERIFY2(helper.waitForFinished(silent ? 10000 : 70000), "the helper did not end");
    const QByteArray errors = helper.readAllStandardError();
    QCOMPARE(helper.exitStatus(), QProcess::NormalExit);
    QVERIFY2(helper.exitCode() == 0, errors.constData());
    QVERIFY2(errors.isEmpty(), errors.constData());
    QCOMPARE(QString::fromUtf8(helper.readAllStandardOutput()).trimmed(), reason);
    if (silent) // quitting may take as long as it runs, not much longer
        QVERIFY2(clock.elapsed() < runFor + 3000, qPrintable(u"%1 ms"_s.arg(clock.elapsed())));
}

QTEST_GUILESS_MAIN(TestQtSpeaker)
#include "tst_qtspeaker.moc"
