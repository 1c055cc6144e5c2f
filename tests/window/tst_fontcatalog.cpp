// SPDX-License-Identifier: GPL-3.0-or-later
#include "fontcatalog.h"
#include "windowfixture.h"

// Which entries of the system's font list the chooser offers, and under which name.
class TestFontCatalog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void offeredFamilies_data()
    {
        QTest::addColumn<QStringList>("system");
        QTest::addColumn<QStringList>("offered");
        QTest::addRow("plain repeats, each offered")
            << QStringList{u"Arial"_s, u"Verdana"_s, u"Arial"_s}
            << QStringList{u"Arial"_s, u"Arial"_s, u"Verdana"_s};
        QTest::addRow("two foundries, offered once")
            << QStringList{u"Arial [Monotype]"_s, u"Arial [Bitstream]"_s}
            << QStringList{u"Arial"_s};
        QTest::addRow("a foundry and none, offered once")
            << QStringList{u"Arial"_s, u"DejaVu Sans"_s, u"Arial [Monotype]"_s}
            << QStringList{u"Arial"_s};
        QTest::addRow("blanks in the family")
            << QStringList{u"Verdana"_s, u"Comic Sans MS [Microsoft]"_s, u"Comic Sans MS"_s}
            << QStringList{u"Comic Sans MS"_s, u"Verdana"_s};
        QTest::addRow("foundries of other families")
            << QStringList{u"Arial Black [Monotype]"_s, u"arial [Monotype]"_s, u"Fibel [X]"_s}
            << QStringList{};
        QTest::addRow("brackets that name no foundry")
            << QStringList{u"Arial [Monotype"_s, u"Arial[Monotype]"_s, u"[Arial]"_s,
                           u"Arial [Monotype] x"_s}
            << QStringList{};
    }

    void offeredFamilies()
    {
        QFETCH(QStringList, system);
        QFETCH(QStringList, offered);
        QCOMPARE(FontCatalog::offeredFamilies(system), offered);
    }

    void chosenFoundryFamilyIsSavedByItsName()
    {
        WindowFixture f;
        f.fonts = {u"Verdana"_s, u"Arial [Monotype]"_s, u"Arial [Bitstream]"_s};
        QVERIFY(f.openShown());
        PopupList *chooser = f.list(Control::FontList);
        QCOMPARE(f.entries(chooser), QStringList({u"Arial"_s, u"Verdana"_s}));
        f.click(Control::FontsButton);
        f.clickEntry(chooser, 1);
        f.click(Control::FontsButton);
        f.clickEntry(chooser, 0);
        f.dialogs.answer = u"Ja"_s;
        f.click(Control::ExitButton);
        QVERIFY(f.read(u"silben.ini"_s).endsWith("\r\nArial\r\n"));
    }
};

QTEST_MAIN(TestFontCatalog)
#include "tst_fontcatalog.moc"
