#include "germantranslation.h"
#include "messageboxdialogs.h"
#include "texts.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace Qt::StringLiterals;

// The real boxes, answered by key or click as soon as they are open.
class TestMessageBoxes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void confirmation_data();
    void confirmation();
    void messageShowsLineBreaks();
    void letterInput_data();
    void letterInput();

private:
    // Runs answer on the modal box once it is open.
    template <typename Box> static void whenOpen(std::function<void(Box *)> answer)
    {
        QTimer::singleShot(0, qApp, [answer] {
            auto *box = qobject_cast<Box *>(QApplication::activeModalWidget());
            QVERIFY(box);
            answer(box);
        });
    }
    static QStringList buttonTexts(QWidget *box)
    {
        QStringList texts;
        for (QPushButton *button : box->findChildren<QPushButton *>())
            texts << button->text().remove(u'&');
        texts.sort();
        return texts;
    }
};

void TestMessageBoxes::initTestCase()
{
    QVERIFY2(installGermanTranslation(qApp), "the toolkit's German translation is missing");
}

void TestMessageBoxes::confirmation_data()
{
    QTest::addColumn<int>("key"); // 0: click "Ja"
    QTest::addColumn<bool>("yes");

    QTest::addRow("Enter picks No") << int(Qt::Key_Return) << false;
    QTest::addRow("Ja") << 0 << true;
}

void TestMessageBoxes::confirmation()
{
    QFETCH(int, key);
    QFETCH(bool, yes);

    QStringList buttons;
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    whenOpen<QMessageBox>([&](QMessageBox *box) {
        buttons = buttonTexts(box);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        if (key)
            QTest::keyClick(box, Qt::Key(key));
        else
            box->button(QMessageBox::Yes)->click();
    });
    MessageBoxDialogs dialogs;
    QCOMPARE(dialogs.confirm(nullptr, Texts::exitTitle, Texts::exitQuestion), yes);
    QCOMPARE(buttons, (QStringList{u"Ja"_s, u"Nein"_s}));
    QCOMPARE(title, u"Trabelo beenden"_s);
    QCOMPARE(text, u"Sind sie sich wirklich sicher?"_s);
    QCOMPARE(icon, QMessageBox::Question);
}

void TestMessageBoxes::messageShowsLineBreaks()
{
    QStringList buttons;
    QString text;
    QMessageBox::Icon icon = QMessageBox::Warning;
    whenOpen<QMessageBox>([&](QMessageBox *box) {
        buttons = buttonTexts(box);
        text = box->text();
        icon = box->icon();
        QTest::keyClick(box, Qt::Key_Return);
    });
    MessageBoxDialogs().inform(nullptr, Texts::hintTitle, Texts::hintText);
    QCOMPARE(buttons, QStringList{u"OK"_s});
    QCOMPARE(text, u"Klicke auf die weiße Textfläche\noder drücke eine beliebige Taste,\n"
                   u"um neue Wörter anzuzeigen ...\n\n"_s);
    QCOMPARE(icon, QMessageBox::NoIcon);
}

void TestMessageBoxes::letterInput_data()
{
    QTest::addColumn<QString>("typed"); // replaces the text; a null string leaves it
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("result");

    QTest::addRow("OK with new letters") << u"a b"_s << int(Qt::Key_Return) << u"a b"_s;
    QTest::addRow("OK on an empty field") << u""_s << int(Qt::Key_Return) << QString();
    QTest::addRow("Cancel") << u"xyz"_s << int(Qt::Key_Escape) << QString();
}

void TestMessageBoxes::letterInput()
{
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(QString, result);

    QStringList buttons;
    QString prompt, shownText;
    whenOpen<QInputDialog>([&](QInputDialog *box) {
        buttons = buttonTexts(box);
        prompt = box->labelText();
        auto *field = box->findChild<QLineEdit *>();
        shownText = field->text();
        if (!typed.isNull()) {
            field->clear();
            QTest::keyClicks(field, typed);
        }
        QTest::keyClick(field, Qt::Key(key));
    });
    const QString entered = MessageBoxDialogs().askText(nullptr, Texts::letterEntryTitle,
                                                        Texts::letterEntryPrompt, u"mai"_s);
    QCOMPARE(entered, result);
    QCOMPARE(buttons, (QStringList{u"Abbrechen"_s, u"OK"_s}));
    QCOMPARE(prompt, u"Geben Sie die gewünschte Lautfolge hier ein:"_s);
    QCOMPARE(shownText, u"mai"_s);
}

QTEST_MAIN(TestMessageBoxes)
#include "tst_messageboxes.moc"
