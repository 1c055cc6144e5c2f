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

// Counts the ticks of a timer running on the window's thread and the longest gap between two.
struct Ticker
{
    QTimer timer;
    QElapsedTimer clock;
    int ticks = 0;
    qint64 last = 0, longestGap = 0;

    Ticker()
    {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            const qint64 now = clock.elapsed();
            longestGap = std::max(longestGap, now - last);
            last = now;
            ++ticks;
        });
        clock.start();
        timer.start(50);
    }
};

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
    void lateAnswerIsTaken();
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
// and syllables reach the speaking state and make sound; slow speaking makes more of it.
void TestQtSpeaker::saysWordsWithGermanVoice()
{
    useService(service->address());
    QtSpeakerOptions options;
    options.connectLimit = 60s; // the test machine may be busy; the time is printed below
    QtSpeaker speaker(options);
    QSignalSpy readiness(&speaker, &Speaker::readinessChanged);
    QSignalSpy speaking(&speaker, &QtSpeaker::speakingChanged);
    QCOMPARE(speaker.reason(), Texts::speechNotStarted);
    speaker.say({u"Banane"_s}, 0ms); // not ready: nothing happens
    speaker.stop();

    QElapsedTimer clock;
    clock.start();
    speaker.prepare();
    QCOMPARE(speaker.reason(), Texts::speechConnecting);
    QTRY_COMPARE_WITH_TIMEOUT(speaker.reason(), QString(), 60000);
    qInfo("prepare() to ready: %lld ms", clock.elapsed());
    QCOMPARE(readiness.count(), 2);
    QCOMPARE(speaker.reason(), QString());
    // Asked only for the language, the service speaks with its synthesiser's plain German
    // voice; none of the variants ("German+Anna", …) may have been chosen.
    QCOMPARE(speaker.voiceName(), u"German"_s);
    QCOMPARE(speaking.count(), 0);

    const auto say = [&](const QStringList &parts, bool slow) {
        const qint64 before = service->soundBytes();
        const qsizetype spokenBefore = speaking.count();
        speaker.setSlow(slow);
        speaker.say(parts, 50ms);
        const qsizetype expected = spokenBefore + 2 * parts.size();
        if (!QTest::qWaitFor([&] { return speaking.count() >= expected; }, 10000))
            return qint64(-1);
        QTest::qWait(100); // no further report may come
        if (speaking.count() != expected)
            return qint64(-1);
        for (qsizetype i = spokenBefore; i < expected; ++i)
            if (speaking.at(i).at(0).toBool() != ((i - spokenBefore) % 2 == 0))
                return qint64(-1);
        return service->soundBytes() - before;
    };
    const qint64 normal = say({u"Banane"_s}, false);
    QVERIFY2(normal > 0, "no start and end of speaking, or no sound");
    const qint64 slow = say({u"Banane"_s}, true);
    QVERIFY2(slow > normal * 13 / 10,
             qPrintable(u"normal %1, slow %2 bytes"_s.arg(normal).arg(slow)));
    const qint64 syllables = say({u"Ba"_s, u"na"_s, u"ne"_s}, false);
    QVERIFY2(syllables > 0, "syllables: no start and end of speaking for each, or no sound");
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
    speaker.setSlow(true);
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
    Ticker ticker;
    QElapsedTimer clock;
    clock.start();
    speaker.prepare();
    QTRY_COMPARE_WITH_TIMEOUT(speaker.reason(), Texts::speechNotAnswering, 8000);
    const qint64 waited = clock.elapsed();
    // Such a timer may fire up to 5 % early.
    QVERIFY2(waited >= 2850 && waited < 5000, qPrintable(u"%1 ms"_s.arg(waited)));
    QVERIFY2(ticker.longestGap < 250 && ticker.ticks >= waited / 50 * 6 / 10,
             qPrintable(u"%1 ticks in %2 ms, longest gap %3 ms"_s.arg(ticker.ticks)
                            .arg(waited)
                            .arg(ticker.longestGap)));
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

// A service slower than the limit: first "antwortet nicht", then ready once it has answered.
void TestQtSpeaker::lateAnswerIsTaken()
{
    useService(service->address());
    QtSpeakerOptions options;
    options.connectLimit = 100ms;
    QtSpeaker speaker(options);
    speaker.prepare();
    QTRY_COMPARE(speaker.reason(), Texts::speechNotAnswering);
    QTRY_COMPARE_WITH_TIMEOUT(speaker.reason(), QString(), 60000);
    QCOMPARE(speaker.voiceName(), u"German"_s);
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
