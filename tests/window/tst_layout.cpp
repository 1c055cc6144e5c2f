#include "windowfixture.h"

#include <QApplication>

using namespace Qt::StringLiterals;

// The window as laid out, checked against values written here from the layout description
// (pixels are twips / 15), not taken from the program's own table.
class TestLayout : public QObject
{
    Q_OBJECT

    std::unique_ptr<WindowFixture> m_fixture;

private Q_SLOTS:
    void init()
    {
        m_fixture = std::make_unique<WindowFixture>();
        // No word passes "abc": the count keeps its first text.
        m_fixture->write(u"SILBEN.TXT"_s, "xyz\r\n");
    }

    void controls_data();
    void controls();
    void wordFieldAndSizeBar();
    void windowBandAndStacking();
};

void TestLayout::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("tooltip");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("text");
    QTest::addColumn<bool>("border");
    QTest::addColumn<QString>("family");
    QTest::addColumn<qreal>("points");
    QTest::addColumn<int>("alignment");

    const QColor white(255, 255, 255), black(0, 0, 0), grey(224, 224, 224);
    const int centre = Qt::AlignHCenter;
    auto topRow = [&](const char *name, int left, int width, const QString &caption,
                      const QString &tooltip, QColor background, QColor text) {
        QTest::addRow("%s", name) << QString::fromLatin1(name) << QRect(left, 8, width, 33)
                                  << caption << tooltip << background << text << true << u"Arial"_s
                                  << 18.0 << centre;
    };
    topRow("Bezeichnung6", 8, 33, u"X"_s, u"Beenden"_s, QColor(0, 0, 255), QColor(255, 0, 0));
    topRow("Bezeichnung5", 48, 33, u"S"_s, u"Schriften"_s, QColor(0, 128, 0), white);
    // The swatches show the colours 5 and 7 once the start-up found no settings file.
    topRow("Bezeichnung9", 88, 33, u"1"_s, u"Erste Farbe"_s, QColor(128, 0, 128), white);
    topRow("Bezeichnung10", 120, 33, u"2"_s, u"Zweite Farbe"_s, QColor(192, 192, 192), white);
    topRow("Label1", 160, 73, u"ABC"_s, u"Lauteingabe"_s, QColor(255, 255, 0), black);
    topRow("abc", 240, 473, u"abc"_s, u"Lautfolge"_s, white, black);
    topRow("Bezeichnung11", 720, 161, u"nach A B C"_s, u"Sortierung"_s, QColor(255, 192, 192),
           black);
    topRow("Bezeichnung2", 888, 33, u"T"_s, u"Textdateien"_s, QColor(192, 64, 0), white);

    auto bottomRow = [&](const char *name, QRect rect, const QString &caption, QColor background,
                         QColor text, bool border, qreal points, int alignment) {
        QTest::addRow("%s", name) << QString::fromLatin1(name) << rect << caption
                                  << (name == "Bezeichnung7"_L1 ? u"Wörterzahl"_s : QString())
                                  << background << text << border << u"MS Sans Serif"_s << points
                                  << alignment;
    };
    bottomRow("Label2", {8, 448, 41, 17}, u"-"_s, QColor(255, 128, 0), black, true, 12, centre);
    bottomRow("Label3", {56, 448, 41, 17}, u"- -"_s, QColor(255, 0, 0), black, true, 12, centre);
    bottomRow("Label4", {104, 448, 41, 17}, u"- - -"_s, QColor(192, 0, 192), black, true, 12,
              centre);
    bottomRow("Bezeichnung1", {152, 450, 201, 19}, u"SILBEN.TXT"_s, grey, QColor(64, 64, 64), false,
              8.25, Qt::AlignLeft);
    bottomRow("Bezeichnung7", {800, 448, 121, 17}, u"0 Wörter"_s, grey, black, false, 9.75,
              Qt::AlignRight);

    // The pop-up lists, parked out of sight below the window.
    QTest::addRow("Liste1") << u"Liste1"_s << QRect(80, 600, 153, 98) << QString() << QString()
                            << QColor(0, 128, 0) << white << true << u"Arial"_s << 9.75 << 0;
    QTest::addRow("Datei1") << u"Datei1"_s << QRect(720, 600, 169, 130) << QString() << QString()
                            << QColor(192, 64, 0) << white << true << u"Arial"_s << 9.75 << 0;
}

void TestLayout::controls()
{
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    QFETCH(QString, caption);
    QFETCH(QString, tooltip);
    QFETCH(QColor, background);
    QFETCH(QColor, text);
    QFETCH(bool, border);
    QFETCH(QString, family);
    QFETCH(qreal, points);
    QFETCH(int, alignment);

    m_fixture->open();
    QWidget *control = m_fixture->control(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), rect);
    QCOMPARE(control->toolTip(), tooltip);
    QCOMPARE(control->font().family(), family);
    QCOMPARE(control->font().pointSizeF(), points);
    QCOMPARE(control->font().weight(), QFont::Bold);

    const QImage image = picture(control);
    const QColor frame = border ? QColor(0, 0, 0) : background;
    QCOMPARE(QColor(image.pixel(0, 0)), frame);
    QCOMPARE(QColor(image.pixel(rect.width() - 1, rect.height() - 1)), frame);
    // The bottom corner away from the text shows the background.
    const int clearX = alignment == Qt::AlignRight ? 2 : rect.width() - 3;
    QCOMPARE(QColor(image.pixel(clearX, rect.height() - 2)), background);

    if (auto *list = qobject_cast<PopupList *>(control)) {
        QCOMPARE(list->palette().color(QPalette::Text), text);
        QVERIFY(list->selectedItems().isEmpty());
        return;
    }
    auto *label = qobject_cast<ButtonLabel *>(control);
    QCOMPARE(label->text(), caption);
    QCOMPARE(int(label->alignment() & Qt::AlignHorizontal_Mask), alignment);
    QCOMPARE(label->focusPolicy(), Qt::NoFocus);
    QVERIFY2(contains(image, text.rgb()), "no pixel in the text colour");
}

void TestLayout::wordFieldAndSizeBar()
{
    m_fixture->open();
    WordField *field = m_fixture->field();
    QCOMPARE(field->geometry(), QRect(24, 64, 897, 377));
    QCOMPARE(field->font().family(), u"Lateinaus"_s); // no settings file
    // The field starts at the bar's value, not at the 24 points it is laid out with.
    QCOMPARE(field->font().pointSize(), 48);
    QCOMPARE(field->font().weight(), QFont::Bold);
    QCOMPARE(field->focusPolicy(), Qt::ClickFocus);
    const QImage image = picture(field);
    QCOMPARE(QColor(image.pixel(0, 0)), QColor(0, 0, 0));
    QCOMPARE(QColor(image.pixel(896, 376)), QColor(0, 0, 0));
    QCOMPARE(QColor(image.pixel(448, 188)), QColor(255, 255, 255));

    QScrollBar *bar = m_fixture->sizeBar();
    QCOMPARE(bar->geometry(), QRect(8, 64, 17, 377));
    QCOMPARE(bar->orientation(), Qt::Vertical);
    QCOMPARE(QList<int>({bar->minimum(), bar->maximum(), bar->singleStep(), bar->pageStep()}),
             QList<int>({18, 200, 2, 2}));
    QCOMPARE(bar->value(), 48);
    QCOMPARE(bar->focusPolicy(), Qt::ClickFocus);
}

void TestLayout::windowBandAndStacking()
{
    MainWindow &window = m_fixture->openShown();
    QCOMPARE(window.objectName(), u"Form1"_s);
    QCOMPARE(window.windowTitle(), u"Trabelo"_s);
    QCOMPARE(window.size(), QSize(928, 474));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    const Qt::WindowFlags flags = window.windowFlags();
    QVERIFY(flags.testFlag(Qt::CustomizeWindowHint) && flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(!flags.testAnyFlags(Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint |
                                Qt::WindowSystemMenuHint));
    // At start no control that reacts to keys has the focus.
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(QApplication::focusWidget(), nullptr);

    QCOMPARE(m_fixture->control(u"Figur2"_s)->geometry(), QRect(0, 0, 929, 49));
    const QImage whole = picture(&window);
    QCOMPARE(QColor(whole.pixel(500, 460)), QColor(224, 224, 224)); // the window's grey
    QCOMPARE(QColor(whole.pixel(44, 20)), QColor(192, 192, 192));   // the band, between X and S
    QCOMPARE(QColor(whole.pixel(0, 20)), QColor(128, 128, 128));    // its outline
    QCOMPARE(QColor(whole.pixel(44, 48)), QColor(128, 128, 128));
    QCOMPARE(QColor(whole.pixel(927, 20)), QColor(192, 192, 192)); // no outline on the right
    QCOMPARE(QColor(whole.pixel(10, 10)), QColor(0, 0, 255));      // "X" in front of the band

    auto hit = [&window](QPoint at) {
        QWidget *child = window.childAt(at);
        while (child && child->parentWidget() != &window)
            child = child->parentWidget();
        return child ? child->objectName() : QString();
    };
    QCOMPARE(hit({24, 200}), u"VBildlauf1"_s); // the bar covers the field's left border
    m_fixture->click(u"Bezeichnung5"_s);
    m_fixture->click(u"Bezeichnung2"_s);
    QCOMPARE(hit({100, 20}), u"Liste1"_s);
    QCOMPARE(hit({100, 100}), u"Liste1"_s);
    QCOMPARE(hit({70, 20}), u"Bezeichnung5"_s); // "S" stays clickable
    QCOMPARE(hit({800, 100}), u"Datei1"_s);
    QCOMPARE(hit({900, 20}), u"Bezeichnung2"_s); // and so does "T"
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
