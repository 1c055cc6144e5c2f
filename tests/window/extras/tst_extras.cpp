// SPDX-License-Identifier: GPL-3.0-or-later
#include "extras/extrasfile.h"
#include "pixels.h"
#include "windowfixture.h"
#include "windowtexts.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>

// The extras: off by default and then invisible, switched in the word field's context menu,
// kept in trabelo.ini, and each doing what its entry says.
class TestExtras : public QObject
{
    Q_OBJECT

    std::optional<WindowFixture> f;

    Extras saved() const { return ExtrasFile::read(f->dir.filePath(WindowTexts::extrasFile)); }

private Q_SLOTS:
    void init()
    {
        f.emplace();
        f->write(u"silben.ini"_s, redAndBlue);
    }

    // While the menu (or its submenu) is open, its keys choose entries and show no word, and the
    // click that closes it only closes it: the toolkit replayed that press to the word field,
    // which showed the next word. Offscreen no pop-up grabs the pointer and nothing is replayed,
    // so this checks the mark the toolkit reads as the last menu closes, at every close.
    void openMenuShowsNoWord_data()
    {
        QTest::addColumn<bool>("submenu");
        QTest::addRow("menu") << false;
        QTest::addRow("submenu") << true;
    }

    void openMenuShowsNoWord()
    {
        QFETCH(bool, submenu);
        QVERIFY(f->openShown());
        const QString word = f->word();
        bool marked = false;
        connect(f->menu(), &QMenu::aboutToHide, this,
                [&] { marked = f->menu()->testAttribute(Qt::WA_NoMouseReplay); });
        QWindow *window = f->window->windowHandle();
        for (int round = 0; round < 2; ++round) {
            // What the window system sends for a right click (the offscreen platform sends none).
            QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(50, 50),
                                      f->field()->mapToGlobal(QPoint(50, 50)));
            QApplication::sendEvent(f->field(), &request);
            QTRY_COMPARE(QApplication::activePopupWidget(), f->menu());
            QTest::keyClick(window, Qt::Key_Down);
            QVERIFY(f->menu()->activeAction());
            for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Right})
                if (submenu)
                    QTest::keyClick(QApplication::activePopupWidget(), key);
            QTRY_COMPARE(QApplication::activePopupWidget() != f->menu(), submenu);
            marked = false;
            QTest::mouseClick(window, Qt::LeftButton, {}, f->field()->pos() + QPoint(600, 300));
            QVERIFY(!QApplication::activePopupWidget());
            QVERIFY2(marked, qPrintable(u"round %1"_s.arg(round)));
            QCOMPARE(f->word(), word);
        }
        QTest::keyClick(window, Qt::Key_Space);
        QVERIFY(f->word() != word);
    }

    // Off by default, the extras leave no trace. Each switch takes effect and is written at
    // once, and comes back at the next start; "Alle Extras aus" clears them all; the cue follows.
    void switchesAreSavedAtOnce()
    {
        QVERIFY(f->openShown());
        QVERIFY(!f->label(Control::ExtrasCue)->isVisible());
        QVERIFY(!QFile::exists(f->dir.filePath(WindowTexts::extrasFile)));
        const QImage plain = f->fieldImage();
        f->choose(WindowTexts::syllableArcsEntry);
        QVERIFY(f->fieldImage() != plain); // the arcs are drawn
        f->choose(WindowTexts::flash500);
        QVERIFY(saved().isOn(Extra::SyllableArcs) && saved().value(Extra::FlashReading) == 500);
        QVERIFY(f->label(Control::ExtrasCue)->toolTip().contains(WindowTexts::syllableArcsEntry));
        f->open();
        QVERIFY(!f->label(Control::ExtrasCue)->isHidden());
        QVERIFY(f->menu()->entry(WindowTexts::syllableArcsEntry)->isChecked());
        QVERIFY(f->menu()->entry(WindowTexts::flash500)->isChecked());
        f->choose(WindowTexts::allExtrasOffEntry);
        QVERIFY(saved() == Extras{});
        QVERIFY(f->label(Control::ExtrasCue)->isHidden());
        for (QAction *entry : f->menu()->findChildren<QAction *>())
            QCOMPARE(entry->isChecked(), entry->text() == WindowTexts::flashOff);
        QCOMPARE(f->fieldImage(), plain);
    }

    // A file that cannot be written is told, naming it; the choice still holds for this run.
    void unwritableFile()
    {
        QVERIFY(QDir(f->dir.path()).mkdir(WindowTexts::extrasFile));
        QVERIFY(f->openShown());
        f->choose(WindowTexts::syllableArcsEntry);
        QCOMPARE(f->dialogs.boxes, QStringList({u"inform"_s, u"warn"_s}));
        QVERIFY(f->dialogs.texts.last().contains(f->dir.filePath(WindowTexts::extrasFile)));
        QVERIFY(f->menu()->entry(WindowTexts::syllableArcsEntry)->isChecked());
    }

    // Patterns kept from an earlier run mark the first word as it is first drawn, before the
    // window shows: it never changes colour in front of the child. A damaged cache leaves it
    // unmarked until the patterns are built, which keeps them for the next start. The teacher's
    // own marks are kept, the screen reader has the word without them; off, nothing is marked.
    void automaticSyllables()
    {
        const QByteArray cacheHome = qgetenv("XDG_CACHE_HOME");
        const auto restore = qScopeGuard([&] { qputenv("XDG_CACHE_HOME", cacheHome); });
        qputenv("XDG_CACHE_HOME", QFile::encodeName(f->dir.filePath(u"cache"_s)));
        const QString cache = SyllableMarker::defaultCachePath();
        QVERIFY(QDir().mkpath(QFileInfo(cache).path()));
        QVERIFY(writeFile(cache, "TRBPATC\n damaged"));
        f->markers = &SyllableMarkerLoader::loadSystemPatterns;
        f->write(WindowTexts::extrasFile, "[Extras]\nAutomaticSyllables=true\n");

        f->open("Oma\r\nRabe-\r\n");
        QVERIFY(!extent(f->fieldImage(), blue).isValid());
        f->window->show();
        QTRY_VERIFY_WITH_TIMEOUT(extent(f->fieldImage(), blue).isValid(), markerLoadLimit);
        f->open("Oma\r\nRabe-\r\n");
        const QImage image = f->fieldImage(); // "O" in red, "ma" in blue
        QVERIFY(extent(image, red).isValid() && extent(image, blue).isValid());
        QVERIFY(extent(image, red).right() < extent(image, blue).left());
        QTest::mouseClick(f->field(), Qt::LeftButton);
        QCOMPARE(f->field()->accessibleName(), u"Rabe"_s);
        QVERIFY(!extent(f->fieldImage(), blue).isValid());
        QTest::mouseClick(f->field(), Qt::LeftButton);
        f->choose(WindowTexts::allExtrasOffEntry);
        QCOMPARE(f->word() + u' ' + f->field()->accessibleName(), u"Oma Oma"_s);
        QVERIFY(!extent(f->fieldImage(), blue).isValid());
    }

    // Without the patterns the entry is disabled and says why, and counts as off for this run:
    // unchecked and out of the cue (both said "on" before). trabelo.ini keeps it on, also
    // through another choice, for a later run that has the patterns. The news reaches a menu
    // that is open as it comes.
    void missingPatternsTurnTheEntryOffForTheRun()
    {
        f->markers = [] { return SyllableMarker::Loaded{nullptr, u"Die Silbenmuster fehlen."_s}; };
        f->kept = [] { return nullptr; };
        f->write(WindowTexts::extrasFile, "[Extras]\nAutomaticSyllables=true\n");
        f->open("Oma\r\n").show(); // the patterns load once the window is up
        ExtrasMenu *open = f->window->findChild<ExtrasController *>()->menu();
        open->popup(f->window->pos());
        QAction *entry = open->entry(WindowTexts::automaticSyllablesEntry);
        QVERIFY(entry->isEnabled());
        QTRY_VERIFY(!entry->isEnabled());
        QCOMPARE(entry->toolTip(), u"Die Silbenmuster fehlen."_s);
        QVERIFY(!entry->isChecked());
        QVERIFY(f->label(Control::ExtrasCue)->isHidden());
        f->choose(WindowTexts::syllableArcsEntry);
        QVERIFY(!f->label(Control::ExtrasCue)->toolTip().contains(entry->text()));
        QVERIFY(saved().isOn(Extra::AutomaticSyllables));
        QCOMPARE(f->dialogs.boxes, QStringList{u"inform"_s}); // the hint only
    }

    // Sound units and sight words rebuild the queue at once, as new letters do, so the next
    // word and its count follow; both are saved. While the units are on, the letter box says
    // how to name them; the cue counts the sight words.
    void filterExtras()
    {
        f->write(u"silben.ini"_s, "e,i,s,n\r\n 4 \r\n 1 \r\n 48 \r\nArial\r\n");
        f->write(WindowTexts::extrasFile, "[Extras]\nSightWordList=und\n");
        f->open("Eis\r\nes\r\nsie\r\nund\r\n").show();
        QCOMPARE(f->label(Control::WordCount)->text(), u" 2 Wörter"_s); // Eis shown
        f->choose(WindowTexts::soundUnitsEntry);
        QCOMPARE(f->label(Control::WordCount)->text(), u" 2 Wörter"_s); // until the next word
        QTest::mouseClick(f->field(), Qt::LeftButton);
        QCOMPARE(f->word() + f->label(Control::WordCount)->text(), u"es 0 Wörter"_s);
        f->choose(WindowTexts::sightWordsEntry);
        QTest::mouseClick(f->field(), Qt::LeftButton);
        QCOMPARE(f->word() + f->label(Control::WordCount)->text(), u"es 1 Wort"_s);
        QVERIFY(saved().isOn(Extra::SoundUnits) && saved().isOn(Extra::SightWords));
        QVERIFY(f->label(Control::ExtrasCue)
                    ->toolTip()
                    .endsWith(u"\n"_s + WindowTexts::soundUnitsEntry +
                              u"\nLernwörter zulassen (1 Wort)"_s));
        f->click(Control::LetterEntryButton);
        QCOMPARE(f->dialogs.texts.last(), WindowTexts::letterEntryPrompt + u'\r' +
                                              WindowTexts::letterEntryUnitsLine + u"|e,i,s,n"_s);
        f->choose(WindowTexts::allExtrasOffEntry);
        f->click(Control::LetterEntryButton);
        QCOMPARE(f->dialogs.texts.last(), WindowTexts::letterEntryPrompt + u"|abc"_s);
    }

    // The box holds the list a word a line and keeps what OK gives, umlauts included, each
    // word once; Abbrechen keeps the list as it was.
    void sightWordBox_data()
    {
        QTest::addColumn<QString>("edited"); // null: Abbrechen
        QTest::addColumn<QStringList>("list");
        QTest::addRow("words by lines and blanks")
            << u"Bär  und\nder\r\n\tBär"_s << QStringList{u"Bär"_s, u"und"_s, u"der"_s};
        QTest::addRow("emptied") << u""_s << QStringList{};
        QTest::addRow("Abbrechen") << QString() << QStringList{u"ist"_s, u"Öl"_s};
    }

    void sightWordBox()
    {
        QFETCH(QString, edited);
        QFETCH(QStringList, list);
        f->write(WindowTexts::extrasFile, "[Extras]\nSightWordList=ist, \xc3\x96l\n");
        QVERIFY(f->openShown());
        f->dialogs.edited = edited.isNull() ? std::nullopt : std::optional(edited);
        f->choose(WindowTexts::editSightWordsEntry);
        QCOMPARE(f->dialogs.texts.last(), u"ist\nÖl"_s);
        QCOMPARE(saved().list(Extra::SightWordList), list);
        f->choose(WindowTexts::editSightWordsEntry);
        QCOMPARE(f->dialogs.texts.last(), list.join(u'\n'));
    }

    // The sign that no entry fits: it comes with letters that fit nothing, goes with letters
    // that fit, never comes while words fit or while the extra is off, and never beside the
    // red sign of a list that cannot be read.
    void noWordSign_data()
    {
        QTest::addColumn<bool>("on");
        QTest::addRow("on") << true;
        QTest::addRow("off") << false;
    }

    void noWordSign()
    {
        QFETCH(bool, on);
        if (on)
            f->write(WindowTexts::extrasFile, "[Extras]\nNoWordSign=true\n");
        f->open("Ro-se\r\n").show(); // "Ro-se" fits the letters of silben.ini
        QVERIFY(QTest::qWaitForWindowActive(f->window.get()));
        ButtonLabel *letters = f->label(Control::LetterSequence);
        const auto signShown = [&] {
            return letters->backgroundColour() == QColor(LayoutTable::noWordSignBackground);
        };
        QVERIFY(!signShown());
        f->dialogs.answer = u"xyz"_s;
        f->click(Control::LetterEntryButton);
        QCOMPARE(signShown(), on);
        QCOMPARE(letters->toolTip(), on ? WindowTexts::noWordFits.arg(u"SILBEN.TXT"_s, u"xyz"_s)
                                        : WindowTexts::letterSequenceTooltip);
        QCOMPARE(f->word(), u"Ro-se"_s); // the word and the count stay, no box
        QCOMPARE(f->dialogs.boxes, QStringList({u"inform"_s, u"input"_s}));
        f->dialogs.answer = u"rose"_s;
        f->click(Control::LetterEntryButton);
        QVERIFY(!signShown());
        QCOMPARE(letters->toolTip(), WindowTexts::letterSequenceTooltip);
        // An unreadable list: its own red sign only.
        f->dialogs.answer = u"xyz"_s;
        f->click(Control::LetterEntryButton);
        QVERIFY(QFile::remove(f->dir.filePath(u"SILBEN.TXT"_s)));
        f->click(Control::OrderMode);
        QCOMPARE(f->label(Control::FileName)->palette().color(QPalette::WindowText),
                 QColor(Qt::red));
        QVERIFY(!signShown());
    }
};

QTEST_MAIN(TestExtras)
#include "tst_extras.moc"
