// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The German texts of the window: its captions, tooltips, boxes, the extras menu and the
// reasons it gives. They stand in windowtexts.cpp, in one place, so they can be read side by
// side; the texts the engine produces (the count, the order modes, its file errors) are the
// engine's (texts.h).

#include <QString>

namespace WindowTexts {

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
extern const QString wordCountTooltip;

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
extern const QString printWordCardsEntry;
extern const QString printReadingSheetEntry;
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

// Printing: why there is nothing to print (%1: list, %2: sequence); the two kinds of print,
// which name the preview (%1: kind) and the document, after which the PDF file is named (%1:
// list without its ending, %2: kind)
extern const QString nothingToPrint;
extern const QString wordCardsKind;
extern const QString readingSheetKind;
extern const QString printPreviewTitle;
extern const QString printDocumentName;
// The print module cannot be loaded (%1: its file, %2: why); a program without printing
extern const QString printModuleMissing;
extern const QString printingMissing;
// The reading sheet: its title (%1: list), letters (%1), the lines to fill in, the page's foot
// (%1: list, %2: page, %3: pages)
extern const QString readingSheetTitle;
extern const QString readingSheetLetters;
extern const QString readingSheetNameAndDate;
extern const QString readingSheetPage;

// The extras file
extern const QString extrasFile;
extern const QString extrasSaveFailedTitle;
extern const QString extrasSaveFailedText;
extern const QString extrasFileIsFolder;
extern const QString extrasFileNoAccess;
extern const QString extrasFileBroken;

} // namespace WindowTexts
