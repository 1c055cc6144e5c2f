// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListWidget>

// A single-selection list that is parked out of sight and shown on demand: open, it stands with
// its top edge level with the top row; closed, below the window. It raises chosen() only when the
// user changes its selection, by mouse or by keyboard: filling or clearing the list never chooses,
// and a double click chooses once. While parked outside its parent it lays out its entries only
// when it is first painted or asked where an entry lies, not when the window is shown.
class PopupList : public QListWidget
{
    Q_OBJECT

public:
    // Starts closed; the tops are in pixels of the parent.
    PopupList(int openTop, int closedTop, QWidget *parent = nullptr);

    bool isOpen() const { return m_open; }
    // Moves the list to its place. A closed list lets go of the keyboard focus: arrow keys would
    // otherwise go on choosing out of sight. The focus returns to no control, as at start.
    void setOpen(bool open);
    void toggle() { setOpen(!m_open); }

    // Replaces the entries, in the order given, and leaves no entry selected; open or closed,
    // the list stays where it is.
    void refill(const QStringList &entries);

signals:
    void chosen(const QString &entry);

protected:
    bool event(QEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void onSelectionChanged();
    bool isParked() const;

    int m_openTop;
    int m_closedTop;
    bool m_open = false;
    bool m_refilling = false;
};
