// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowfixture.h"
#include "windowtexts.h"

#include <QElapsedTimer>
#include <QScrollBar>

namespace {

// Anything but white inside the frame: after the swatches the word has other colours.
bool showsWord(const WindowFixture &f)
{
    QImage inside = f.fieldImage();
    inside = inside.copy(inside.rect().adjusted(1, 1, -1, -1));
    QImage white(inside.size(), inside.format());
    white.fill(Qt::white);
    return inside != white;
}

} // namespace

// Flash reading: a new word shows for the chosen time, then the field is white until the next.
class TestFlashReading : public QObject
{
    Q_OBJECT

    std::optional<WindowFixture> f;
    QElapsedTimer m_clock;

    // Opens the window with flash reading at 300 ms, the hint closed.
    void openFlashing(const QByteArray &flash = "300")
    {
        f->write(u"silben.ini"_s, redAndBlue);
        f->write(WindowTexts::extrasFile, "[Extras]\nFlashMilliseconds=" + flash + "\n");
        f->open("Ro-se\r\nO-ma\r\nBus\r\n").show();
        QVERIFY(QTest::qWaitForWindowExposed(f->window.get()));
        m_clock.start();
    }
    // Waits until the field turns white; returns how long it was visible since the clock, or -1.
    qint64 waitForWhite(int timeout = 10000)
    {
        if (!QTest::qWaitFor([&] { return f->field()->isBlank(); }, timeout))
            return -1;
        return m_clock.elapsed();
    }

private Q_SLOTS:
    void init() { f.emplace(); }

    // The first word was drawn under the hint: its time starts when the hint is closed.
    void firstWordGetsItsTimeAfterTheHint()
    {
        QElapsedTimer closed; // the word's time may start as soon as the hint is closed
        f->dialogs.onBox = [&closed] {
            QTest::qWait(400); // the teacher reads the hint
            closed.start();
        };
        openFlashing();
        QTRY_VERIFY(closed.isValid());
        m_clock = closed;
        const qint64 visible = waitForWhite();
        QVERIFY2(visible >= 290 && visible < 600, qPrintable(QString::number(visible)));
        QVERIFY(!showsWord(*f));
    }

    // A key while the word is still visible shows the next word at once and starts again.
    void keyDuringTheFlashRestartsIt()
    {
        openFlashing();
        QTest::qWait(150);
        // The word's time may start within the key click: the clock starts before it.
        m_clock.start();
        QTest::keyClick(f->window->windowHandle(), Qt::Key_Space);
        QCOMPARE(f->word(), u"O-ma"_s);
        const qint64 visible = waitForWhite();
        QVERIFY2(visible >= 290 && visible < 600, qPrintable(QString::number(visible)));
        QTest::mouseClick(f->field(), Qt::LeftButton); // after white, the next word as ever
        QCOMPARE(f->word(), u"Ro-se"_s);
        QVERIFY(!f->field()->isBlank());
    }

    // Redraws never restart the time and never bring a cleared word back.
    void redrawsKeepTheFlash()
    {
        openFlashing();
        QTest::qWait(100);
        f->click(Control::MediumButton);
        f->click(Control::FirstSwatch);
        const qint64 visible = waitForWhite();
        QVERIFY2(visible < 300 + 200, qPrintable(QString::number(visible)));
        f->click(Control::WideButton);
        f->click(Control::SecondSwatch);
        f->get<QScrollBar>(Control::SizeBar)->setValue(60);
        f->field()->repaint(); // uncovered by the window system
        QVERIFY(f->field()->isBlank());
        QVERIFY(!showsWord(*f));
    }

    // Choosing a time shows the word for the whole new time (a word on screen got no time, a white
    // field came back; both stayed). "Aus", chosen or stored, and a stored value that is no choice
    // never clear it; "Wort noch einmal zeigen" shows it again for the same time. The queue stays,
    // and the screen reader always has the word.
    void choosingShowsTheWord_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<bool>("white");     // chosen once the field is white
        QTest::addColumn<QString>("chosen"); // none: the stored value as it is
        QTest::addColumn<int>("shown");      // milliseconds; 0: for good
        const QString flash500 = WindowTexts::flash500, again = WindowTexts::showWordAgainEntry;
        QTest::addRow("Aus stored") << "0"_ba << false << QString() << 0;
        QTest::addRow("stored value no choice") << "250"_ba << false << QString() << 0;
        QTest::addRow("word on screen, off before") << "0"_ba << false << flash500 << 500;
        QTest::addRow("field white") << "300"_ba << true << flash500 << 500;
        QTest::addRow("Aus while white") << "300"_ba << true << WindowTexts::flashOff << 0;
        QTest::addRow("word again while white") << "300"_ba << true << again << 300;
    }

    void choosingShowsTheWord()
    {
        QFETCH(QByteArray, stored);
        QFETCH(bool, white);
        QFETCH(QString, chosen);
        QFETCH(int, shown);
        openFlashing(stored);
        if (white)
            QVERIFY(waitForWhite() > 0);
        QCOMPARE(f->field()->accessibleName(), u"Bus"_s);
        QCOMPARE(f->menu()->entry(WindowTexts::showWordAgainEntry)->isEnabled(), stored == "300");
        if (chosen.isEmpty())
            QVERIFY(f->menu()->entry(WindowTexts::flashOff)->isChecked());
        else
            f->choose(chosen);
        m_clock.start();
        QVERIFY(showsWord(*f));
        const qint64 visible = waitForWhite(shown ? 10000 : 1000);
        QVERIFY2(shown ? visible >= shown - 10 && visible < shown + 400 : visible == -1,
                 qPrintable(QString::number(visible)));
        QCOMPARE(f->word() + f->label(Control::WordCount)->text(), u"Bus 2 Wörter"_s);
    }
};

QTEST_MAIN(TestFlashReading)
#include "tst_flashreading.moc"
