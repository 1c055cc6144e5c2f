// SPDX-License-Identifier: GPL-3.0-or-later
#include "fontcatalog.h"

#include <QApplication>
#include <QFontDatabase>
#include <QTest>

#include <future>

using namespace Qt::StringLiterals;

// The font families of the system as the font chooser sees them, looked up in the background
// from before the application object exists, as the program does. The rows hold for the
// fonts that scripts/install-deps installs (Liberation and DejaVu, no Arial of its own).
class TestSystemFamilies : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void systemFamilies_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<bool>("listed");
        QTest::addRow("Arial, by Liberation Sans") << u"Arial"_s << true;
        QTest::addRow("Courier New, by Liberation Mono") << u"Courier New"_s << true;
        QTest::addRow("Verdana, only a weak fallback") << u"Verdana"_s << false;
        QTest::addRow("Druckschrift BY KAV, none") << u"Druckschrift BY KAV"_s << false;
    }

    void systemFamilies()
    {
        QFETCH(QString, family);
        QFETCH(bool, listed);
        QCOMPARE(FontCatalog::systemFamilies().contains(family), listed);
    }

    // The database's own families first, as it lists them; then each substituted supported
    // name that it lacks, once, in the supported order.
    void databaseFirstThenSubstitutes()
    {
        const QStringList database = QFontDatabase::families();
        const QStringList families = FontCatalog::systemFamilies();
        QCOMPARE(families.first(database.size()), database);
        const QStringList added = families.sliced(database.size());
        QStringList expected;
        for (const QString &supported : FontCatalog::supportedFamilies()) {
            if (added.contains(supported) && !database.contains(supported))
                expected << supported;
        }
        QCOMPARE(added, expected);
    }

    // Every call, from any thread, gives the same list.
    void sameAtEveryCall()
    {
        const QStringList first = FontCatalog::systemFamilies();
        auto elsewhere = std::async(std::launch::async, &FontCatalog::systemFamilies);
        QCOMPARE(FontCatalog::systemFamilies(), first);
        QCOMPARE(elsewhere.get(), first);
    }
};

int main(int argc, char *argv[])
{
    FontCatalog::prepareSystemFamilies();
    FontCatalog::prepareSystemFamilies(); // a second call does nothing
    QApplication application(argc, argv);
    FontCatalog::prepareSystemFamilies(); // fills the font database ahead
    TestSystemFamilies test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_systemfamilies.moc"
