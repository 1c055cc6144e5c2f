// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowfixture.h"
#include "windowtexts.h"

#include <QElapsedTimer>
#include <QScrollBar>

using namespace std::chrono_literals;

namespace {

const QRgb red = 0x800000, blue = 0x000080; // the colours 4 and 1

bool showsWord(WordField *field)
{
    const QImage image = field->grab().toImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (const QRgb c = image.pixel(x, y) & 0xffffff; c == red || c == blue)
                return true;
    return false;
}

} // namespace

// Flash reading: a new word shows for the chosen time, then the field is white until the next.
class TestFlashReading : public QObject
{
    Q_OBJECT

    std::optional<WindowFixture> f;
    QElapsedTimer m_clock;

    ExtrasMenu *menu() const { return f->menu(); }
    // Opens the window with flash reading at 300 ms, the hint closed.
    void openFlashing(const QByteArray &flash = "300")
    {
        f->write(u"silben.ini"_s, "abemnorsu\r\n 4 \r\n 1 \r\n 48 \r\nArial\r\n");
        f->write(WindowTexts::extrasFile, "[Extras]\nFlashMilliseconds=" + flash + "\n");
        f->write(u"SILBEN.TXT"_s, "Ro-se\r\nO-ma\r\nBus\r\n");
        f->window.reset(new MainWindow(
            {QDir(f->dir.path()), &f->dialogs, [] { return QStringList(); }, f->markers}));
        f->window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f->window.get()));
        m_clock.start();
    }
    // Waits until the field turns white; returns how long it was visible since the clock.
    qint64 waitForWhite()
    {
        if (!QTest::qWaitFor([&] { return f->field()->isBlank(); }, 10000))
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
        QVERIFY(!showsWord(f->field()));
        QCOMPARE(f->label(Control::WordCount)->text(), u" 2 Wörter"_s);
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

    // "Wort noch einmal zeigen": the same word for the same time, the queue untouched.
    void showWordAgain()
    {
        openFlashing();
        QVERIFY(waitForWhite() > 0);
        const QString count = f->label(Control::WordCount)->text();
        QAction *again = menu()->entry(WindowTexts::showWordAgainEntry);
        QVERIFY(again->isEnabled());
        m_clock.start();
        again->trigger();
        QVERIFY(showsWord(f->field()));
        QVERIFY(waitForWhite() >= 290);
        QCOMPARE(f->word(), u"Bus"_s);
        QCOMPARE(f->label(Control::WordCount)->text(), count);
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
        QVERIFY(!showsWord(f->field()));
    }

    // "Aus" and a stored value that is no choice: the program as ever, the word stays.
    void offNeverClears_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addRow("Aus") << "0"_ba;
        QTest::addRow("unknown value") << "250"_ba;
    }

    void offNeverClears()
    {
        QFETCH(QByteArray, stored);
        openFlashing(stored);
        QVERIFY(menu()->entry(WindowTexts::flashOff)->isChecked());
        QVERIFY(!menu()->entry(WindowTexts::showWordAgainEntry)->isEnabled());
        QTest::qWait(400);
        QVERIFY(!f->field()->isBlank());
        QVERIFY(showsWord(f->field()));
    }

    // Choosing a time shows the word with the whole new time from then on: a word on screen got
    // no time and stayed, a white field came back and stayed. "Aus" brings the word back for
    // good; the screen reader always has the word.
    void choosingATimeShowsTheWord_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<bool>("white"); // chosen once the field is white
        QTest::addColumn<QString>("chosen");
        QTest::addRow("word on screen, off before") << "0"_ba << false << WindowTexts::flash500;
        QTest::addRow("field white") << "300"_ba << true << WindowTexts::flash500;
        QTest::addRow("Aus while white") << "300"_ba << true << WindowTexts::flashOff;
    }

    void choosingATimeShowsTheWord()
    {
        QFETCH(QByteArray, stored);
        QFETCH(bool, white);
        QFETCH(QString, chosen);
        openFlashing(stored);
        if (white)
            QVERIFY(waitForWhite() > 0);
        QCOMPARE(f->field()->accessibleName(), u"Bus"_s);
        menu()->entry(chosen)->trigger();
        m_clock.start();
        QVERIFY(showsWord(f->field()));
        const qint64 visible = waitForWhite();
        if (chosen == WindowTexts::flashOff)
            QCOMPARE(visible, -1);
        else
            QVERIFY2(visible >= 490 && visible < 900, qPrintable(QString::number(visible)));
    }
};

QTEST_MAIN(TestFlashReading)
#include "tst_flashreading.moc"
