// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "buttonlabel.h"
#include "extras/extrascontroller.h"
#include "layouttable.h"
#include "mainwindow.h"
#include "popuplist.h"
#include "recordingspeaker.h"
#include "scratchfiles.h"
#include "userdialogs.h"
#include "wordfield.h"
#include "wordpractice.h"

#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

// Loading the German patterns takes seconds; many more in a sanitizer build on a busy machine.
constexpr int markerLoadLimit = 60000;

// Settings whose syllable colours are 4 and 1, and those colours as the field draws them.
const QByteArray redAndBlue = "abemnorsu\r\n 4 \r\n 1 \r\n 48 \r\nArial\r\n";
const QRgb red = 0x800000, blue = 0x000080;

// Stands in for the modal boxes: notes the kind and the text of each, answers as told.
struct FakeDialogs : UserDialogs
{
    using Text = const QString &;
    QStringList boxes, texts;            // kinds: inform, warn, ask, input, edit
    QString answer;                      // Yes if not empty; what the input box gives
    std::optional<QString> edited;       // what the text box gives; nothing: cancelled
    std::function<void()> onBox = [] {}; // sees the program's state while a box is open

    QString note(Text kind, Text text)
    {
        boxes << kind;
        texts << text;
        onBox();
        return answer;
    }
    void inform(QWidget *, Text, Text text) override { note(u"inform"_s, text); }
    void warn(QWidget *, Text, Text text) override { note(u"warn"_s, text); }
    bool confirm(QWidget *, Text, Text text) override { return !note(u"ask"_s, text).isEmpty(); }
    QString askText(QWidget *, Text, Text prompt, Text text) override
    {
        return note(u"input"_s, prompt + u'|' + text);
    }
    std::optional<QString> editText(QWidget *, Text, Text, Text text) override
    {
        note(u"edit"_s, text);
        return edited;
    }
};

// The main window in a folder of its own, with the fake boxes and an injected font list.
struct WindowFixture
{
    QTemporaryDir dir;
    QStringList fonts{u"Arial"_s};
    FakeDialogs dialogs;
    RecordingSpeaker speaker;
    Speaker *realSpeaker = nullptr; // reads aloud in place of the recorder when set
    PrintPreview *printing = nullptr;
    std::unique_ptr<MainWindow> window;
    // The real German patterns, loaded at most once per test program: loading takes seconds.
    SyllableMarkerLoader::Source markers = [] {
        static const SyllableMarker::Loaded loaded = SyllableMarkerLoader::loadSystemPatterns();
        return loaded;
    };
    SyllableMarkerLoader::KeptSource kept = &SyllableMarkerLoader::keptSystemPatterns;

    void write(const QString &name, const QByteArray &bytes) const
    {
        QVERIFY(writeFile(dir.filePath(name), bytes));
    }
    QByteArray read(const QString &name) const { return fileBytes(dir.filePath(name)); }
    // With this SILBEN.TXT; the default one shows ab, ab-ba, ba in the mode "nach A B C".
    MainWindow &open(const QByteArray &words = "ab\r\nba\r\nab-ba\r\n")
    {
        write(u"SILBEN.TXT"_s, words);
        window.reset(new MainWindow({QDir(dir.path()), &dialogs, [this] { return fonts; }, markers,
                                     realSpeaker ? realSpeaker : &speaker, kept, printing}));
        return *window;
    }
    // Shown and active, as at every start: the hint has come.
    bool openShown()
    {
        open().show();
        return QTest::qWaitForWindowActive(window.get());
    }

    template <typename Widget = QWidget> Widget *get(Control control) const
    {
        return window->findChild<Widget *>(LayoutTable::control(control).objectName,
                                           Qt::FindDirectChildrenOnly);
    }
    ButtonLabel *label(Control control) const { return get<ButtonLabel>(control); }
    PopupList *list(Control control) const { return get<PopupList>(control); }
    WordField *field() const { return get<WordField>(Control::WordField); }
    QImage fieldImage() const { return field()->grab().toImage(); }
    QString word() const { return window->findChild<WordPractice *>()->currentWord(); }
    // The extras menu as it opens, showing the extras as they stand.
    ExtrasMenu *menu() const
    {
        ExtrasMenu *menu = window->findChild<ExtrasController *>()->menu();
        emit menu->aboutToShow();
        return menu;
    }
    void choose(const QString &caption) const
    {
        QAction *entry = menu()->entry(caption);
        QVERIFY2(entry, qPrintable(caption));
        entry->trigger();
    }
    void click(Control control) const { QTest::mouseClick(label(control), Qt::LeftButton); }
    // Clicks the entry of an opened list as a user would, on its viewport.
    static void clickEntry(PopupList *list, int row)
    {
        QListWidget *view = list->view();
        QVERIFY(view);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          view->visualItemRect(view->item(row)).center());
    }
};
