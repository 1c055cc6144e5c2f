// SPDX-License-Identifier: GPL-3.0-or-later
#include "speech/speechchain.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

// Stands in for the speech engine: notes each text and cancel, and reports to its chain. Starts
// and ends a text when the test says or, when automatic, by itself: at once and 30 ms later.
struct FakeEngine : QObject
{
    QStringList calls;
    bool automatic = false;
    SpeechChain chain;

    explicit FakeEngine(std::chrono::milliseconds partLimit)
        : chain([this](const QString &text) { speak(text); }, [this] { calls << u"cancel"_s; },
                partLimit)
    {}
    void speak(const QString &text)
    {
        calls << text;
        if (automatic) {
            QTimer::singleShot(0, this, [this] { chain.partStarted(); });
            QTimer::singleShot(30, this, [this] { chain.partEnded(); });
        }
    }
};

} // namespace

class TestSpeechChain : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void saysPartsInOrderWithPauses_data()
    {
        QTest::addColumn<QStringList>("parts");
        QTest::addColumn<int>("pause");
        QTest::addColumn<QStringList>("said");
        QTest::addColumn<QList<int>>("started"); // the places of the parts said in `parts`
        const QStringList syllables{u"Ba"_s, u"na"_s, u"ne"_s};
        QTest::addRow("syllables with a pause")
            << syllables << 150 << syllables << QList<int>{0, 1, 2};
        QTest::addRow("parts without a letter or digit are skipped")
            << QStringList{u"-"_s, u"Ä"_s, QString(), u" "_s, u"3"_s} << 0
            << QStringList{u"Ä"_s, u"3"_s} << QList<int>{1, 4};
    }

    // Each pause runs from the end of one part to the start of the next, never shorter. Each
    // start is told with the part's place among the parts given, skipped ones counted.
    void saysPartsInOrderWithPauses()
    {
        QFETCH(QStringList, parts);
        QFETCH(int, pause);
        QFETCH(QStringList, said);
        QFETCH(QList<int>, started);
        FakeEngine engine(5s);
        engine.automatic = true;
        SpeechChain &chain = engine.chain;
        QSignalSpy finished(&chain, &SpeechChain::finished);
        QList<int> starts;
        connect(&chain, &SpeechChain::speaking, this, [&](int index) { starts << index; });
        QElapsedTimer clock;
        clock.start();
        chain.start(parts, std::chrono::milliseconds(pause));
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 5000);
        const qint64 took = clock.elapsed(), pauses = pause * (said.size() - 1);
        QVERIFY2(took >= pauses && took < pauses + 300, qPrintable(u"%1 ms"_s.arg(took)));
        QTest::qWait(50);
        QCOMPARE(engine.calls, said);
        QCOMPARE(starts, started);
        QCOMPARE(finished.count(), 1);
        QVERIFY(!chain.isActive());
    }

    void stopOrNewStartEndsChain_data()
    {
        QTest::addColumn<int>("reports"); // by the engine before the stop; -1: nothing started
        QTest::addColumn<bool>("newStart");
        QTest::addColumn<QStringList>("calls");
        // A stop while nothing is under way tells the engine nothing: stop() is cheap any time.
        QTest::addRow("stop when idle") << -1 << false << QStringList();
        QTest::addRow("stop while speaking") << 1 << false << QStringList{u"Ba"_s, u"cancel"_s};
        QTest::addRow("stop in the pause") << 2 << false << QStringList{u"Ba"_s};
        QTest::addRow("new word while speaking")
            << 1 << true << QStringList{u"Ba"_s, u"cancel"_s, u"Ro"_s};
        QTest::addRow("new word in the pause") << 2 << true << QStringList{u"Ba"_s, u"Ro"_s};
    }

    // The rest of the stopped chain is never said, even after its pause would have run out, and
    // the late end the engine reports for a cancelled part does not advance the new chain.
    void stopOrNewStartEndsChain()
    {
        QFETCH(int, reports);
        QFETCH(bool, newStart);
        QFETCH(QStringList, calls);
        FakeEngine engine(5s);
        SpeechChain &chain = engine.chain;
        QSignalSpy finished(&chain, &SpeechChain::finished);
        if (reports >= 0)
            chain.start({u"Ba"_s, u"na"_s}, 100ms);
        if (reports >= 1)
            chain.partStarted();
        if (reports >= 2)
            chain.partEnded();
        if (newStart)
            chain.start({u"Ro"_s, u"se"_s}, 100ms);
        else
            chain.cancel();
        if (reports == 1)
            chain.partEnded(); // the cancelled part's end, reported late
        QTest::qWait(250);
        QCOMPARE(engine.calls, calls);
        QCOMPARE(chain.isActive(), newStart);
        QCOMPARE(finished.count(), 0);
    }

    // Started, never ended: the part limit runs from the request, not from the start.
    void stallsWhenPartDoesNotEnd()
    {
        FakeEngine engine(400ms);
        SpeechChain &chain = engine.chain;
        QElapsedTimer clock;
        qint64 took = -1;
        connect(&chain, &SpeechChain::stalled, this, [&] { took = clock.elapsed(); });
        clock.start();
        chain.start({u"Ba"_s, u"na"_s}, 0ms);
        QTest::qWait(200);
        chain.partStarted();
        QTRY_VERIFY(took >= 0);
        // From the start it would take 600 ms. A coarse timer may fire 5 % early, the clock
        // counts whole milliseconds, and a busy machine may answer late.
        QVERIFY2(took >= 379 && took < 550, qPrintable(u"%1 ms"_s.arg(took)));
        // It cancels as a stop does; what follows a stop is checked with the stops.
        QCOMPARE(engine.calls, (QStringList{u"Ba"_s, u"cancel"_s}));
    }
};

QTEST_GUILESS_MAIN(TestSpeechChain)
#include "tst_speechchain.moc"
