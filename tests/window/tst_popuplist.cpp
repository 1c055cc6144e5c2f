// SPDX-License-Identifier: GPL-3.0-or-later
#include "popuplist.h"

#include <QStyledItemDelegate>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Counts how often the list measures an entry, which is what laying out its entries costs.
class CountingDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        ++measured;
        return QStyledItemDelegate::sizeHint(option, index);
    }
    mutable int measured = 0;
};

// A window with one list of two entries at the given top edge.
struct ListWindow
{
    explicit ListWindow(int top)
    {
        window.resize(200, 100);
        list->setItemDelegate(delegate);
        list->setGeometry(10, top, 100, 80);
        list->refill({u"Arial"_s, u"Verdana"_s});
    }
    QRect secondEntry() const { return list->visualItemRect(list->item(1)); }
    QWidget window;
    PopupList *list = new PopupList(10, 150, &window); // open at the top, parked below
    CountingDelegate *delegate = new CountingDelegate(list);
};

} // namespace

// Opening, closing and choosing are checked through the main window's choosers.
class TestPopupList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Parked below its window, the list measures no entry when the window is shown nor while
    // it stays parked; asked where an entry lies, or moved into view and painted, it lays out
    // its entries where they would have lain all along.
    void parkedListLaysOutWhenNeeded()
    {
        ListWindow moved(150), asked(150), inView(10);
        for (ListWindow *list : {&moved, &asked, &inView})
            list->window.show();
        QVERIFY(inView.delegate->measured > 0);
        QVERIFY(QTest::qWaitForWindowExposed(&moved.window));
        QVERIFY(QTest::qWaitForWindowExposed(&asked.window));
        QCOMPARE(moved.delegate->measured + asked.delegate->measured, 0);
        const QRect second = inView.secondEntry();
        QCOMPARE(asked.secondEntry(), second);
        moved.list->move(10, 10);
        QTRY_VERIFY(moved.delegate->measured > 0);
        QCOMPARE(moved.secondEntry(), second);
    }
};

QTEST_MAIN(TestPopupList)
#include "tst_popuplist.moc"
