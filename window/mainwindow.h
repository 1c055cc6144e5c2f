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
class ExtrasMenu;
class FlashReading;
class PopupList;
class Speaker;
class SpeakerButton;
class QScrollBar;
class UserDialogs;
class WordField;
class WordPractice;

// The one window of the program. It shows the state of the word practice and turns clicks
// and keys into its operations; it keeps no word logic of its own. Every control bears its
// given name as objectName (Bezeichnung6 for "X", farbfeld for the word field, ...).
class MainWindow : public QWidget
{
    Q_OBJECT

public:
    struct Services
    {
        QDir folder = QDir::current();  // word lists and silben.ini
        UserDialogs *dialogs = nullptr; // not owned, must outlive
        FontCatalog::Source fontSource = &FontCatalog::systemFamilies;
        // Loads the syllable marker; called on a worker thread, only once the automatic
        // syllables are switched on.
        SyllableMarkerLoader::Source markerSource = &SyllableMarkerLoader::loadSystemPatterns;
        // Reads aloud; asked to connect only once a speech extra is used. Not owned, must
        // outlive; null: no speech at all.
        Speaker *speaker = nullptr;
    };

    // Builds the window and runs the start-up: centred, font chooser filled, settings
    // applied, first word drawn, random generator seeded. The hint comes once the window is
    // first shown.
    explicit MainWindow(const Services &services, QWidget *parent = nullptr);

    // The word field's context menu of extras. It is built the first time it is asked for (a
    // right click on the field), so a start without it builds no menu.
    ExtrasMenu *extrasMenu();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    ButtonLabel *addLabel(Control control);
    void setUpLabel(ButtonLabel *label, Control control);
    PopupList *addPopupList(Control control);
    void wireEvents();
    void startUp();
    void centreOnScreen();

    void showNextWord();
    void drawColouredWord();
    void onWordShown();
    void onWordListLoaded(const QString &error);
    void onQueueSorted();

    void fillFontList();
    void fillFileList();
    QString settingsPath() const;
    void loadSettings();
    void saveSettings();

    // Show the state's values in the controls (and give the engine its letter sequence); the
    // word is redrawn by the caller.
    void applyLetterSequence();
    void applyColours();
    void applyFont();

    void setFirstColour(int index);
    void setSecondColour(int index);
    void setFieldFontSize(int points);
    void setWidthMode(WidthMode mode);

    void chooseFont(const QString &family);
    void chooseWordListFile(const QString &listedName);
    void enterLetterSequence();
    void switchOrderMode();

    void greet();
    bool runExitSequence();

    // Extras: the word field's context menu, the cue, "trabelo.ini"
    void buildExtras();
    QString extrasPath() const;
    void loadExtras();
    void chooseExtras(const Extras &extras);
    void applyExtras();
    void startExtrasWork();
    void onMarkerLoaded();
    QString drawnEntry(const QString &word) const;
    bool canShowWordAgain() const;
    void showWordAgain();
    void prepareSpeech();
    void onSpeechReadiness();
    void readWord();
    void readSyllables();
    void showNoWordSign();
    // Runs a modal box: while it is open, flash reading's time stands still.
    template <typename Box> auto withBox(Box box);

    UserDialogs *m_dialogs;
    FontCatalog::Source m_fontSource;
    WordPractice *m_practice;
    ShownState m_state;

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

    ExtrasMenu *m_extrasMenu = nullptr;
    ButtonLabel *m_extrasCue = nullptr;
    SyllableMarkerLoader *m_markerLoader = nullptr;
    FlashReading *m_flash = nullptr;
    Speaker *m_speaker = nullptr;
    SpeakerButton *m_speakerButton = nullptr;

    bool m_nothingFits = false; // the last load read its list and found no entry
    bool m_shownBefore = false;
    bool m_ending = false;
};
