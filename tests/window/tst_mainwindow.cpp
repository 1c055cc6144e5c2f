// SPDX-License-Identifier: GPL-3.0-or-later
#include "pixels.h"
#include "windowfixture.h"

#include "texts.h"
#include "windowtexts.h"

#include <QScrollBar>

#include <optional>

namespace {

// One control as laid out: pixels are twips / 15, colours 0xRRGGBB. The values are written
// here from the layout description, never taken from the program's own table.
struct Row
{
    Control control;
    const char *name; // its objectName, which assistive tools and outside checks use
    int x, y, width, height;
    QRgb background, text; // text: of its caption or entries; background 0: the toolkit's look
    const char *caption = "", *tooltip = "";
    QRgb edge = 0;                // its corner pixels: black for a border
    const char *family = "Arial"; // null: no font of its own
    qreal points = 18;
    int alignment = Qt::AlignHCenter;
};

const QRgb magenta = 0x800080, grey = 0xc0c0c0; // the colours 5 and 7

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

    std::optional<WindowFixture> f;

private Q_SLOTS:
    void init() { f.emplace(); }

    void layout_data()
    {
        QTest::addColumn<Row>("row");
        const QRgb white = 0xffffff, black = 0, light = 0xe0e0e0;
        const char *ms = "MS Sans Serif";
        auto add = [](const Row &row) { QTest::addRow("%s", row.name) << row; };
        using enum Control;
        add({ExitButton, "Bezeichnung6", 8, 8, 33, 33, 0x0000ff, 0xff0000, "X", "Beenden"});
        add({FontsButton, "Bezeichnung5", 48, 8, 33, 33, 0x008000, white, "S", "Schriften"});
        // The swatches show the colours 5 and 7 once the start-up found no settings file.
        add({FirstSwatch, "Bezeichnung9", 88, 8, 33, 33, magenta, white, "1", "Erste Farbe"});
        add({SecondSwatch, "Bezeichnung10", 120, 8, 33, 33, grey, white, "2", "Zweite Farbe"});
        add({LetterEntryButton, "Label1", 160, 8, 73, 33, 0xffff00, black, "ABC", "Lauteingabe"});
        add({LetterSequence, "abc", 240, 8, 473, 33, white, black, "abc", "Lautfolge"});
        add({OrderMode, "Bezeichnung11", 720, 8, 161, 33, 0xffc0c0, black, "nach A B C",
             "Sortierung"});
        add({FilesButton, "Bezeichnung2", 888, 8, 33, 33, 0xc04000, white, "T", "Textdateien"});
        add({NarrowButton, "Label2", 8, 448, 41, 17, 0xff8000, black, "-", "", black, ms, 12});
        add({MediumButton, "Label3", 56, 448, 41, 17, 0xff0000, black, "- -", "", black, ms, 12});
        add({WideButton, "Label4", 104, 448, 41, 17, 0xc000c0, black, "- - -", "", black, ms, 12});
        add({FileName, "Bezeichnung1", 152, 450, 201, 19, light, 0x404040, "SILBEN.TXT", "", light,
             ms, 8.25, Qt::AlignLeft});
        add({WordCount, "Bezeichnung7", 800, 448, 121, 17, light, black, "0 Wörter", "Wörterzahl",
             light, ms, 9.75, Qt::AlignRight});
        add({FontList, "Liste1", 80, 600, 153, 98, 0x008000, white, "", "", black, "Arial", 9.75});
        add({FileList, "Datei1", 720, 600, 169, 130, 0xc04000, white, "", "", black, "Arial",
             9.75});
        // The field shows no text; its font: no settings file, and the size bar's value.
        add({WordField, "farbfeld", 24, 64, 897, 377, white, white, "", "", black, "Lateinaus",
             48});
        add({SizeBar, "VBildlauf1", 8, 64, 17, 377, 0, 0, "", "", 0, nullptr});
        add({Band, "Figur2", 0, 0, 929, 49, grey, grey, "", "", 0x808080, nullptr});
        // The extras' controls, hidden while their extras are off, in the free bottom row.
        add({ExtrasCue, "extrasCue", 360, 450, 80, 19, light, 0x606060, "Extras an",
             "Eingeschaltete Extras (Rechtsklick auf die weiße Fläche):\n", light, ms, 8.25,
             Qt::AlignLeft});
        add({SpeakerButton, "speakerButton", 480, 442, 45, 31, 0xffffc0, 0x969696, "",
             "nicht bereit", black, ms, 8.25}); // the recording speaker's reason
    }

    void layout()
    {
        QFETCH(Row, row);
        f->open("xyz\r\n"); // no word passes "abc": the count keeps its first text
        QWidget *control = f->get(row.control);
        QVERIFY(control);
        QCOMPARE(control->objectName(), QString::fromLatin1(row.name));
        QCOMPARE(control->geometry(), QRect(row.x, row.y, row.width, row.height));
        QCOMPARE(control->toolTip(), QString::fromUtf8(row.tooltip));
        QCOMPARE(control->property("text").toString(), QString::fromUtf8(row.caption));
        const QFont font = control->font();
        if (row.family)
            QCOMPARE(u"%1 %2 %3"_s.arg(font.family()).arg(font.pointSizeF()).arg(font.weight()),
                     u"%1 %2 700"_s.arg(QString::fromLatin1(row.family)).arg(row.points));
        if (!row.background)
            return;
        if (auto *list = qobject_cast<PopupList *>(control))
            list->setOpen(true); // its entries are shown from the first opening on
        const QImage image = control->grab().toImage();
        const int right = row.width - 1, bottom = row.height - 1;
        QCOMPARE(QColor(image.pixel(0, 0)), QColor(row.edge));
        QCOMPARE(QColor(image.pixel(right, bottom)), QColor(row.edge));
        const int clearX = row.alignment == Qt::AlignRight ? 4 : right - 4; // away from the text
        QCOMPARE(QColor(image.pixel(clearX, bottom - 4)), QColor(row.background));
        if (auto *label = qobject_cast<ButtonLabel *>(control))
            QCOMPARE(int(label->alignment() & Qt::AlignHorizontal_Mask), row.alignment);
        QVERIFY2(!columnsOf(image.copy(1, 1, right - 1, bottom - 1), {row.text}).isEmpty(),
                 "no pixel in the text colour inside the frame");
    }

    void startUpAppliesTheSettingsBeforeTheFirstWord()
    {
        // With the bar's own size nothing redraws the first word: it shows what came before it.
        f->write(u"silben.ini"_s, "xyz\r\n 2 \r\n 4 \r\n 48 \r\nCourier New\r\n");
        f->fonts = {u"Fibel"_s, u"Arial Black"_s}; // none of the eight
        f->open("Ab-ba\r\nXy-yx\r\n");
        QVERIFY(f->list(Control::FontList)->entries().isEmpty());
        QCOMPARE(f->word(), u"Xy-yx"_s);
        QCOMPARE(f->field()->font().family(), u"Courier New"_s);
        const QImage image = f->fieldImage();
        QVERIFY(!columnsOf(image, {0x008000}).isEmpty() && !columnsOf(image, {0x800000}).isEmpty());
        QVERIFY(f->dialogs.boxes.isEmpty()); // the hint waits for the window to show
        f->click(Control::FirstSwatch);      // the next first colour, 3, drawn at once
        QVERIFY(!columnsOf(f->fieldImage(), {0x008080}).isEmpty());
    }

    void keysShowAWordFirst()
    {
        f->fonts = {u"Arial"_s, u"Verdana"_s};
        QVERIFY(f->openShown());
        QWindow *window = f->window->windowHandle();
        QCOMPARE(f->window->focusWidget(), nullptr); // at start no control that takes keys
        // A shown list that has the focus moves its selection after the word was shown.
        PopupList *chooser = f->list(Control::FontList);
        f->click(Control::FontsButton);
        chooser->setFocus();
        QString wordAtChoice;
        connect(chooser, &PopupList::chosen, chooser, [&] { wordAtChoice = f->word(); });
        QTest::keyClick(window, Qt::Key_Down);
        QCOMPARE(wordAtChoice, u"ab-ba"_s);
        QCOMPARE(f->field()->font().family(), chooser->view()->currentItem()->text());
        QTest::keyClick(window, Qt::Key_Shift);
        QCOMPARE(f->word(), u"ba"_s);
        qt_handleKeyEvent(window, QEvent::KeyPress, Qt::Key_Q, {}, u"q"_s, true); // auto-repeat
        QTest::mouseClick(f->field(), Qt::LeftButton);
        QCOMPARE(f->word(), u"ab-ba"_s); // the list was read again: ab, then ab-ba
    }

    // Ja with a folder in the settings file's place: after the farewell, a warning naming the
    // file, and the program ends. No and Ja, by X and by the close request, and the tidied
    // file they leave are the end-to-end and window manager tests'.
    void exitWithUnwritableSettings()
    {
        QVERIFY(QDir(f->dir.path()).mkdir(u"silben.ini"_s));
        QVERIFY(f->openShown());
        f->dialogs.answer = u"Ja"_s;
        f->click(Control::ExitButton);
        QCOMPARE(f->dialogs.boxes.join(u' '), u"inform ask inform warn"_s);
        QVERIFY(f->dialogs.texts.last().contains(f->dir.filePath(u"silben.ini"_s)));
        QVERIFY(!f->window->isVisible());
    }

    void fileChooser()
    {
        for (const QString &name : {u"tiere.txt"_s, u"weg.TXT"_s})
            f->write(name, "Bab\r\naa\r\nCab\r\n");
        QVERIFY(f->openShown());
        PopupList *files = f->list(Control::FileList);
        QCOMPARE(files->entries(), QStringList({u"SILBEN.TXT"_s, u"tiere.txt"_s, u"weg.TXT"_s}));
        QVERIFY(QFile::remove(f->dir.filePath(u"weg.TXT"_s)));
        ButtonLabel *name = f->label(Control::FileName);
        // A list that cannot be read: the name turns red and says why, without a box.
        f->click(Control::FilesButton);
        QCOMPARE(files->y(), 8);
        f->clickEntry(files, 2);
        QCOMPARE(name->palette().color(QPalette::WindowText), QColor(Qt::red));
        QCOMPARE(name->text() + u' ' + name->toolTip(),
                 u"WEG.TXT "_s + Texts::wordListMissing.arg(u"WEG.TXT"_s));
        QCOMPARE(f->dialogs.boxes, QStringList{u"inform"_s}); // the hint only
        f->click(Control::FilesButton);
        f->clickEntry(files, 1);
        QCOMPARE(files->y(), 600);
        QCOMPARE(name->palette().color(QPalette::WindowText), QColor(0x404040));
        QCOMPARE(name->text() + name->toolTip(), u"TIERE.TXT"_s);
        QCOMPARE(f->word() + f->label(Control::WordCount)->text(), u"aa 2 Wörter"_s);
        // The hidden list let go of the focus: a later arrow key only shows a word.
        QCOMPARE(f->window->focusWidget(), nullptr);
        QTest::keyClick(f->window->windowHandle(), Qt::Key_Up);
        QCOMPARE(name->text() + u' ' + f->word(), u"TIERE.TXT Bab"_s);
    }

    void fontChooserAndLetterEntry()
    {
        f->fonts = {u"Verdana"_s, u"arial"_s, u"Arial"_s, u"DejaVu Sans"_s, u"Arial"_s};
        f->open();
        PopupList *chooser = f->list(Control::FontList);
        QCOMPARE(chooser->entries(), QStringList({u"Arial"_s, u"Arial"_s, u"Verdana"_s}));
        f->click(Control::FontsButton);
        QCOMPARE(chooser->y(), 8);
        QVERIFY(chooser->isAncestorOf(f->window->childAt(100, 100))); // in front of the field
        f->click(Control::FontsButton);
        QCOMPARE(chooser->y(), 600);
        f->click(Control::FontsButton);
        f->clickEntry(chooser, 2);
        QCOMPARE(chooser->y(), 600);
        QCOMPARE(f->field()->font().family(), u"Verdana"_s);

        // New letters rebuild and sort the queue at once, which closes and refills the chooser.
        f->click(Control::FontsButton);
        f->fonts = {u"Courier New"_s, u"Verdana"_s};
        f->dialogs.answer = u" ba"_s;
        f->click(Control::LetterEntryButton);
        QCOMPARE(f->dialogs.texts, QStringList{WindowTexts::letterEntryPrompt + u"|abc"_s});
        QCOMPARE(f->label(Control::LetterSequence)->text(), u" ba"_s);
        QCOMPARE(f->word() + f->label(Control::WordCount)->text(), u"ab 2 Wörter"_s);
        QCOMPARE(chooser->y(), 600);
        QCOMPARE(chooser->entries(), QStringList({u"Courier New"_s, u"Verdana"_s}));
    }

    void sizeBarAndWidthModes()
    {
        QVERIFY(f->openShown());
        auto *bar = f->get<QScrollBar>(Control::SizeBar);
        QList<int> sizes; // of the field's font, after each change of the bar
        connect(bar, &QScrollBar::valueChanged, [&] { sizes << f->field()->font().pointSize(); });
        bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        bar->setSliderDown(true); // a thumb drag
        bar->setSliderPosition(120);
        bar->setValue(4);
        bar->setValue(500);
        bar->setValue(200);
        QCOMPARE(sizes, QList<int>({46, 48, 120, 18, 200}));

        const QPoint topLeft = f->window->pos();
        QList<int> widths; // client, band, field; left of the count
        for (Control button : {Control::WideButton, Control::MediumButton, Control::NarrowButton}) {
            f->click(button);
            widths << f->window->maximumWidth() << f->get(Control::Band)->width()
                   << f->field()->width() << f->label(Control::WordCount)->x();
        }
        QCOMPARE(widths,
                 QList<int>({1328, 1329, 1297, 1200, 1128, 1129, 1097, 1000, 928, 929, 897, 800}));
        QCOMPARE(f->window->pos(), topLeft);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
