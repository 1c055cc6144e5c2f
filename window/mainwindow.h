// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "extras/syllablemarkerloader.h"
#include "layouttable.h"
#include "platform/fontcatalog.h"
#include "shownstate.h"

#include <QDir>
#include <QWidget>

class Band;
class ButtonLabel;
class ExtrasController;
class PopupList;
class PrintPreview;
class Speaker;
class QScrollBar;
class UserDialogs;
class WordField;
class WordPractice;

// The one window of the program. It shows the state of the word practice and turns clicks
// and keys into its operations; it keeps no word logic of its own, and leaves the extras to
// their controller. Every control bears its given name as objectName (Bezeichnung6 for "X",
// farbfeld for the word field, ...).
class MainWindow : public QWidget
{
    Q_OBJECT

public:
    struct Services
    {
        QDir folder = QDir::current();  // word lists, silben.ini and trabelo.ini
        UserDialogs *dialogs = nullptr; // not owned, must outlive
        FontCatalog::Source fontSource = &FontCatalog::systemFamilies;
        // Loads the syllable marker, for the extras.
        SyllableMarkerLoader::Source markerSource = &SyllableMarkerLoader::loadSystemPatterns;
        // Reads aloud, for the extras. Not owned, must outlive; null: no speech at all.
        Speaker *speaker = nullptr;
        // Gives the syllable patterns kept from an earlier run, for the extras.
        SyllableMarkerLoader::KeptSource keptMarkerSource =
            &SyllableMarkerLoader::keptSystemPatterns;
        // Shows the pages to print, for the extras. Not owned, must outlive; null: no printing.
        PrintPreview *printing = nullptr;
    };

    // Builds the window and runs the start-up: centred, font chooser filled, settings and
    // extras applied, first word drawn, random generator seeded. The hint comes once the
    // window is first shown.
    explicit MainWindow(const Services &services, QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls(const Services &services);
    ButtonLabel *addLabel(Control control);
    PopupList *addPopupList(Control control);
    void wireEvents();
    void startUp();
    void centreOnScreen();

    void drawColouredWord();
    void onWordShown();
    void onWordListLoaded(const QString &error);
    void onQueueSorted();
    void showNoWordSign(const QString &reason);

    void fillFontList();
    void fillFileList();
    QString settingsPath() const;
    void loadSettings();
    void saveSettings();

    // Show the values in the controls; the word is redrawn by the caller.
    void showLetterSequence();
    void showColours();
    void showFont();

    void setColourIndex(int &index, int value);
    void setFieldFontSize(int points);
    void setWidthMode(WidthMode mode);

    void chooseFont(const QString &family);
    void chooseWordListFile(const QString &listedName);
    void enterLetterSequence();
    void switchOrderMode();

    void greet();
    bool runExitSequence();
    // Runs a modal box: while it is open, the extras' time stands still.
    template <typename Box> auto withBox(Box box);

    UserDialogs *m_dialogs;
    FontCatalog::Source m_fontSource;
    WordPractice *m_practice;
    ExtrasController *m_extras = nullptr;
    ShownState m_shown;

    Band *m_band = nullptr;
    ButtonLabel *m_exit = nullptr;
    ButtonLabel *m_fontsButton = nullptr;
    ButtonLabel *m_firstSwatch = nullptr;
    ButtonLabel *m_secondSwatch = nullptr;
    ButtonLabel *m_letterEntry = nullptr;
    ButtonLabel *m_letterSequence = nullptr;
    ButtonLabel *m_orderMode = nullptr;
    ButtonLabel *m_filesButton = nullptr;
    ButtonLabel *m_narrow = nullptr;
    ButtonLabel *m_medium = nullptr;
    ButtonLabel *m_wide = nullptr;
    ButtonLabel *m_fileName = nullptr;
    ButtonLabel *m_wordCount = nullptr;
    WordField *m_field = nullptr;
    QScrollBar *m_sizeBar = nullptr;
    PopupList *m_fontList = nullptr;
    PopupList *m_fileList = nullptr;

    bool m_shownBefore = false;
    bool m_ending = false;
};
