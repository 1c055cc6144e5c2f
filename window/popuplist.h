#pragma once

#include <QListWidget>

// A single-selection list that is parked out of sight and shown on demand. It raises chosen()
// only when the user changes its selection, by mouse or by keyboard: filling or clearing the
// list never chooses, and a double click chooses once. While parked outside its parent it lays
// out its entries only when it is first painted or asked where an entry lies, not when the
// window is shown.
class PopupList : public QListWidget
{
    Q_OBJECT

public:
    explicit PopupList(QWidget *parent = nullptr);

    // Replaces the entries, in the order given, and leaves no entry selected.
    void refill(const QStringList &entries);

signals:
    void chosen(const QString &entry);

protected:
    bool event(QEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void onSelectionChanged();
    bool isParked() const;

    bool m_refilling = false;
};
