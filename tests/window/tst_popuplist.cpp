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
    QWidget window;
    PopupList *list = new PopupList(10, 150, &window); // open at the top, parked below
    CountingDelegate *delegate = new CountingDelegate(list);
};

} // namespace

class TestPopupList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Parked below its window, the list measures no entry when the window is shown nor while
    // it stays parked; once it is moved into view and painted, its entries lie where they
    // would have lain all along.
    void parkedListLaysOutWhenSeen()
    {
        ListWindow parked(150);
        ListWindow inView(10);
        parked.window.show();
        inView.window.show();
        QCOMPARE(parked.delegate->measured, 0);
        QVERIFY(inView.delegate->measured > 0);
        QVERIFY(QTest::qWaitForWindowExposed(&parked.window));
        QCOMPARE(parked.delegate->measured, 0);

        parked.list->move(10, 10);
        QTRY_VERIFY(parked.delegate->measured > 0);
        const QRect second = parked.list->visualItemRect(parked.list->item(1));
        QVERIFY(second.isValid());
        QCOMPARE(second, inView.list->visualItemRect(inView.list->item(1)));
    }

    // Asked where an entry lies, a parked list lays out at once.
    void parkedListAnswersWhereAnEntryLies()
    {
        ListWindow parked(150);
        ListWindow inView(10);
        parked.window.show();
        inView.window.show();
        QCOMPARE(parked.list->visualItemRect(parked.list->item(1)),
                 inView.list->visualItemRect(inView.list->item(1)));
        QVERIFY(parked.delegate->measured > 0);
    }

    // Opening and closing move the list between its two places; a closed list lets go of the
    // keyboard focus, so arrow keys no longer choose out of sight.
    void openAndClose()
    {
        ListWindow list(150);
        list.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&list.window));
        list.list->toggle();
        QVERIFY(list.list->isOpen());
        QCOMPARE(list.list->y(), 10);
        list.list->setFocus();
        QCOMPARE(list.window.focusWidget(), list.list);
        list.list->toggle();
        QVERIFY(!list.list->isOpen());
        QCOMPARE(list.list->y(), 150);
        QCOMPARE(list.window.focusWidget(), nullptr);
    }

    // Filling never chooses; a click on an entry of the shown list does, once.
    void choosing()
    {
        ListWindow shown(10);
        shown.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&shown.window));
        QStringList chosen;
        connect(shown.list, &PopupList::chosen, this, [&](const QString &e) { chosen << e; });
        shown.list->refill({u"Arial"_s, u"Courier New"_s});
        QVERIFY(chosen.isEmpty());
        const QPoint second = shown.list->visualItemRect(shown.list->item(1)).center();
        QTest::mouseClick(shown.list->viewport(), Qt::LeftButton, {}, second);
        QTest::mouseDClick(shown.list->viewport(), Qt::LeftButton, {}, second);
        QCOMPARE(chosen, QStringList{u"Courier New"_s});
    }
};

QTEST_MAIN(TestPopupList)
#include "tst_popuplist.moc"
