#include "windowfixture.h"

#include "syllablepalette.h"
#include "texts.h"

#include <QApplication>
#include <QDialog>
#include <QScreen>

using namespace Qt::StringLiterals;

namespace {

QColor paletteColour(int index)
{
    const RgbColour rgb = SyllablePalette::paletteColour(index);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

const QByteArray threeWords = "ab\r\nba\r\nab-ba\r\n"; // shown as ab, ab-ba, ba

} // namespace

class TestLifeCycle : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startUpAppliesSettingsBeforeTheFirstWord_data();
    void startUpAppliesSettingsBeforeTheFirstWord();
    void hintComesOnceAfterTheNarrowWidth();
    void everyKeyShowsAWord_data();
    void everyKeyShowsAWord();
    void shownListHandlesTheKeyAfterTheWord();
    void hiddenListLetsGoOfTheFocus();
    void fieldClickShowsAWord();
    void exitSequence_data();
    void exitSequence();
    void letterSequenceEntry_data();
    void letterSequenceEntry();
    void fileChooserListsWordLists();
    void choosingAFile();
};

void TestLifeCycle::startUpAppliesSettingsBeforeTheFirstWord_data()
{
    QTest::addColumn<QByteArray>("settings"); // empty: no file
    QTest::addColumn<QString>("sequence");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("family");

    // With the size the bar already has, nothing redraws after the first word: its colours
    // show what was applied before it.
    QTest::addRow("all values, size unchanged")
        << QByteArray("abc\r\n 2 \r\n 4 \r\n 48 \r\nCourier New\r\n") << u"abc"_s << 2 << 4 << 48
        << u"Courier New"_s;
    QTest::addRow("all values, other size") << QByteArray("cab\r\n 12 \r\n 1 \r\n 60 \r\nArial\r\n")
                                            << u"cab"_s << 12 << 1 << 60 << u"Arial"_s;
    QTest::addRow("no settings file") << QByteArray() << u"abc"_s << 5 << 7 << 48 << u"Lateinaus"_s;
    QTest::addRow("colour out of range") << QByteArray("bac\r\n 16 \r\n 4 \r\n 60 \r\nArial\r\n")
                                         << u"bac"_s << 5 << 7 << 48 << u"Lateinaus"_s;
}

void TestLifeCycle::startUpAppliesSettingsBeforeTheFirstWord()
{
    QFETCH(QByteArray, settings);
    QFETCH(QString, sequence);
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(int, size);
    QFETCH(QString, family);

    WindowFixture fixture;
    fixture.write(u"SILBEN.TXT"_s, "Ab-ba\r\n");
    if (!settings.isEmpty())
        fixture.write(u"silben.ini"_s, settings);
    MainWindow &window = fixture.open();

    QCOMPARE(fixture.label(u"abc"_s)->text(), sequence);
    QCOMPARE(fixture.label(u"Bezeichnung9"_s)->backgroundColour(), paletteColour(first));
    QCOMPARE(fixture.label(u"Bezeichnung10"_s)->backgroundColour(), paletteColour(second));
    QCOMPARE(fixture.sizeBar()->value(), size);
    QCOMPARE(fixture.field()->font().pointSize(), size);
    QCOMPARE(fixture.field()->font().family(), family);
    QCOMPARE(fixture.practice()->currentWord(), u"Ab-ba"_s);
    QCOMPARE(fixture.label(u"Bezeichnung7"_s)->text(), u" 0 Wörter"_s);
    const QImage drawn = picture(fixture.field());
    QVERIFY2(contains(drawn, paletteColour(first).rgb()), "first syllable not in its colour");
    QVERIFY2(contains(drawn, paletteColour(second).rgb()), "second syllable not in its colour");

    QCOMPARE(window.startupWindowWidth(), u"14010"_s);
    QCOMPARE(window.startupScreenWidth(), QString::number(window.screen()->size().width() * 15));
    QVERIFY(fixture.dialogs.calls.isEmpty()); // the hint waits for the window to show
}

void TestLifeCycle::hintComesOnceAfterTheNarrowWidth()
{
    WindowFixture fixture;
    fixture.write(u"SILBEN.TXT"_s, threeWords);
    MainWindow &window = fixture.open();
    fixture.click(u"Label4"_s); // wide before the window is first shown
    int widthAtHint = 0;
    fixture.dialogs.onCall = [&](const FakeDialogs::Call &) { widthAtHint = window.width(); };

    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_COMPARE(fixture.dialogs.calls.size(), 1);
    QCOMPARE(fixture.dialogs.kinds(), QStringList{u"inform:Hinweis"_s});
    QCOMPARE(fixture.dialogs.calls[0].text, Texts::hintText);
    QCOMPARE(widthAtHint, 928);

    window.hide();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();
    QCOMPARE(fixture.dialogs.calls.size(), 1);
}

void TestLifeCycle::everyKeyShowsAWord_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("autoRepeat");
    QTest::addColumn<bool>("modalBox");
    QTest::addColumn<QString>("word"); // shown after the key

    QTest::addRow("Shift alone") << int(Qt::Key_Shift) << 0 << false << false << u"ab-ba"_s;
    QTest::addRow("Alt alone") << int(Qt::Key_Alt) << 0 << false << false << u"ab-ba"_s;
    QTest::addRow("letter") << int(Qt::Key_Q) << 0 << false << false << u"ab-ba"_s;
    QTest::addRow("automatic repeat") << int(Qt::Key_Q) << 0 << true << false << u"ab-ba"_s;
    // Ctrl goes down first, then A: two presses, two words.
    QTest::addRow("Ctrl+A") << int(Qt::Key_A) << int(Qt::ControlModifier) << false << false
                            << u"ba"_s;
    // The Enter that closes a box shows no word.
    QTest::addRow("modal box open") << int(Qt::Key_Return) << 0 << false << true << u"ab"_s;
}

void TestLifeCycle::everyKeyShowsAWord()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, autoRepeat);
    QFETCH(bool, modalBox);
    QFETCH(QString, word);

    WindowFixture fixture;
    fixture.write(u"SILBEN.TXT"_s, threeWords);
    MainWindow &window = fixture.openShown();
    QCOMPARE(fixture.practice()->currentWord(), u"ab"_s);
    QDialog box(&window);
    box.setModal(true);
    if (modalBox) {
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
    }

    if (autoRepeat) {
        qt_handleKeyEvent(window.windowHandle(), QEvent::KeyPress, key, Qt::NoModifier, u"q"_s,
                          true);
    } else {
        QTest::keyClick(window.windowHandle(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    }
    QCOMPARE(fixture.practice()->currentWord(), word);
    QCOMPARE(fixture.label(u"Bezeichnung7"_s)->text(), fixture.practice()->wordCountText());
}

void TestLifeCycle::shownListHandlesTheKeyAfterTheWord()
{
    WindowFixture fixture;
    fixture.fonts = {u"Arial"_s, u"Courier New"_s, u"Verdana"_s};
    fixture.write(u"SILBEN.TXT"_s, threeWords);
    MainWindow &window = fixture.openShown();
    PopupList *chooser = fixture.list(u"Liste1"_s);
    fixture.click(u"Bezeichnung5"_s);
    chooser->setFocus();

    QStringList events;
    connect(fixture.practice(), &WordPractice::wordShown, chooser,
            [&] { events << u"word "_s + fixture.practice()->currentWord(); });
    connect(chooser, &PopupList::chosen, chooser,
            [&](const QString &family) { events << u"chosen "_s + family; });
    QTest::keyClick(window.windowHandle(), Qt::Key_Down);

    QCOMPARE(events.size(), 2);
    QCOMPARE(events[0], u"word ab-ba"_s);
    QVERIFY(events[1].startsWith(u"chosen "_s));
    QCOMPARE(fixture.field()->font().family(), events[1].mid(7));
}

void TestLifeCycle::hiddenListLetsGoOfTheFocus()
{
    WindowFixture fixture;
    fixture.write(u"SILBEN.TXT"_s, threeWords);
    fixture.write(u"ZOO.TXT"_s, "ab\r\n");
    MainWindow &window = fixture.openShown();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    PopupList *files = fixture.list(u"Datei1"_s);
    fixture.click(u"Bezeichnung2"_s);
    WindowFixture::clickEntry(files, 1);
    QCOMPARE(fixture.label(u"Bezeichnung1"_s)->text(), u"ZOO.TXT"_s);
    QCOMPARE(window.focusWidget(), nullptr);

    // Later arrow keys only show words; no word list is chosen behind the child's back.
    QTest::keyClick(window.windowHandle(), Qt::Key_Up);
    QCOMPARE(fixture.label(u"Bezeichnung1"_s)->text(), u"ZOO.TXT"_s);
    QCOMPARE(files->y(), 600);
}

void TestLifeCycle::fieldClickShowsAWord()
{
    WindowFixture fixture;
    fixture.write(u"SILBEN.TXT"_s, threeWords);
    MainWindow &window = fixture.openShown();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::mouseClick(fixture.field(), Qt::LeftButton, {}, QPoint(300, 200));
    QCOMPARE(fixture.practice()->currentWord(), u"ab-ba"_s);
    QCOMPARE(window.focusWidget(), fixture.field());
    // A double click is one click: press, release, second press, release.
    QTest::mouseClick(fixture.field(), Qt::LeftButton, {}, QPoint(300, 200));
    QTest::mouseDClick(fixture.field(), Qt::LeftButton, {}, QPoint(300, 200));
    QTest::mouseRelease(fixture.field(), Qt::LeftButton, {}, QPoint(300, 200));
    QCOMPARE(fixture.practice()->currentWord(), u"ba"_s);
}

void TestLifeCycle::exitSequence_data()
{
    QTest::addColumn<bool>("closeRequest"); // the window system's close instead of "X"
    QTest::addColumn<bool>("yes");
    QTest::addColumn<bool>("writable");

    QTest::addRow("X, No (or Enter)") << false << false << true;
    QTest::addRow("X, Yes") << false << true << true;
    QTest::addRow("close request, No") << true << false << true;
    QTest::addRow("close request, Yes") << true << true << true;
    QTest::addRow("Yes, but the file cannot be written") << false << true << false;
}

void TestLifeCycle::exitSequence()
{
    QFETCH(bool, closeRequest);
    QFETCH(bool, yes);
    QFETCH(bool, writable);

    const QByteArray before = "Ab C d\r\n 3 \r\n 9 \r\n 60 \r\nCourier New\r\n";
    WindowFixture fixture;
    fixture.write(u"SILBEN.TXT"_s, threeWords);
    if (writable)
        fixture.write(u"silben.ini"_s, before);
    else // no file can be written under this name
        QVERIFY(fixture.dir().mkdir(u"silben.ini"_s));
    MainWindow &window = fixture.openShown();
    fixture.dialogs.calls.clear();
    fixture.dialogs.confirmAnswer = yes;
    QByteArray atFarewell;
    fixture.dialogs.onCall = [&](const FakeDialogs::Call &call) {
        if (call.kind == u"inform"_s)
            atFarewell = fixture.read(u"silben.ini"_s);
    };

    if (closeRequest)
        window.close();
    else
        fixture.click(u"Bezeichnung6"_s);

    QStringList boxes{u"confirm:Trabelo beenden"_s};
    if (yes)
        boxes << u"inform:Trabelo"_s;
    if (!writable)
        boxes << u"warn:Trabelo"_s;
    QCOMPARE(fixture.dialogs.kinds(), boxes);
    QCOMPARE(fixture.dialogs.calls[0].text, u"Sind sie sich wirklich sicher?"_s);
    QCOMPARE(window.isVisible(), !yes);
    if (!yes) {
        QCOMPARE(fixture.read(u"silben.ini"_s), before);
    } else if (writable) {
        QCOMPARE(fixture.dialogs.calls[1].text, Texts::farewellText);
        QCOMPARE(atFarewell, before); // written only after the farewell
        QCOMPARE(fixture.read(u"silben.ini"_s), "abcd\r\n 3 \r\n 9 \r\n 60 \r\nCourier New\r\n");
        QCOMPARE(fixture.label(u"abc"_s)->text(), u"abcd"_s);
    }
    if (!writable) {
        const QString told = fixture.dialogs.calls[2].text;
        QVERIFY2(told.startsWith(u"Die Einstellungen konnten nicht in"_s), qPrintable(told));
        QVERIFY2(told.contains(fixture.path(u"silben.ini"_s)), qPrintable(told));
    }
}

void TestLifeCycle::letterSequenceEntry_data()
{
    QTest::addColumn<QString>("answer"); // empty: OK on an empty field, or Cancel
    QTest::addColumn<QString>("sequence");
    QTest::addColumn<int>("queued");

    QTest::addRow("new letters") << u"ab"_s << u"ab"_s << 3;
    QTest::addRow("empty or cancelled") << QString() << u"abc"_s << 3;
    QTest::addRow("blanks and capitals kept") << u" B A"_s << u" B A"_s << 3;
    QTest::addRow("no word passes") << u"xyz"_s << u"xyz"_s << 0;
}

void TestLifeCycle::letterSequenceEntry()
{
    QFETCH(QString, answer);
    QFETCH(QString, sequence);
    QFETCH(int, queued);

    WindowFixture fixture;
    fixture.write(u"SILBEN.TXT"_s, threeWords);
    fixture.write(u"silben.ini"_s, "abc\r\n 5 \r\n 7 \r\n 48 \r\nArial\r\n");
    fixture.open();
    fixture.dialogs.textAnswer = answer;

    fixture.click(u"Label1"_s);
    QCOMPARE(fixture.dialogs.calls.size(), 1);
    const FakeDialogs::Call asked = fixture.dialogs.calls[0];
    QCOMPARE(asked.title, u"Lautfolge"_s);
    QCOMPARE(asked.text, u"Geben Sie die gewünschte Lautfolge hier ein:"_s);
    QCOMPARE(asked.defaultText, u"abc"_s);

    QCOMPARE(fixture.label(u"abc"_s)->text(), sequence);
    QCOMPARE(fixture.practice()->queue().size(), queued);
    // The word and the count wait for the next request.
    QCOMPARE(fixture.practice()->currentWord(), u"ab"_s);
    QCOMPARE(fixture.label(u"Bezeichnung7"_s)->text(), u" 2 Wörter"_s);
}

void TestLifeCycle::fileChooserListsWordLists()
{
    WindowFixture fixture;
    fixture.write(u"SILBEN.TXT"_s, threeWords);
    fixture.write(u"tiere.txt"_s, "ab\r\n");
    fixture.write(u"Zoo.Txt"_s, "ab\r\n");
    fixture.write(u".x.txt"_s, "ab\r\n");
    fixture.write(u"notes.dat"_s, "ab\r\n");
    fixture.write(u"txt"_s, "ab\r\n");
    QVERIFY(fixture.dir().mkdir(u"x.txt"_s));
    fixture.open();
    fixture.write(u"later.txt"_s, "ab\r\n"); // read once, at start-up

    PopupList *files = fixture.list(u"Datei1"_s);
    QStringList listed;
    for (int row = 0; row < files->count(); ++row)
        listed << files->item(row)->text();
    QCOMPARE(listed, (QStringList{u"SILBEN.TXT"_s, u"tiere.txt"_s, u"Zoo.Txt"_s}));
    QVERIFY(files->selectedItems().isEmpty());

    fixture.click(u"Bezeichnung2"_s);
    QCOMPARE(files->y(), 8);
    fixture.click(u"Bezeichnung2"_s);
    QCOMPARE(files->y(), 600);
    QCOMPARE(fixture.label(u"Bezeichnung1"_s)->text(), u"SILBEN.TXT"_s);
}

void TestLifeCycle::choosingAFile()
{
    WindowFixture fixture;
    fixture.write(u"SILBEN.TXT"_s, threeWords);
    fixture.write(u"tiere.txt"_s, "Bab\r\naa\r\nCab\r\n");
    fixture.write(u"weg.txt"_s, "ab\r\n");
    fixture.open();
    QVERIFY(QFile::remove(fixture.path(u"weg.txt"_s)));
    ButtonLabel *name = fixture.label(u"Bezeichnung1"_s);
    const QColor normal = name->palette().color(QPalette::WindowText);
    PopupList *files = fixture.list(u"Datei1"_s);

    // A file that vanished since the start: the name turns red and says why, without a box.
    fixture.click(u"Bezeichnung2"_s);
    WindowFixture::clickEntry(files, 2);
    QCOMPARE(name->text(), u"WEG.TXT"_s);
    QCOMPARE(name->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QVERIFY2(name->toolTip().contains(u"WEG.TXT"_s), qPrintable(name->toolTip()));
    QCOMPARE(fixture.practice()->currentWord(), u"ab"_s); // the display stays
    QVERIFY(fixture.dialogs.calls.isEmpty());

    fixture.click(u"Bezeichnung2"_s);
    WindowFixture::clickEntry(files, 1);
    QCOMPARE(name->text(), u"TIERE.TXT"_s);
    QCOMPARE(name->palette().color(QPalette::WindowText), normal);
    QCOMPARE(name->toolTip(), QString());
    QCOMPARE(files->y(), 600);
    QCOMPARE(fixture.practice()->currentWord(), u"aa"_s);
    QCOMPARE(fixture.label(u"Bezeichnung7"_s)->text(), u" 2 Wörter"_s);
    QCOMPARE(fixture.practice()->queue(), (QStringList{u"Bab"_s, u"Cab"_s}));
}

QTEST_MAIN(TestLifeCycle)
#include "tst_lifecycle.moc"
