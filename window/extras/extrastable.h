// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

// The extras a teacher can switch on beyond the program's plain behaviour, in the order the
// menu shows them.
enum class Extra
{
    AutomaticSyllables, // unmarked entries get school syllables when drawn
    SyllableArcs,       // an arc under each drawn syllable
    FlashReading,       // a new word shows for a set time, then the field turns white
    ShowWordAgain,
    ReadWord,
    ReadSyllables,
    SlowSpeech,
    SpeakerButton,
    NoWordSign, // a sign when no entry of the list passes the letter filter
    PrintWordCards,
    PrintReadingSheet,
    AllExtrasOff,
};

// What an extra is. A switch is on or off; a choice holds one of its options' values; a command
// does something when chosen; a stored list keeps what a teacher typed (edited through a
// command of its own), which "Alle Extras aus" never clears.
enum class ExtraKind
{
    Switch,
    Choice,
    Command,
    StoredList
};

// What an entry needs to be chosen; without it the entry is disabled and says why.
enum class ExtraNeeds
{
    Nothing,
    // The German syllable patterns. When they cannot be loaded, the switch counts as off for
    // the rest of the run, though "trabelo.ini" keeps it on for a later run that has them.
    Patterns,
    // The speech service and a German voice, which may come and go: the switch keeps its state.
    Speech,
    // Flash reading on and a word shown.
    FlashedWord,
    // A word of the list that passes the filter, to go on paper.
    PrintableWord,
};

struct ExtraChoice
{
    int value; // as "trabelo.ini" keeps it
    QString caption;
};

// One extra: its key in "trabelo.ini", its menu entry, its kind. Every extra is off by default:
// a switch off, a choice at its first option (value 0), a stored list empty.
struct ExtraRow
{
    Extra extra{};
    ExtraKind kind{};
    QString key{};                // in the group [Extras] of "trabelo.ini"; none for a command
    QString caption{};            // its menu entry; of a choice, its submenu's
    QList<ExtraChoice> choices{}; // a choice's options in menu order, the first one off
    ExtraNeeds needs = ExtraNeeds::Nothing;
    bool separatorBefore = false; // the menu shows its entries in groups
};

// Every extra in one table, which the file, the menu and the cue loop over. A new extra is a
// value of Extra, its row and its behaviour in the extras controller.
class ExtrasTable
{
public:
    static const QList<ExtraRow> &rows();
    static const ExtraRow &row(Extra extra);
};
