// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordingspeaker.h"
#include "speechchain.h"
#include "utteranceengine.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <optional>
#include <type_traits>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

// The window's tests use the recording speaker in place of the real one.
static_assert(!std::is_abstract_v<RecordingSpeaker>);

namespace {

// Stands in for the speech engine: notes each text and cancel and when it came. Starts and ends
// a text when the test says, or, given a duration, by itself: at once and after the duration.
struct FakeEngine : UtteranceEngine
{
    QStringList calls;
    QList<qint64> callTimes, endTimes;
    QElapsedTimer clock;
    QTimer endTimer;
    bool automatic;

    explicit FakeEngine(std::optional<std::chrono::milliseconds> duration = std::nullopt)
        : automatic(duration.has_value())
    {
        clock.start();
        endTimer.setSingleShot(true);
        endTimer.setInterval(duration.value_or(0ms));
        connect(&endTimer, &QTimer::timeout, this, &FakeEngine::end);
    }
    void speak(const QString &text) override
    {
        calls << text;
        callTimes << clock.elapsed();
        if (automatic) {
            QTimer::singleShot(0, this, &FakeEngine::begin);
            endTimer.start();
        }
    }
    void cancel() override { calls << u"cancel"_s; }
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
    void saysPartsInOrderWithPauses_data();
    void saysPartsInOrderWithPauses();
    void stopOrNewStartEndsChain_data();
    void stopOrNewStartEndsChain();
    void stallsWhenPartDoesNotEnd_data();
    void stallsWhenPartDoesNotEnd();
};

void TestSpeechChain::saysPartsInOrderWithPauses_data()
{
    QTest::addColumn<QStringList>("parts");
    QTest::addColumn<int>("pause");
    QTest::addColumn<QStringList>("said");
    const QStringList syllables{u"Ba"_s, u"na"_s, u"ne"_s};
    QTest::addRow("one part: the whole word")
        << QStringList{u"Banane"_s} << 100 << QStringList{u"Banane"_s};
    QTest::addRow("syllables, no pause") << syllables << 0 << syllables;
    QTest::addRow("syllables, short pause") << syllables << 150 << syllables;
    QTest::addRow("syllables, long pause") << syllables << 400 << syllables;
    QTest::addRow("parts without a letter or digit are skipped")
        << QStringList{u"-"_s, u"Ä"_s, QString(), u" "_s, u"3"_s, u"."_s} << 0
        << QStringList{u"Ä"_s, u"3"_s};
    QTest::addRow("nothing to say") << QStringList{u"-"_s} << 0 << QStringList();
}

// Each pause runs from the end of one part to the start of the next, never shorter.
void TestSpeechChain::saysPartsInOrderWithPauses()
{
    QFETCH(QStringList, parts);
    QFETCH(int, pause);
    QFETCH(QStringList, said);
    FakeEngine engine(30ms);
    SpeechChain chain(engine, 5s);
    QSignalSpy finished(&chain, &SpeechChain::finished);
    chain.start(parts, std::chrono::milliseconds(pause));
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), said.isEmpty() ? 0 : 1, 5000);
    QTest::qWait(50);
    QCOMPARE(engine.calls, said);
    QCOMPARE(finished.count(), said.isEmpty() ? 0 : 1);
    QVERIFY(!chain.isActive());
    for (qsizetype part = 1; part < said.size(); ++part) {
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
    QVERIFY(clock.elapsed() >= 190); // a coarse timer may fire 5 % early
    QVERIFY(!chain.isActive());
    engine.end(); // the cancel's late end
    QTest::qWait(50);
    QCOMPARE(engine.calls, (QStringList{u"Ba"_s, u"cancel"_s}));
}

QTEST_GUILESS_MAIN(TestSpeechChain)
#include "tst_speechchain.moc"
