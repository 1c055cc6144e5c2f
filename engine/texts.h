#pragma once

// Every German text the program shows, in one place, so they can be read side by side.
// Captions and messages must stand exactly as here, blanks and umlauts included.

#include <QString>

namespace Texts {

// Window
inline const QString windowCaption = QStringLiteral("Trabelo");

// Top row captions and tooltips
inline const QString exitCaption = QStringLiteral("X");
inline const QString exitTooltip = QStringLiteral("Beenden");
inline const QString fontsCaption = QStringLiteral("S");
inline const QString fontsTooltip = QStringLiteral("Schriften");
inline const QString firstColourCaption = QStringLiteral("1");
inline const QString firstColourTooltip = QStringLiteral("Erste Farbe");
inline const QString secondColourCaption = QStringLiteral("2");
inline const QString secondColourTooltip = QStringLiteral("Zweite Farbe");
inline const QString letterEntryCaption = QStringLiteral("ABC");
inline const QString letterEntryTooltip = QStringLiteral("Lauteingabe");
inline const QString letterSequencePlaceholder = QStringLiteral("Label2");
inline const QString letterSequenceTooltip = QStringLiteral("Lautfolge");
inline const QString orderModeTooltip = QStringLiteral("Sortierung");
inline const QString fileChooserCaption = QStringLiteral("T");
inline const QString fileChooserTooltip = QStringLiteral("Textdateien");

// Spoken by screen readers only
inline const QString sizeBarAccessibleName = QStringLiteral("Schriftgröße");

// Bottom row
inline const QString narrowCaption = QStringLiteral("-");
inline const QString mediumCaption = QStringLiteral("- -");
inline const QString wideCaption = QStringLiteral("- - -");
inline const QString wordCountInitial = QStringLiteral("0 Wörter");
inline const QString wordCountTooltip = QStringLiteral("Wörterzahl");

// Order modes, in the order of their cycle
inline const QString orderAlphabetical = QStringLiteral("nach A B C");
inline const QString orderFileOrder = QStringLiteral("nach Reihe");
inline const QString orderRandom = QStringLiteral("nach Zufall");

// Word count: a blank, the number, then one of these
inline const QString wordSingular = QStringLiteral(" Wort");
inline const QString wordPlural = QStringLiteral(" Wörter");

// Word list and settings files
inline const QString defaultWordListFile = QStringLiteral("SILBEN.TXT");
inline const QString settingsFile = QStringLiteral("silben.ini");
inline const QString defaultLetterSequence = QStringLiteral("abc");
inline const QString defaultFontName = QStringLiteral("Lateinaus");

// Word list failures, shown as the file-name label's tooltip (%1: file name)
inline const QString wordListMissing = QStringLiteral("Die Wortliste „%1“ wurde nicht gefunden.");
inline const QString wordListIsFolder = QStringLiteral("„%1“ ist ein Ordner, keine Wortliste.");
inline const QString wordListUnreadable =
    QStringLiteral("Die Wortliste „%1“ kann nicht gelesen werden: %2");

// Modal boxes
inline const QString hintTitle = QStringLiteral("Hinweis");
inline const QString hintText = QStringLiteral("Klicke auf die weiße Textfläche\r"
                                               "oder drücke eine beliebige Taste,\r"
                                               "um neue Wörter anzuzeigen ...\r\r");
inline const QString exitTitle = QStringLiteral("Trabelo beenden");
inline const QString exitQuestion = QStringLiteral("Sind sie sich wirklich sicher?");
inline const QString farewellTitle = QStringLiteral("Trabelo");
inline const QString farewellText = QStringLiteral("Trabelo – Lesetraining mit Silbenfarben\r\r"
                                                   "Das Programm wird jetzt beendet ...\r\r");
inline const QString letterEntryTitle = QStringLiteral("Lautfolge");
inline const QString letterEntryPrompt =
    QStringLiteral("Geben Sie die gewünschte Lautfolge hier ein:");
inline const QString saveFailedTitle = QStringLiteral("Trabelo");
inline const QString saveFailedText =
    QStringLiteral("Die Einstellungen konnten nicht in „%1“ gespeichert werden:\r%2");

// Speech: why reading aloud is not available, shown as the tooltip of its disabled entries
inline const QString speechNotStarted = QStringLiteral("Die Sprachausgabe ist nicht gestartet.");
inline const QString speechConnecting = QStringLiteral("Die Sprachausgabe wird gestartet …");
inline const QString speechModuleMissing =
    QStringLiteral("Keine Sprachausgabe gefunden: Das Paket „qt6-speech-speechd-plugin“ fehlt.");
inline const QString speechServiceMissing =
    QStringLiteral("Keine Sprachausgabe gefunden: Der Sprachdienst „speech-dispatcher“ "
                   "startet nicht.");
inline const QString speechNoGermanVoice =
    QStringLiteral("Keine deutsche Stimme gefunden: Das Paket „speech-dispatcher-espeak-ng“ "
                   "fehlt.");
inline const QString speechNotAnswering = QStringLiteral("Die Sprachausgabe antwortet nicht.");
inline const QString speechNoSound =
    QStringLiteral("Die Sprachausgabe spielt nichts ab: Keine Tonausgabe gefunden.");

} // namespace Texts
