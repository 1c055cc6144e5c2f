// SPDX-License-Identifier: GPL-3.0-or-later
#include "messageboxdialogs.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

// The boxes' buttons read German whatever the system's language: the first box installs the
// toolkit's German translation. The answer is what the keys chose.
class TestMessageBoxDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void germanButtons_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("keys"); // typed over its text; the last one closes it
        QTest::addColumn<QString>("seen"); // its buttons and what it gave
        QTest::addRow("question, Enter is Nein") << u"ask"_s << u"\r"_s << u"Ja Nein: no"_s;
        QTest::addRow("question, Ja") << u"ask"_s << u"j"_s << u"Ja Nein: yes"_s;
        QTest::addRow("input, OK") << u"input"_s << u"b\r"_s << u"Abbrechen OK: b"_s;
        QTest::addRow("input, Cancel") << u"input"_s << u"b\x1b"_s << u"Abbrechen OK: "_s;
        // Typing adds to the text; Return breaks the line, and OK is clicked. Only Cancel
        // gives nothing, unlike an OK on an emptied field.
        QTest::addRow("lines, OK") << u"lines"_s << u"\rb"_s << u"Abbrechen OK: a\nb"_s;
        QTest::addRow("lines, OK on nothing") << u"lines"_s << u"\b"_s << u"Abbrechen OK: "_s;
        QTest::addRow("lines, Cancel") << u"lines"_s << u"b\x1b"_s << u"Abbrechen OK: none"_s;
    }

    void germanButtons()
    {
        QFETCH(QString, box);
        QFETCH(QString, keys);
        QFETCH(QString, seen);
        QStringList buttons;
        QTimer::singleShot(0, qApp, [&] {
            QWidget *open = QApplication::activeModalWidget();
            QVERIFY(open);
            for (QPushButton *button : open->findChildren<QPushButton *>())
                buttons << button->text().remove(u'&');
            QTest::keyClicks(open->focusWidget() ? open->focusWidget() : open, keys);
            for (QPushButton *button : open->findChildren<QPushButton *>()) {
                if (open->isVisible() && button->text() == u"OK"_s)
                    button->click();
            }
        });
        MessageBoxDialogs dialogs;
        QString result;
        if (box == u"ask"_s)
            result = dialogs.confirm(nullptr, u"T"_s, u"?"_s) ? u"yes"_s : u"no"_s;
        else if (box == u"input"_s)
            result = dialogs.askText(nullptr, u"T"_s, u"?"_s, u"a"_s);
        else
            result = dialogs.editText(nullptr, u"T"_s, u"?"_s, u"a"_s).value_or(u"none"_s);
        buttons.sort();
        QCOMPARE(buttons.join(u' ') + u": "_s + result, seen);
    }
};

QTEST_MAIN(TestMessageBoxDialogs)
#include "tst_messageboxdialogs.moc"
