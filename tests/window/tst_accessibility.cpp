// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowfixture.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QScrollBar>

// A screen reader must reach every control: labels by caption and tooltip, the word as the
// child reads it, the lists' entries and the size bar's value.
class TestAccessibility : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void screenReaderReachesEveryControl();
};

static QString spoken(QObject *control, QAccessible::Text what = QAccessible::Name)
{
    return QAccessible::queryAccessibleInterface(control)->text(what);
}

void TestAccessibility::screenReaderReachesEveryControl()
{
    WindowFixture f;
    f.write(u"silben.ini"_s, "abenos\r\n 5 \r\n 7 \r\n 48 \r\nArial\r\n");
    f.open("so\r\nBa-na-ne\r\n");

    QCOMPARE(spoken(f.label(Control::ExitButton)), u"X"_s);
    QCOMPARE(spoken(f.label(Control::ExitButton), QAccessible::Description), u"Beenden"_s);
    QCOMPARE(spoken(f.label(Control::WordCount)), u" 1 Wort"_s);
    QCOMPARE(spoken(f.label(Control::WordCount), QAccessible::Description), u"Wörterzahl"_s);
    QCOMPARE(spoken(f.field()), u"Banane"_s);
    QTest::mouseClick(f.field(), Qt::LeftButton);
    QCOMPARE(spoken(f.field()), u"so"_s);

    QAccessibleInterface *bar = QAccessible::queryAccessibleInterface(f.get(Control::SizeBar));
    QCOMPARE(bar->valueInterface()->currentValue().toInt(), 48);
    QCOMPARE(bar->valueInterface()->minimumValue().toInt(), 18);
    QCOMPARE(bar->valueInterface()->maximumValue().toInt(), 200);

    f.click(Control::FilesButton); // the list is built when it first opens
    QAccessibleInterface *files =
        QAccessible::queryAccessibleInterface(f.list(Control::FileList)->view());
    QCOMPARE(files->childCount(), 1);
    QCOMPARE(files->child(0)->text(QAccessible::Name), u"SILBEN.TXT"_s);
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
