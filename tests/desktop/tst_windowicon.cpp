// SPDX-License-Identifier: GPL-3.0-or-later
#include <QGuiApplication>
#include <QImage>
#include <QTest>

#include "org.trabelo.Trabelo.xpm"

// The window shows the compiled-in XPM, the desktop the installed PNG: a redrawn icon must
// change both.
class WindowIconTest : public QObject
{
    Q_OBJECT

private slots:
    void xpmHasThePixelsOfThePng()
    {
        const QImage png(QStringLiteral(TRABELO_ICON_PNG));
        QVERIFY2(!png.isNull(), TRABELO_ICON_PNG);
        const QImage xpm(trabeloIconXpm);
        QCOMPARE(xpm.size(), png.size());
        QCOMPARE(xpm.convertToFormat(QImage::Format_ARGB32),
                 png.convertToFormat(QImage::Format_ARGB32));
    }
};

QTEST_MAIN(WindowIconTest)
#include "tst_windowicon.moc"
