// SPDX-License-Identifier: GPL-3.0-or-later
#include "speech/qtspeaker.h"
#include "speech/speechservice.h"
#include "windowfixture.h"
#include "windowtexts.h"

// Reading along with the real speech service, which the test starts on a socket of its own.
class TestReadAlong : public QObject
{
    Q_OBJECT

    SpeechService service;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(service.start(), "the speech service did not start");
        SpeechService::use(service.socket());
    }
    void cleanupTestCase() { QVERIFY(service.stop()); }

    // The band is painted behind each syllable in turn as the service says it, and is gone
    // once the last has been said.
    void bandFollowsTheService()
    {
        QtSpeaker speaker;
        WindowFixture f;
        f.realSpeaker = &speaker;
        f.write(u"silben.ini"_s, "abemnr\r\n 4 \r\n 1 \r\n 48 \r\nArial\r\n");
        f.open("Ba-na-ne\r\n").show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        QList<TextSpan> painted;
        connect(f.field(), &WordField::painted, this, [&](bool blank) {
            const TextSpan band = f.field()->highlight();
            if (!blank && !band.isEmpty() && (painted.isEmpty() || painted.last() != band))
                painted << band;
        });
        f.menu(); // opening the menu connects to the service
        QTRY_VERIFY_WITH_TIMEOUT(speaker.isReady(), 60000);
        f.menu()->entry(WindowTexts::readSyllablesEntry)->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(painted, (QList<TextSpan>{{1, 2}, {3, 2}, {5, 2}}), 20000);
        QTRY_VERIFY_WITH_TIMEOUT(f.field()->highlight().isEmpty(), 10000);
    }
};

QTEST_MAIN(TestReadAlong)
#include "tst_readalong.moc"
