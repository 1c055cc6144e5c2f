// SPDX-License-Identifier: GPL-3.0-or-later
#include "texts.h"

// The engine's German texts. They must stand exactly as here, blanks and umlauts included.

namespace Texts {

// Order modes, in the order of their cycle
const QString orderAlphabetical = QStringLiteral("nach A B C");
const QString orderFileOrder = QStringLiteral("nach Reihe");
const QString orderRandom = QStringLiteral("nach Zufall");

// Word count: a blank, the number, then one of these; before the first word, the first
const QString wordSingular = QStringLiteral(" Wort");
const QString wordPlural = QStringLiteral(" Wörter");
const QString wordCountInitial = QStringLiteral("0 Wörter");

// Word list and settings files
const QString defaultWordListFile = QStringLiteral("SILBEN.TXT");
const QString settingsFile = QStringLiteral("silben.ini");
const QString defaultLetterSequence = QStringLiteral("abc");
// The letter sequence until the settings are read, also its label's first caption
const QString letterSequencePlaceholder = QStringLiteral("Label2");
const QString defaultFontName = QStringLiteral("Lateinaus");

// Word list failures, shown as the file-name label's tooltip (%1: file name; %2: the reason,
// or the size limit in MB)
const QString wordListMissing = QStringLiteral("Die Wortliste „%1“ wurde nicht gefunden.");
const QString wordListIsFolder = QStringLiteral("„%1“ ist ein Ordner, keine Wortliste.");
const QString wordListUnreadable =
    QStringLiteral("Die Wortliste „%1“ kann nicht gelesen werden: %2");
const QString wordListNotAFile =
    QStringLiteral("„%1“ ist keine gewöhnliche Datei und wird nicht als Wortliste gelesen.");
const QString wordListTooLarge =
    QStringLiteral("Die Wortliste „%1“ ist größer als %2 MB und wird nicht gelesen.");

// Automatic syllables (%1: path of the patterns file)
const QString syllablePatternsMissing =
    QStringLiteral("Die deutschen Silbenmuster („%1“) fehlen oder sind nicht lesbar.");
const QString syllablePatternsInvalid =
    QStringLiteral("Die Datei „%1“ enthält keine deutschen Silbenmuster.");

} // namespace Texts
