#include "windowfixture.h"

#include "fontcatalog.h"

#include <QFontDatabase>

using namespace Qt::StringLiterals;

class TestFontsAndWidth : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void offeredFamilies_data();
    void offeredFamilies();
    void systemFamiliesCountOnlyStrongStandIns();
    void chooserTogglesAndChooses();
    void sortClosesAndRefillsTheChooser();
    void sizeBar_data();
    void sizeBar();
    void widthModes_data();
    void widthModes();
};

void TestFontsAndWidth::offeredFamilies_data()
{
    QTest::addColumn<QStringList>("system");
    QTest::addColumn<QStringList>("offered");

    QTest::addRow("none of the eight")
        << QStringList{u"DejaVu Sans"_s, u"Noto Serif"_s} << QStringList{};
    QTest::addRow("letter case differs") << QStringList{u"arial"_s, u"VERDANA"_s} << QStringList{};
    QTest::addRow("part of a name") << QStringList{u"Arial Black"_s, u"Fibel"_s} << QStringList{};
    QTest::addRow("repeated family offered twice")
        << QStringList{u"Arial"_s, u"Courier New"_s, u"Arial"_s}
        << QStringList{u"Arial"_s, u"Arial"_s, u"Courier New"_s};
    QTest::addRow("alphabetical, whatever the system's order")
        << QStringList{u"Verdana"_s,    u"Fibel Sued"_s,    u"Druckschrift BY KAV"_s,
                       u"AAA Schule"_s, u"Comic Sans MS"_s, u"Fibel Nord"_s}
        << QStringList{u"AAA Schule"_s, u"Comic Sans MS"_s, u"Druckschrift BY KAV"_s,
                       u"Fibel Nord"_s, u"Fibel Sued"_s,    u"Verdana"_s};
}

void TestFontsAndWidth::offeredFamilies()
{
    QFETCH(QStringList, system);
    QFETCH(QStringList, offered);
    QCOMPARE(FontCatalog::offeredFamilies(system), offered);
}

void TestFontsAndWidth::systemFamiliesCountOnlyStrongStandIns()
{
    const QStringList installed = QFontDatabase::families();
    const QStringList families = FontCatalog::systemFamilies();
    for (const QString &family : installed)
        QVERIFY(families.contains(family));
    if (!installed.contains(u"Liberation Sans"_s) || installed.contains(u"Arial"_s))
        QSKIP("needs Liberation Sans standing in for a missing Arial");
    QVERIFY(families.contains(u"Arial"_s));
    // A general fallback is no stand-in: "Verdana" only when it is installed.
    QCOMPARE(families.contains(u"Verdana"_s), installed.contains(u"Verdana"_s));
    QCOMPARE(families.contains(u"Fibel Nord"_s), installed.contains(u"Fibel Nord"_s));
}

void TestFontsAndWidth::chooserTogglesAndChooses()
{
    WindowFixture fixture;
    fixture.fonts = {u"Verdana"_s, u"arial"_s, u"Arial"_s, u"Comic Sans MS"_s, u"Arial"_s};
    fixture.write(u"SILBEN.TXT"_s, "ab\r\nba\r\n");
    fixture.open();
    PopupList *chooser = fixture.list(u"Liste1"_s);
    QCOMPARE(chooser->count(), 4);
    const QStringList entries{chooser->item(0)->text(), chooser->item(1)->text(),
                              chooser->item(2)->text(), chooser->item(3)->text()};
    QCOMPARE(entries, (QStringList{u"Arial"_s, u"Arial"_s, u"Comic Sans MS"_s, u"Verdana"_s}));
    QVERIFY(chooser->selectedItems().isEmpty());

    QCOMPARE(chooser->y(), 600);
    fixture.click(u"Bezeichnung5"_s);
    QCOMPARE(chooser->y(), 8);
    fixture.click(u"Bezeichnung5"_s);
    QCOMPARE(chooser->y(), 600);
    QCOMPARE(fixture.field()->font().family(), u"Lateinaus"_s);

    fixture.click(u"Bezeichnung5"_s);
    const QString word = fixture.practice()->currentWord();
    WindowFixture::clickEntry(chooser, 3);
    QCOMPARE(chooser->y(), 600);
    QCOMPARE(fixture.field()->font().family(), u"Verdana"_s);
    QCOMPARE(fixture.field()->font().pointSize(), 48);
    QVERIFY(fixture.field()->font().bold());
    QCOMPARE(fixture.practice()->currentWord(), word); // a choice shows no new word
    QCOMPARE(chooser->currentRow(), 3);
}

void TestFontsAndWidth::sortClosesAndRefillsTheChooser()
{
    WindowFixture fixture;
    fixture.fonts = {u"Arial"_s, u"Verdana"_s};
    fixture.write(u"SILBEN.TXT"_s, "ab\r\nba\r\n");
    fixture.open();
    PopupList *chooser = fixture.list(u"Liste1"_s);
    fixture.click(u"Bezeichnung5"_s);
    WindowFixture::clickEntry(chooser, 1);
    fixture.click(u"Bezeichnung5"_s);
    QCOMPARE(chooser->selectedItems().size(), 1);

    // A new letter sequence reloads the list, sorted in the mode "nach A B C".
    fixture.dialogs.textAnswer = u"ab"_s;
    fixture.fonts = {u"Courier New"_s};
    fixture.click(u"Label1"_s);
    QCOMPARE(chooser->y(), 600);
    QCOMPARE(chooser->count(), 1);
    QCOMPARE(chooser->item(0)->text(), u"Courier New"_s);
    QVERIFY(chooser->selectedItems().isEmpty());
    QCOMPARE(fixture.field()->font().family(), u"Verdana"_s); // refilling chose nothing
}

void TestFontsAndWidth::sizeBar_data()
{
    QTest::addColumn<int>("action"); // a QAbstractSlider::SliderAction, or 0 to assign
    QTest::addColumn<int>("assigned");
    QTest::addColumn<int>("size");

    QTest::addRow("arrow up") << int(QAbstractSlider::SliderSingleStepSub) << 0 << 46;
    QTest::addRow("arrow down") << int(QAbstractSlider::SliderSingleStepAdd) << 0 << 50;
    QTest::addRow("trough") << int(QAbstractSlider::SliderPageStepAdd) << 0 << 50;
    QTest::addRow("dragged") << int(QAbstractSlider::SliderMove) << 120 << 120;
    QTest::addRow("below the range") << 0 << 4 << 18;
    QTest::addRow("above the range") << 0 << 500 << 200;
}

void TestFontsAndWidth::sizeBar()
{
    QFETCH(int, action);
    QFETCH(int, assigned);
    QFETCH(int, size);

    WindowFixture fixture;
    fixture.write(u"SILBEN.TXT"_s, "ab\r\n");
    fixture.open();
    QScrollBar *bar = fixture.sizeBar();
    if (action == QAbstractSlider::SliderMove) {
        bar->setSliderDown(true);
        bar->setSliderPosition(assigned);
    } else if (action != 0) {
        bar->triggerAction(QAbstractSlider::SliderAction(action));
    } else {
        bar->setValue(assigned);
    }
    QCOMPARE(bar->value(), size);
    QCOMPARE(fixture.field()->font().pointSize(), size);
    QVERIFY(fixture.field()->font().bold());
}

void TestFontsAndWidth::widthModes_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("client");
    QTest::addColumn<int>("band");
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("countLeft");

    // twips / 15: client 13920 / 16920 / 19920, band +20, field −460, count left −1920
    QTest::addRow("narrow") << u"Label2"_s << 928 << 929 << 897 << 800;
    QTest::addRow("medium") << u"Label3"_s << 1128 << 1129 << 1097 << 1000;
    QTest::addRow("wide") << u"Label4"_s << 1328 << 1329 << 1297 << 1200;
}

void TestFontsAndWidth::widthModes()
{
    QFETCH(QString, button);
    QFETCH(int, client);
    QFETCH(int, band);
    QFETCH(int, field);
    QFETCH(int, countLeft);

    WindowFixture fixture;
    fixture.write(u"SILBEN.TXT"_s, "ab\r\n");
    MainWindow &window = fixture.openShown();
    auto geometries = [&window] {
        QList<QRect> all{window.geometry()};
        for (QWidget *child : window.findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            all << child->geometry();
        return all;
    };
    const QList<QRect> start = geometries();
    const QString count = fixture.label(u"Bezeichnung7"_s)->text();

    fixture.click(u"Label4"_s);
    fixture.click(button);
    QCOMPARE(window.size(), QSize(client, 474));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QCOMPARE(window.geometry().topLeft(), start[0].topLeft()); // left and top edges stay
    QCOMPARE(fixture.control(u"Figur2"_s)->geometry(), QRect(0, 0, band, 49));
    QCOMPARE(fixture.field()->geometry(), QRect(24, 64, field, 377));
    ButtonLabel *wordCount = fixture.label(u"Bezeichnung7"_s);
    QCOMPARE(wordCount->geometry(), QRect(countLeft, 448, 121, 17));
    QCOMPARE(wordCount->text(), count);
    // Only the window, the band, the field and the count change.
    const QList<QRect> now = geometries();
    int changed = 0;
    for (qsizetype i = 0; i < now.size(); ++i)
        changed += now[i] != start[i];
    QCOMPARE(changed, client == 928 ? 0 : 4);
}

QTEST_MAIN(TestFontsAndWidth)
#include "tst_fontsandwidth.moc"
