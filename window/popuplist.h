// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QListWidget;

// A single-selection list that is parked out of sight and shown on demand: open, it stands with
// its top edge level with the top row; closed, below the window. It raises chosen() only when the
// user changes its selection, by mouse or by keyboard: filling or clearing the list never chooses,
// and a double click chooses once.
//
// The list control that shows the entries is built the first time the list opens: a parked list
// that was never opened holds its entries as plain strings, so the window's start needs none of
// the item view's machinery. Palette and font set on the list reach that control.
class PopupList : public QWidget
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
    const QStringList &entries() const { return m_entries; }

    // A one-pixel frame line in the palette's window-text colour around the entries.
    void setFramed(bool framed);

    // The control that shows the entries; null until the list was first opened.
    QListWidget *view() const { return m_view; }

signals:
    void chosen(const QString &entry);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildView();
    void showEntries();
    void onSelectionChanged();

    int m_openTop;
    int m_closedTop;
    bool m_open = false;
    bool m_framed = false;
    bool m_refilling = false;
    QStringList m_entries;
    QListWidget *m_view = nullptr;
};
