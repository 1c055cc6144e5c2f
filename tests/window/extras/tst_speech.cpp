// SPDX-License-Identifier: GPL-3.0-or-later
#include "extras/speakerbutton.h"
#include "windowfixture.h"
#include "windowtexts.h"

#include <QSignalSpy>

using namespace std::chrono_literals;
using Call = RecordingSpeaker::Call;

// Reading aloud as the window asks for it, with a recorder in place of the speech service.
class TestSpeech : public QObject
{
    Q_OBJECT

    std::optional<WindowFixture> f;

    ExtrasMenu *menu() const { return f->menu(); }
    SpeakerButton *button() const { return f->get<SpeakerButton>(Control::SpeakerButton); }
    QList<Call> says() const
    {
        QList<Call> said;
        for (const Call &call : f->speaker.calls)
            if (call.what == u"say"_s)
                said << call;
        return said;
    }

private Q_SLOTS:
    void init()
    {
        f.emplace();
        // With a blank, a line of several words passes whole.
        f->write(u"silben.ini"_s, "abc eilmnorstu\r\n 4 \r\n 1 \r\n 48 \r\nArial\r\n");
    }

    // Each way to read says what the child sees: the word without marks, or its syllables
    // (the teacher's marks and blanks, or the automatic ones) with a pause between them.
    void readsTheShownWord_data()
    {
        QTest::addColumn<QByteArray>("entry");
        QTest::addColumn<QByteArray>("extras");
        QTest::addColumn<QString>("how"); // an entry's caption
        QTest::addColumn<Call>("said");
        const auto word = [](const QString &w) { return Call{u"say"_s, {w}, 0ms}; };
        const auto syllables = [](const QStringList &s) { return Call{u"say"_s, s, 350ms}; };
        const QByteArray none = "";
        QTest::addRow("word") << "Ba-na-ne"_ba << none << WindowTexts::readWordEntry
                              << word(u"Banane"_s);
        QTest::addRow("syllables by the teacher's marks")
            << "Ba-na-ne"_ba << none << WindowTexts::readSyllablesEntry
            << syllables({u"Ba"_s, u"na"_s, u"ne"_s});
        QTest::addRow("blanks part syllables too")
            << "Mi-mi malt"_ba << none << WindowTexts::readSyllablesEntry
            << syllables({u"Mi"_s, u"mi"_s, u"malt"_s});
        QTest::addRow("unmarked, plain: one piece")
            << "Banane"_ba << none << WindowTexts::readSyllablesEntry << syllables({u"Banane"_s});
        QTest::addRow("unmarked, automatic syllables")
            << "Banane"_ba
            << "AutomaticSyllables=true"_ba << WindowTexts::readSyllablesEntry
            << syllables({u"Ba"_s, u"na"_s, u"ne"_s});
    }

    void readsTheShownWord()
    {
        QFETCH(QByteArray, entry);
        QFETCH(QByteArray, extras);
        QFETCH(QString, how);
        QFETCH(Call, said);
        f->write(WindowTexts::extrasFile, "[Extras]\n" + extras + "\n");
        f->speaker.setReason({});
        f->open(entry + "\r\n").show();
        if (extras.startsWith("Automatic"))
            QTRY_VERIFY_WITH_TIMEOUT(f->window->findChild<SyllableMarkerLoader *>()->marker(),
                                     markerLoadLimit);
        for (int i = 0; i < 3 && f->word() != QString::fromLatin1(entry); ++i) // "malt" first
            QTest::mouseClick(f->field(), Qt::LeftButton);
        QCOMPARE(f->word(), QString::fromLatin1(entry));
        menu()->entry(how)->trigger();
        QCOMPARE(says(), QList<Call>{said});
    }

    // Nothing is said without a word; a new word stops the reading of the last one.
    void newWordStopsNoWordSaysNothing()
    {
        f->speaker.setReason({});
        f->open("xyz\r\n"); // nothing passes: no word at all
        menu()->entry(WindowTexts::readWordEntry)->trigger();
        menu()->entry(WindowTexts::readSyllablesEntry)->trigger();
        QVERIFY(says().isEmpty());
        f->write(u"SILBEN.TXT"_s, "Ro-se\r\nO-ma\r\n");
        f->click(Control::OrderMode); // a new pass from the list: shows "Ro-se"
        menu()->entry(WindowTexts::readWordEntry)->trigger();
        QTest::mouseClick(f->field(), Qt::LeftButton);
        QCOMPARE(f->speaker.calls.last().what, u"stop"_s);
        QCOMPARE(says().size(), 1);
    }

    // The band waits for the service to start each part, moves with each start and goes after
    // the last; it stands behind the letters of the part being said, blanks between words
    // parting syllables as they do for the reading.
    void bandFollowsTheParts_data()
    {
        QTest::addColumn<QByteArray>("entry");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QList<TextSpan>>("bands"); // in " Banane", as the field draws it
        QTest::addRow("syllables") << "Ba-na-ne"_ba << WindowTexts::readSyllablesEntry
                                   << QList<TextSpan>{{1, 2}, {3, 2}, {5, 2}};
        QTest::addRow("syllables of two words")
            << "Mi-mi malt"_ba << WindowTexts::readSyllablesEntry
            << QList<TextSpan>{{1, 2}, {3, 2}, {6, 4}};
        QTest::addRow("whole word")
            << "Ba-na-ne"_ba << WindowTexts::readWordEntry << QList<TextSpan>{{1, 6}};
    }

    void bandFollowsTheParts()
    {
        QFETCH(QByteArray, entry);
        QFETCH(QString, how);
        QFETCH(QList<TextSpan>, bands);
        f->speaker.setReason({});
        f->open(entry + "\r\n");
        for (int i = 0; i < 3 && f->word() != QString::fromLatin1(entry); ++i) // "malt" first
            QTest::mouseClick(f->field(), Qt::LeftButton);
        menu()->entry(how)->trigger();
        QCOMPARE(says().size(), 1);
        QCOMPARE(says().front().parts.size(), bands.size());
        QVERIFY(f->field()->highlight().isEmpty()); // asked for, not yet heard
        for (int part = 0; part < bands.size(); ++part) {
            emit f->speaker.partStarted(part);
            QCOMPARE(f->field()->highlight(), bands[part]);
        }
        emit f->speaker.finished();
        QVERIFY(f->field()->highlight().isEmpty());
    }

    // Whatever ends the reading takes the band away at once: a new word, a click or a key
    // (also when no next word comes), "Alle Extras aus", a box over the window.
    void stopEndsTheBand_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addRow("new word") << u"order"_s; // a new pass from the list
        QTest::addRow("click, no word left") << u"click"_s;
        QTest::addRow("key, no word left") << u"key"_s;
        QTest::addRow("all extras off") << WindowTexts::allExtrasOffEntry;
        QTest::addRow("box over the window") << u"box"_s;
    }

    void stopEndsTheBand()
    {
        QFETCH(QString, how);
        f->speaker.setReason({});
        f->open("Ba-na-ne\r\n").show();
        QVERIFY(QTest::qWaitForWindowActive(f->window.get()));
        if (how == u"click"_s || how == u"key"_s)
            f->write(u"SILBEN.TXT"_s, "xyz\r\n"); // the next load finds nothing
        QSignalSpy shown(f->window->findChild<WordPractice *>(), &WordPractice::wordShown);
        menu()->entry(WindowTexts::readSyllablesEntry)->trigger();
        emit f->speaker.partStarted(1);
        QCOMPARE(f->field()->highlight(), (TextSpan{3, 2}));
        f->speaker.calls.clear();
        if (how == u"order"_s)
            f->click(Control::OrderMode);
        else if (how == u"click"_s)
            QTest::mouseClick(f->field(), Qt::LeftButton);
        else if (how == u"key"_s)
            QTest::keyClick(f->window->windowHandle(), Qt::Key_Space);
        else if (how == u"box"_s)
            f->click(Control::LetterEntryButton);
        else
            menu()->entry(how)->trigger();
        QCOMPARE(shown.count(), how == u"order"_s ? 1 : 0);
        QVERIFY(f->field()->highlight().isEmpty());
        QVERIFY(f->speaker.calls.contains(Call{u"stop"_s}));
    }

    // Without a speech service or a German voice the entries and the button are disabled and
    // say why. After a stall the button stays usable and a click tries again (it stayed
    // disabled, and got no clicks, until the menu was opened). The service is asked for only
    // once the menu opens or the window with the button is up, never before.
    void readiness_data()
    {
        QTest::addColumn<QString>("reason");
        QTest::addColumn<bool>("stalled");
        QTest::addRow("ready") << QString() << false;
        QTest::addRow("no German voice") << WindowTexts::speechNoGermanVoice << false;
        QTest::addRow("stalled") << WindowTexts::speechNoSound << true;
    }

    void readiness()
    {
        QFETCH(QString, reason);
        QFETCH(bool, stalled);
        f->write(WindowTexts::extrasFile, "[Extras]\nSlowSpeech=true\nSpeakerButton=true\n");
        f->open("Ro-se\r\n");
        QVERIFY(!f->speaker.calls.contains(Call{u"prepare"_s}));
        QVERIFY(f->speaker.calls.contains((Call{u"slow"_s, {}, 0ms, true})));
        f->speaker.setReason(reason, stalled);
        const bool ready = reason.isEmpty();
        for (const QString &caption :
             {WindowTexts::readWordEntry, WindowTexts::readSyllablesEntry,
              WindowTexts::slowSpeechEntry, WindowTexts::speakerButtonEntry}) {
            QCOMPARE(menu()->entry(caption)->isEnabled(), ready);
            QCOMPARE(menu()->entry(caption)->toolTip(), ready ? caption : reason);
        }
        QCOMPARE(button()->isEnabled(), ready || stalled);
        QCOMPARE(button()->toolTip(), ready ? WindowTexts::speakerTooltip : reason);
        if (button()->isEnabled()) {
            QTest::mouseClick(button(), Qt::LeftButton);
            QCOMPARE(says(), QList<Call>{(Call{u"say"_s, {u"Rose"_s}, 0ms})});
        }
        emit menu()->aboutToShow();
        QCOMPARE(f->speaker.calls.last().what, u"prepare"_s);
        QVERIFY(f->dialogs.boxes.isEmpty());
    }
};

QTEST_MAIN(TestSpeech)
#include "tst_speech.moc"
