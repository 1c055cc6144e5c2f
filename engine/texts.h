// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The names of every German text the program shows. The texts themselves stand in texts.cpp,
// in one place, so they can be read side by side; defined there once, they are built once at
// start, not once in every file that uses them.

#include <QString>

namespace Texts {

// Window
extern const QString windowCaption;

// Top row captions and tooltips
extern const QString exitCaption;
extern const QString exitTooltip;
extern const QString fontsCaption;
extern const QString fontsTooltip;
extern const QString firstColourCaption;
extern const QString firstColourTooltip;
extern const QString secondColourCaption;
extern const QString secondColourTooltip;
extern const QString letterEntryCaption;
extern const QString letterEntryTooltip;
extern const QString letterSequencePlaceholder;
extern const QString letterSequenceTooltip;
extern const QString orderModeTooltip;
extern const QString fileChooserCaption;
extern const QString fileChooserTooltip;

// Spoken by screen readers only
extern const QString sizeBarAccessibleName;

// Bottom row
extern const QString narrowCaption;
extern const QString mediumCaption;
extern const QString wideCaption;
extern const QString wordCountInitial;
extern const QString wordCountTooltip;

// Order modes, in the order of their cycle
extern const QString orderAlphabetical;
extern const QString orderFileOrder;
extern const QString orderRandom;

// Word count: a blank, the number, then one of these
extern const QString wordSingular;
extern const QString wordPlural;

// Word list and settings files
extern const QString defaultWordListFile;
extern const QString settingsFile;
extern const QString defaultLetterSequence;
extern const QString defaultFontName;

// Word list failures, shown as the file-name label's tooltip (%1: file name; %2: the reason,
// or the size limit in MB)
extern const QString wordListMissing;
extern const QString wordListIsFolder;
extern const QString wordListUnreadable;
extern const QString wordListNotAFile;
extern const QString wordListTooLarge;

// Automatic syllables (%1: path of the patterns file)
extern const QString syllablePatternsMissing;
extern const QString syllablePatternsInvalid;

// The command trabelo-silben (%1: file name, option or reason; %2: the size limit in MB)
extern const QString markerCommandHelp;
extern const QString markerCommandFileMissing;
extern const QString markerCommandFileIsFolder;
extern const QString markerCommandFileUnreadable;
extern const QString markerCommandFileTooLarge;
extern const QString markerCommandInputTooLarge;
extern const QString markerCommandInputUnreadable;
extern const QString markerCommandFileIsOutput;
extern const QString markerCommandInputIsOutput;
extern const QString markerCommandWriteFailed;
extern const QString markerCommandUnknownOption;
extern const QString markerCommandPrefix;

// Modal boxes
extern const QString hintTitle;
extern const QString hintText;
extern const QString exitTitle;
extern const QString exitQuestion;
extern const QString farewellTitle;
extern const QString farewellText;
extern const QString letterEntryTitle;
extern const QString letterEntryPrompt;
extern const QString saveFailedTitle;
extern const QString saveFailedText;

// Extras: the word field's context menu, in the order it shows them
extern const QString automaticSyllablesEntry;
extern const QString syllableArcsEntry;
extern const QString flashReadingMenu;
extern const QString flashOff;
extern const QString flash300;
extern const QString flash500;
extern const QString flash1000;
extern const QString flash2000;
extern const QString showWordAgainEntry;
extern const QString readWordEntry;
extern const QString readSyllablesEntry;
extern const QString slowSpeechEntry;
extern const QString speakerButtonEntry;
extern const QString noWordSignEntry;
extern const QString allExtrasOffEntry;

// The quiet cue in the bottom row while any extra is on; its tooltip lists them (%1).
extern const QString extrasCue;
extern const QString extrasCueTooltip;

// The speaker button
extern const QString speakerTooltip;

// Speech: why reading aloud is not available, shown as the tooltip of its disabled entries
extern const QString speechNotStarted;
extern const QString speechConnecting;
extern const QString speechModuleMissing;
extern const QString speechServiceMissing;
extern const QString speechNoGermanVoice;
extern const QString speechNotAnswering;
extern const QString speechNoSound;

// No entry of the list passes the letter sequence (%1: list, %2: sequence)
extern const QString noWordFits;

// The extras file
extern const QString extrasFile;
extern const QString extrasSaveFailedTitle;
extern const QString extrasSaveFailedText;
extern const QString extrasFileIsFolder;
extern const QString extrasFileNoAccess;
extern const QString extrasFileBroken;

} // namespace Texts
