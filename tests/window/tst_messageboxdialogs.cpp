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
        QTest::addRow("input, OK on nothing") << u"input"_s << u"\b\r"_s << u"Abbrechen OK: "_s;
        QTest::addRow("input, Cancel") << u"input"_s << u"b\x1b"_s << u"Abbrechen OK: "_s;
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
        });
        MessageBoxDialogs dialogs;
        const QString result = box == u"ask"_s
                                   ? (dialogs.confirm(nullptr, u"T"_s, u"?"_s) ? u"yes"_s : u"no"_s)
                                   : dialogs.askText(nullptr, u"T"_s, u"?"_s, u"a"_s);
        buttons.sort();
        QCOMPARE(buttons.join(u' ') + u": "_s + result, seen);
    }
};

QTEST_MAIN(TestMessageBoxDialogs)
#include "tst_messageboxdialogs.moc"
