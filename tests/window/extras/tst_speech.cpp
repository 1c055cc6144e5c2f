// SPDX-License-Identifier: GPL-3.0-or-later
#include "extras/speakerbutton.h"
#include "windowfixture.h"
#include "windowtexts.h"

#include <QSignalSpy>

// Reading aloud as the window asks for it, with a recorder in place of the speech service.
class TestSpeech : public QObject
{
    Q_OBJECT

    std::optional<WindowFixture> f;

    SpeakerButton *button() const { return f->get<SpeakerButton>(Control::SpeakerButton); }
    QStringList says() const { return f->speaker.calls.filter(u"say "_s); }

private Q_SLOTS:
    void init()
    {
        f.emplace();
        // With a blank, a line of several words passes whole.
        f->write(u"silben.ini"_s, "abc eilmnorstu\r\n 4 \r\n 1 \r\n 48 \r\nArial\r\n");
    }

    // Each way to read says what the child sees: the word without marks, or its syllables
    // (the teacher's marks and blanks, or the automatic ones) with a pause between them. The band
    // waits for the service to start each part, moves with each start and goes after the last;
    // it stands behind the letters of the part being said, in " Banane" as the field draws it.
    void readsTheShownWord_data()
    {
        QTest::addColumn<QByteArray>("entry");
        QTest::addColumn<QByteArray>("extras");
        QTest::addColumn<QString>("how"); // an entry's caption
        QTest::addColumn<QString>("said");
        QTest::addColumn<QList<TextSpan>>("bands");
        const QList<TextSpan> whole{{1, 6}}, three{{1, 2}, {3, 2}, {5, 2}};
        const auto add = [](const char *name, const QByteArray &entry, const QString &how,
                            const char *said, const QList<TextSpan> &bands,
                            const QByteArray &extras = "") {
            QTest::newRow(name) << entry << extras << how << QString::fromUtf8(said) << bands;
        };
        const QString word = WindowTexts::readWordEntry,
                      syllables = WindowTexts::readSyllablesEntry;
        add("word", "Ba-na-ne", word, "say Banane 0", whole);
        add("syllables by the teacher's marks", "Ba-na-ne", syllables, "say Ba|na|ne 350", three);
        add("blanks part syllables too", "Mi-mi malt", syllables, "say Mi|mi|malt 350",
            {{1, 2}, {3, 2}, {6, 4}});
        add("unmarked, plain: one piece", "Banane", syllables, "say Banane 350", whole);
        add("unmarked, automatic syllables", "Banane", syllables, "say Ba|na|ne 350", three,
            "AutomaticSyllables=true");
    }

    void readsTheShownWord()
    {
        QFETCH(QByteArray, entry);
        QFETCH(QByteArray, extras);
        QFETCH(QString, how);
        QFETCH(QString, said);
        QFETCH(QList<TextSpan>, bands);
        f->write(WindowTexts::extrasFile, "[Extras]\n" + extras + "\n");
        f->speaker.setReason({});
        f->open(entry + "\r\n").show();
        if (extras.startsWith("Automatic"))
            QTRY_VERIFY_WITH_TIMEOUT(f->window->findChild<SyllableMarkerLoader *>()->marks(),
                                     markerLoadLimit);
        for (int i = 0; i < 3 && f->word() != QString::fromLatin1(entry); ++i) // "malt" first
            QTest::mouseClick(f->field(), Qt::LeftButton);
        QCOMPARE(f->word(), QString::fromLatin1(entry));
        f->choose(how);
        QCOMPARE(says(), QStringList{said});
        QVERIFY(f->field()->highlight().isEmpty()); // asked for, not yet heard
        for (int part = 0; part < bands.size(); ++part) {
            emit f->speaker.partStarted(part);
            QCOMPARE(f->field()->highlight(), bands[part]);
        }
        emit f->speaker.finished();
        QVERIFY(f->field()->highlight().isEmpty());
    }

    // Nothing is said without a word.
    void noWordSaysNothing()
    {
        f->speaker.setReason({});
        f->open("xyz\r\n"); // nothing passes: no word at all
        f->choose(WindowTexts::readWordEntry);
        f->choose(WindowTexts::readSyllablesEntry);
        QVERIFY(says().isEmpty());
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
        f->choose(WindowTexts::readSyllablesEntry);
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
            f->choose(how);
        QCOMPARE(shown.count(), how == u"order"_s ? 1 : 0);
        QVERIFY(f->field()->highlight().isEmpty());
        QVERIFY(f->speaker.calls.contains(u"stop"_s));
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
        QVERIFY(!f->speaker.calls.contains(u"prepare"_s));
        QVERIFY(f->speaker.calls.contains(u"slow 1"_s));
        f->speaker.setReason(reason, stalled);
        const bool ready = reason.isEmpty();
        for (const QString &caption :
             {WindowTexts::readWordEntry, WindowTexts::readSyllablesEntry,
              WindowTexts::slowSpeechEntry, WindowTexts::speakerButtonEntry}) {
            QCOMPARE(f->menu()->entry(caption)->isEnabled(), ready);
            QCOMPARE(f->menu()->entry(caption)->toolTip(), ready ? caption : reason);
        }
        QCOMPARE(button()->isEnabled(), ready || stalled);
        QCOMPARE(button()->toolTip(), ready ? WindowTexts::speakerTooltip : reason);
        if (button()->isEnabled()) {
            QTest::mouseClick(button(), Qt::LeftButton);
            QCOMPARE(says(), QStringList{u"say Rose 0"_s});
        }
        emit f->menu()->aboutToShow();
        QCOMPARE(f->speaker.calls.last(), u"prepare"_s);
        QVERIFY(f->dialogs.boxes.isEmpty());
    }
};

QTEST_MAIN(TestSpeech)
#include "tst_speech.moc"
