// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "extras.h"
#include "extrasmenu.h"
#include "letterfilter.h"
#include "printing/lessonpages.h"
#include "syllablemarkerloader.h"

#include <QObject>

class ButtonLabel;
class FlashReading;
class PrintPreview;
class ReadAlong;
class Speaker;
class SpeakerButton;
class UserDialogs;
class WordField;
class WordPractice;
class QDir;

// The extras of the main window, in one place: it owns their state and "trabelo.ini", the word
// field's menu of extras, and what each extra does (flash reading, the syllable patterns, reading
// aloud with the band that follows it and the speaker button, the cue that extras are on, the
// sign that no word fits, printing the lesson). It follows the engine's words and loads by
// itself; the window tells it only when a box covers it and when it is first up, asks it how to
// draw an entry, and shows what its signals say.
//
// A new extra is a row of the extras table plus its behaviour here: in apply() for a switch or
// a choice, in run() for a command, in needsMet() for what it needs.
class ExtrasController : public QObject
{
    Q_OBJECT

public:
    struct Services
    {
        UserDialogs *dialogs = nullptr; // not owned, must outlive
        // Loads the syllable marker; called on a worker thread, only once the automatic
        // syllables are on and the window is up.
        SyllableMarkerLoader::Source markerSource;
        // Reads aloud; asked to connect only once a speech extra is used. Not owned, must
        // outlive; null: no speech at all.
        Speaker *speaker = nullptr;
        // The syllable patterns kept from an earlier run; called at start-up when the automatic
        // syllables are on. Without them, markerSource alone loads.
        SyllableMarkerLoader::KeptSource keptMarkerSource;
        // Shows the pages to print. Not owned, must outlive; null: no printing.
        PrintPreview *printing = nullptr;
    };

    // A start-up measure: when "trabelo.ini" of folder has the automatic syllables on, their
    // patterns kept from an earlier run start opening on a thread of their own, for
    // SyllableMarkerLoader::keptSystemPatterns(). Needs the application's name.
    static void prepare(const QDir &folder);

    // Lays out the extras' own controls on the window (the cue and the speaker button, hidden
    // while their extras are off) and takes the word field's right click. The engine and the
    // field must outlive it.
    ExtrasController(const Services &services, WordPractice *practice, WordField *field,
                     QWidget *window);

    // Reads "trabelo.ini" of the working folder and puts it into effect: part of the start-up,
    // before the first word. Patterns kept from an earlier run are taken at once, so that the
    // first word is drawn with its syllables; the whole marker loads once the window is up.
    void load();
    // The window is up: work that takes seconds (the patterns, the speech service) may start,
    // on threads of its own, so that an extra never delays the window.
    void windowShown();
    // A modal box covers the window, or has gone: flash reading's time stands still meanwhile.
    void setCovered(bool covered);

    // The entry as it is drawn and read aloud: with automatic syllables, an entry without the
    // teacher's own marks gets school syllables once the patterns are in.
    QString drawnEntry(const QString &entry) const;

    // The prompt of the letter-sequence box: while the sound units are on, a second line says
    // how to name them.
    QString letterEntryPrompt() const;

    // The word field's menu of extras, built the first time it is asked for; it shows the
    // extras as they stand from its next opening on.
    ExtrasMenu *menu();

signals:
    // The extras changed how the word looks: it must be drawn again.
    void redrawWord();
    // The sign that no entry of the list fits the letter sequence: why, or empty for no sign.
    void noWordSign(const QString &reason);

private:
    struct Availability
    {
        bool met = true;
        QString reason; // why not, in German; may be empty
    };

    QString path() const;
    void choose(Extra extra, int value);
    void run(Extra command);
    void changed();
    void apply();
    void startWork();
    void save();
    LetterFilter::Rules filterRules() const;

    Availability needsMet(ExtraNeeds needs) const;
    int valueInEffect(Extra extra) const;
    void updateMenu();
    void showStateInMenu();
    void showCue();
    void showNoWordSign();

    void onWordShown();
    void onWordListLoaded(const QString &error);
    void onMarkerLoaded();
    void onSpeechReadiness();
    bool canShowWordAgain() const;
    void showWordAgain();
    void prepareSpeech();
    void readWord();
    void readSyllables();
    void editSightWords();
    void print(LessonPages::Kind kind);
    bool eventFilter(QObject *watched, QEvent *event) override;

    UserDialogs *m_dialogs;
    Speaker *m_speaker;
    SyllableMarkerLoader::KeptSource m_keptMarkerSource;
    PrintPreview *m_printing;
    WordPractice *m_practice;
    WordField *m_field;
    QWidget *m_window;
    SyllableMarkerLoader *m_markerLoader;
    FlashReading *m_flash;
    ReadAlong *m_readAlong;
    ButtonLabel *m_cue;
    SpeakerButton *m_speakerButton;
    ExtrasMenu *m_menu = nullptr;

    Extras m_extras;
    bool m_windowUp = false;
    bool m_nothingFits = false; // the last load read its list and found no entry
    bool m_printable = false;   // the last load found a word to go on paper
};
