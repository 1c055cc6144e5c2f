// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fontcatalog.h"

#include <QApplication>
#include <QFontDatabase>
#include <QSet>
#include <QTest>

#include <future>

using namespace Qt::StringLiterals;

// Which system font families the chooser offers, under which name, looked up in the background
// before the application exists as the program does; for the fonts scripts/install-deps installs
// (Liberation and DejaVu, no Arial of its own).
class TestFontCatalog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void offeredFamilies_data()
    {
        QTest::addColumn<QString>("system"); // comma-separated
        QTest::addColumn<QString>("offered");
        QTest::addRow("plain repeats, each offered")
            << u"Arial,Verdana,Arial"_s << u"Arial,Arial,Verdana"_s;
        QTest::addRow("two foundries, offered once")
            << u"Arial [Monotype],Arial [Bitstream]"_s << u"Arial"_s;
        QTest::addRow("a foundry and none, offered once")
            << u"Arial,DejaVu Sans,Arial [Monotype]"_s << u"Arial"_s;
        QTest::addRow("blanks in the family")
            << u"Verdana,Comic Sans MS [Microsoft],Comic Sans MS"_s << u"Comic Sans MS,Verdana"_s;
        QTest::addRow("foundries of other families")
            << u"Arial Black [Monotype],arial [Monotype],Fibel [X]"_s << QString();
        QTest::addRow("brackets that name no foundry")
            << u"Arial [Monotype,Arial[Monotype],[Arial],Arial [Monotype] x"_s << QString();
    }

    void offeredFamilies()
    {
        QFETCH(QString, system);
        QFETCH(QString, offered);
        QCOMPARE(FontCatalog::offeredFamilies(system.split(u',')).join(u','), offered);
    }

    // The configuration's families, each once, hold every family of the toolkit's database
    // (which lists a family once per foundry and adds generic stand-ins); then, once each and in
    // order, the supported names it lacks that a metric-compatible font stands in for by a strong
    // binding (not a weak fallback); the same from any thread.
    void systemFamilies()
    {
        auto elsewhere = std::async(std::launch::async, &FontCatalog::systemFamilies);
        const QStringList families = FontCatalog::systemFamilies();
        QCOMPARE(elsewhere.get(), families);
        const QStringList substitutes = {u"Arial"_s, u"Courier New"_s};
        QCOMPARE(families.sliced(families.size() - substitutes.size()), substitutes);
        const QStringList configured = families.first(families.size() - substitutes.size());
        QCOMPARE(QSet(configured.begin(), configured.end()).size(), configured.size());
        const QStringList generic = {u"Serif"_s, u"Sans Serif"_s, u"Monospace"_s};
        for (const QString &entry : QFontDatabase::families()) {
            const QString family = FontCatalog::familyOf(entry);
            QVERIFY2(configured.contains(family) || generic.contains(family), qPrintable(family));
        }
        QVERIFY(!families.contains(u"Verdana"_s)); // a weak fallback only
    }
};

int main(int argc, char *argv[])
{
    FontCatalog::prepareSystemFamilies();
    FontCatalog::prepareSystemFamilies(); // a second call does nothing
    QApplication application(argc, argv);
    application.setAttribute(Qt::AA_Use96Dpi);
    TestFontCatalog test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_fontcatalog.moc"
