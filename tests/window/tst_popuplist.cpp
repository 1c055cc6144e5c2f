// SPDX-License-Identifier: GPL-3.0-or-later
#include "popuplist.h"

#include <QListWidget>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

// Opening, closing and choosing in the window are checked through the main window's choosers.
class TestPopupList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A list that was never opened builds no list control, however often it is filled; the
    // first opening builds it with the latest entries, none selected, and it stays built.
    void viewIsBuiltWhenFirstOpened()
    {
        QWidget window;
        window.resize(200, 100);
        auto *list = new PopupList(10, 150, &window);
        list->setGeometry(10, 150, 100, 80);
        list->refill({u"Verdana"_s});
        list->refill({u"Arial"_s, u"Verdana"_s});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(list->view(), nullptr);

        QSignalSpy chosen(list, &PopupList::chosen);
        list->setOpen(true);
        QListWidget *view = list->view();
        QVERIFY(view);
        QCOMPARE(view->geometry(), list->rect());
        QCOMPARE(view->count(), 2);
        QCOMPARE(view->item(1)->text(), u"Verdana"_s);
        QVERIFY(view->selectedItems().isEmpty());

        // A double click (a click, then the pair's second press) chooses once; a refill
        // chooses nothing.
        const QPoint second = view->visualItemRect(view->item(1)).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, second);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, second);
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen.first().first().toString(), u"Verdana"_s);
        list->setOpen(false);
        list->refill({u"Fibel Nord"_s});
        QCOMPARE(list->view(), view);
        QCOMPARE(view->count(), 1);
        QVERIFY(view->selectedItems().isEmpty());
        QCOMPARE(chosen.count(), 1);
    }
};

QTEST_MAIN(TestPopupList)
#include "tst_popuplist.moc"
