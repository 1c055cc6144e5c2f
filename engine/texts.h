// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The German texts the engine produces itself: the order modes and the word count it writes,
// its files' names and defaults, and why a file could not be used. They stand in texts.cpp, in
// one place; the window's own texts stand in the window's (windowtexts.h). Defined there once,
// they are built once at start, not once in every file that uses them.

#include <QString>

namespace Texts {

// Order modes, in the order of their cycle
extern const QString orderAlphabetical;
extern const QString orderFileOrder;
extern const QString orderRandom;

// Word count: a blank, the number, then one of these; before the first word, the first
extern const QString wordSingular;
extern const QString wordPlural;
extern const QString wordCountInitial;

// Word list and settings files
extern const QString defaultWordListFile;
extern const QString settingsFile;
extern const QString defaultLetterSequence;
// The letter sequence until the settings are read, also its label's first caption
extern const QString letterSequencePlaceholder;
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

} // namespace Texts
