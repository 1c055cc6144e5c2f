// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/x11windowframe.h"

#include <QTest>

using Frame = X11WindowFrame;

// Where the framed window goes and what it lets the window manager do. The X11 side itself
// is checked by the end-to-end test under a window manager; that it stays out of the way
// elsewhere, every test that shows the main window offscreen relies on.
class TestX11WindowFrame : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void centredFramePosition_data()
    {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QMargins>("extents"); // left, top, right, bottom
        QTest::addColumn<QPoint>("frame");
        const QRect screen(0, 0, 1600, 1200);
        const QSize client(928, 474);
        QTest::addRow("title bar, half a pixel left over")
            << screen << client << QMargins(1, 20, 1, 1) << QPoint(335, 352);
        QTest::addRow("uneven sides")
            << screen << client << QMargins(10, 30, 0, 4) << QPoint(331, 346);
        QTest::addRow("second screen") << QRect(1600, 200, 1280, 1024) << client
                                       << QMargins(1, 20, 1, 1) << QPoint(1600 + 175, 200 + 264);
        QTest::addRow("wider than the screen") << QRect(0, 0, 800, 600) << QSize(1328, 474)
                                               << QMargins(1, 20, 1, 1) << QPoint(-265, 52);
    }

    void centredFramePosition()
    {
        QFETCH(QRect, screen);
        QFETCH(QSize, client);
        QFETCH(QMargins, extents);
        QFETCH(QPoint, frame);
        QCOMPARE(Frame::centredFramePosition(screen, client, extents), frame);
    }

    void allowedFunctions_data()
    {
        QTest::addColumn<int>("flags");
        QTest::addColumn<bool>("resizable");
        QTest::addColumn<uint>("functions");
        const int caption = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        const int buttons =
            Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint;
        // Regression: the caption-only window allowed closing, so a window manager that honours
        // the hints drew a close button.
        using enum Frame::MotifFunction;
        const uint always = FunctionMove;
        QTest::addRow("caption only, fixed size") << caption << false << always;
        QTest::addRow("caption only, resizable") << caption << true << (always | FunctionResize);
        QTest::addRow("buttons, fixed size")
            << (caption | buttons) << false << (always | FunctionMinimize | FunctionClose);
        QTest::addRow("buttons, resizable")
            << (caption | buttons) << true
            << (always | FunctionResize | FunctionMinimize | FunctionMaximize | FunctionClose);
    }

    void allowedFunctions()
    {
        QFETCH(int, flags);
        QFETCH(bool, resizable);
        QFETCH(uint, functions);
        QCOMPARE(Frame::allowedFunctions(Qt::WindowFlags(flags), resizable), functions);
    }
};

QTEST_MAIN(TestX11WindowFrame)
#include "tst_x11windowframe.moc"
