#pragma once

#include "buttonlabel.h"
#include "mainwindow.h"
#include "popuplist.h"
#include "userdialogs.h"
#include "wordfield.h"
#include "wordpractice.h"

#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

// Stands in for the modal boxes: notes every box asked for and answers as scripted.
class FakeDialogs : public UserDialogs
{
public:
    struct Call
    {
        QString kind; // inform, warn, confirm, askText
        QString title;
        QString text;
        QString defaultText;
    };

    QList<Call> calls;
    bool confirmAnswer = false;
    QString textAnswer;                       // what askText returns; empty stands for Cancel too
    std::function<void(const Call &)> onCall; // sees the program's state while a box is open

    QStringList kinds() const
    {
        QStringList result;
        for (const Call &call : calls)
            result << call.kind + u':' + call.title;
        return result;
    }

    void inform(QWidget *, const QString &title, const QString &text) override
    {
        note({QStringLiteral("inform"), title, text, {}});
    }
    void warn(QWidget *, const QString &title, const QString &text) override
    {
        note({QStringLiteral("warn"), title, text, {}});
    }
    bool confirm(QWidget *, const QString &title, const QString &question) override
    {
        note({QStringLiteral("confirm"), title, question, {}});
        return confirmAnswer;
    }
    QString askText(QWidget *, const QString &title, const QString &prompt,
                    const QString &text) override
    {
        note({QStringLiteral("askText"), title, prompt, text});
        return textAnswer;
    }

private:
    void note(const Call &call)
    {
        calls.append(call);
        if (onCall)
            onCall(call);
    }
};

// A working folder of its own, the fake boxes and a chosen font list, from which a test opens
// the main window and finds its controls by name.
class WindowFixture
{
public:
    QStringList fonts{QStringLiteral("Arial")};
    FakeDialogs dialogs;

    QDir dir() const { return QDir(m_dir.path()); }
    QString path(const QString &name) const { return m_dir.filePath(name); }

    void write(const QString &name, const QByteArray &bytes) const
    {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }

    QByteArray read(const QString &name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    MainWindow &open()
    {
        m_window = std::make_unique<MainWindow>(MainWindow::Services{
            .folder = dir(), .dialogs = &dialogs, .fontSource = [this] { return fonts; }});
        return *m_window;
    }

    // Shows the window and lets the hint come, as at every start.
    MainWindow &openShown()
    {
        open().show();
        if (!QTest::qWaitForWindowExposed(m_window.get()))
            qWarning("the window was not exposed");
        QCoreApplication::processEvents();
        return *m_window;
    }

    template <typename Control = QWidget> Control *control(const QString &name)
    {
        return m_window->findChild<Control *>(name, Qt::FindDirectChildrenOnly);
    }
    ButtonLabel *label(const QString &name) { return control<ButtonLabel>(name); }
    PopupList *list(const QString &name) { return control<PopupList>(name); }
    WordField *field() { return control<WordField>(QStringLiteral("farbfeld")); }
    QScrollBar *sizeBar() { return control<QScrollBar>(QStringLiteral("VBildlauf1")); }
    WordPractice *practice() { return m_window->findChild<WordPractice *>(); }

    void click(const QString &labelName) { QTest::mouseClick(label(labelName), Qt::LeftButton); }

    // Clicks the entry as a user would, on the list's viewport.
    static void clickEntry(PopupList *list, int row)
    {
        const QRect entry = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, entry.center());
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<MainWindow> m_window;
};

// The widget as it is painted, pixel for pixel.
inline QImage picture(QWidget *widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

inline bool contains(const QImage &image, QRgb colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour)
                return true;
    return false;
}
