#include "recordingspeaker.h"
#include "speechchain.h"
#include "utteranceengine.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <type_traits>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

// The window's tests use the recording speaker in place of the real one.
static_assert(!std::is_abstract_v<RecordingSpeaker>);

namespace {

// Stands in for the speech engine: notes each text and cancel with the time it came. Reports
// starting and ending when the test says, or by itself when `automatic`: started at once,
// ended after `duration`, and a cancelled text ended a moment later, as the service does.
struct FakeEngine : UtteranceEngine
{
    QStringList calls;
    QList<qint64> callTimes, endTimes;
    QElapsedTimer clock;
    bool automatic = false;
    QTimer endTimer;

    explicit FakeEngine(std::chrono::milliseconds duration = 0ms)
    {
        clock.start();
        endTimer.setSingleShot(true);
        endTimer.setInterval(duration);
        connect(&endTimer, &QTimer::timeout, this, &FakeEngine::end);
    }
    void note(const QString &call)
    {
        calls << call;
        callTimes << clock.elapsed();
    }
    void speak(const QString &text) override
    {
        note(text);
        if (automatic) {
            QTimer::singleShot(0, this, &FakeEngine::begin);
            endTimer.start();
        }
    }
    void cancel() override
    {
        note(u"cancel"_s);
        if (automatic && endTimer.isActive()) {
            endTimer.stop();
            QTimer::singleShot(0, this, &FakeEngine::end);
        }
    }
    void begin() { emit speakingStarted(); }
    void end()
    {
        endTimes << clock.elapsed();
        emit speakingEnded();
    }
};

// Where the chain stands when the test stops it or starts another.
enum class Stage
{
    Idle,
    Requested,
    Speaking,
    Pausing
};

} // namespace

class TestSpeechChain : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void saysPartsInOrder_data();
    void saysPartsInOrder();
    void pausesBetweenParts_data();
    void pausesBetweenParts();
    void stopOrNewStartEndsChain_data();
    void stopOrNewStartEndsChain();
    void stallsWhenPartDoesNotEnd_data();
    void stallsWhenPartDoesNotEnd();
};

void TestSpeechChain::saysPartsInOrder_data()
{
    QTest::addColumn<QStringList>("parts");
    QTest::addColumn<QStringList>("said");
    QTest::addRow("one part: the whole word")
        << QStringList{u"Banane"_s} << QStringList{u"Banane"_s};
    QTest::addRow("syllables in order")
        << QStringList{u"Ba"_s, u"na"_s, u"ne"_s} << QStringList{u"Ba"_s, u"na"_s, u"ne"_s};
    QTest::addRow("parts without a letter are skipped")
        << QStringList{u"-"_s, u"Ro"_s, QString(), u" "_s, u"se"_s, u"."_s}
        << QStringList{u"Ro"_s, u"se"_s};
    QTest::addRow("umlauts and digits are letters enough")
        << QStringList{u"Ä"_s, u"3"_s} << QStringList{u"Ä"_s, u"3"_s};
    QTest::addRow("nothing to say") << QStringList{u"-"_s} << QStringList();
}

void TestSpeechChain::saysPartsInOrder()
{
    QFETCH(QStringList, parts);
    QFETCH(QStringList, said);
    FakeEngine engine(5ms);
    engine.automatic = true;
    SpeechChain chain(engine, 5s);
    QSignalSpy finished(&chain, &SpeechChain::finished);
    chain.start(parts, 10ms);
    if (said.isEmpty()) {
        QVERIFY(!chain.isActive());
        QTest::qWait(50);
    } else {
        QTRY_COMPARE(finished.count(), 1);
    }
    QCOMPARE(engine.calls, said);
    QVERIFY(!chain.isActive());
    QCOMPARE(finished.count(), said.isEmpty() ? 0 : 1);
}

void TestSpeechChain::pausesBetweenParts_data()
{
    QTest::addColumn<int>("pause");
    QTest::addRow("no pause") << 0;
    QTest::addRow("short pause") << 150;
    QTest::addRow("long pause") << 400;
}

// The pause runs from the end of one part to the start of the next, never shorter.
void TestSpeechChain::pausesBetweenParts()
{
    QFETCH(int, pause);
    FakeEngine engine(30ms);
    engine.automatic = true;
    SpeechChain chain(engine, 5s);
    QSignalSpy finished(&chain, &SpeechChain::finished);
    chain.start({u"Ba"_s, u"na"_s, u"ne"_s}, std::chrono::milliseconds(pause));
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 5000);
    QCOMPARE(engine.calls.size(), 3);
    QCOMPARE(engine.endTimes.size(), 3);
    for (int part = 1; part < 3; ++part) {
        const qint64 gap = engine.callTimes[part] - engine.endTimes[part - 1];
        QVERIFY2(gap >= pause && gap < pause + 250, qPrintable(u"gap %1 ms"_s.arg(gap)));
    }
}

void TestSpeechChain::stopOrNewStartEndsChain_data()
{
    QTest::addColumn<Stage>("stage");
    QTest::addColumn<bool>("newStart");
    QTest::addColumn<QStringList>("calls");
    const QString cancel = u"cancel"_s;
    // A stop while nothing is under way tells the engine nothing: stop() is cheap any time.
    QTest::addRow("stop when idle") << Stage::Idle << false << QStringList();
    QTest::addRow("stop before the part started")
        << Stage::Requested << false << QStringList{u"Ba"_s, cancel};
    QTest::addRow("stop while speaking")
        << Stage::Speaking << false << QStringList{u"Ba"_s, cancel};
    QTest::addRow("stop in the pause") << Stage::Pausing << false << QStringList{u"Ba"_s};
    QTest::addRow("new word before the part started")
        << Stage::Requested << true << QStringList{u"Ba"_s, cancel, u"Ro"_s};
    QTest::addRow("new word while speaking")
        << Stage::Speaking << true << QStringList{u"Ba"_s, cancel, u"Ro"_s};
    QTest::addRow("new word in the pause")
        << Stage::Pausing << true << QStringList{u"Ba"_s, u"Ro"_s};
}

// The rest of the stopped chain is never said, even after its pause would have run out, and
// the late end the engine reports for a cancelled part does not advance the new chain.
void TestSpeechChain::stopOrNewStartEndsChain()
{
    QFETCH(Stage, stage);
    QFETCH(bool, newStart);
    QFETCH(QStringList, calls);
    FakeEngine engine;
    SpeechChain chain(engine, 5s);
    QSignalSpy finished(&chain, &SpeechChain::finished);
    if (stage != Stage::Idle)
        chain.start({u"Ba"_s, u"na"_s}, 100ms);
    if (stage == Stage::Speaking || stage == Stage::Pausing)
        engine.begin();
    if (stage == Stage::Pausing)
        engine.end();
    QCOMPARE(chain.isActive(), stage != Stage::Idle);

    if (newStart)
        chain.start({u"Ro"_s, u"se"_s}, 100ms);
    else
        chain.cancel();
    if (stage == Stage::Requested || stage == Stage::Speaking)
        engine.end(); // the cancelled part's end, reported late
    QTest::qWait(250);
    QCOMPARE(engine.calls, calls);
    QCOMPARE(chain.isActive(), newStart);
    QCOMPARE(finished.count(), 0);
    if (!newStart)
        return;
    engine.begin();
    engine.end();
    QTRY_COMPARE(engine.calls.size(), calls.size() + 1);
    QCOMPARE(engine.calls.last(), u"se"_s);
}

void TestSpeechChain::stallsWhenPartDoesNotEnd_data()
{
    QTest::addColumn<bool>("starts");
    QTest::addRow("never starts") << false;
    QTest::addRow("starts, never ends") << true;
}

void TestSpeechChain::stallsWhenPartDoesNotEnd()
{
    QFETCH(bool, starts);
    FakeEngine engine;
    SpeechChain chain(engine, 200ms);
    QSignalSpy stalled(&chain, &SpeechChain::stalled);
    QElapsedTimer clock;
    clock.start();
    chain.start({u"Ba"_s, u"na"_s}, 0ms);
    if (starts)
        engine.begin();
    QTRY_COMPARE(stalled.count(), 1);
    QVERIFY(clock.elapsed() >= 200);
    QVERIFY(!chain.isActive());
    QCOMPARE(engine.calls, (QStringList{u"Ba"_s, u"cancel"_s}));
    engine.end(); // the cancel's late end
    QTest::qWait(50);
    QCOMPARE(engine.calls.size(), 2);
}

QTEST_GUILESS_MAIN(TestSpeechChain)
#include "tst_speechchain.moc"
