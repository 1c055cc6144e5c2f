// SPDX-License-Identifier: GPL-3.0-or-later
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

// Automatic syllables (%1: path of the patterns file)
inline const QString syllablePatternsMissing =
    QStringLiteral("Die deutschen Silbenmuster („%1“) fehlen oder sind nicht lesbar.");
inline const QString syllablePatternsInvalid =
    QStringLiteral("Die Datei „%1“ enthält keine deutschen Silbenmuster.");

// The command trabelo-silben (%1: file name or option)
inline const QString markerCommandHelp = QStringLiteral(
    "Aufruf: trabelo-silben [DATEI ...]\n"
    "\n"
    "Setzt in Wortlisten die Silbenstriche, wie Kinder sie in der Schule lernen:\n"
    "O-ma, Fens-ter, Zu-cker, Ka-ka-o.\n"
    "\n"
    "Liest die Zeilen der genannten Dateien nacheinander, ohne Datei die Standardeingabe\n"
    "(UTF-8 oder Windows-1252, Zeilenenden LF, CR oder CR LF), und schreibt jede Zeile mit\n"
    "Silbenstrichen auf die Standardausgabe (UTF-8, Zeilenenden CR LF), so dass Trabelo das\n"
    "Ergebnis als Wortliste liest. Eine Zeile, die schon einen Bindestrich enthält, bleibt\n"
    "genau so, wie sie ist. Der Dateiname - steht für die Standardeingabe.\n"
    "\n"
    "Beispiel:\n"
    "  trabelo-silben OBST.TXT > OBST-SILBEN.TXT\n"
    "\n"
    "Die Silben werden nach Regeln gesetzt und sind nicht immer richtig: Bitte sehen Sie\n"
    "die neue Liste durch und verbessern Sie sie von Hand.\n"
    "\n"
    "Optionen:\n"
    "  -h, --help   diese Hilfe zeigen\n"
    "  --           alles Weitere sind Dateinamen\n"
    "\n"
    "Rückgabewert: 0, wenn alles gelesen wurde; 1, wenn eine Datei nicht gelesen werden\n"
    "konnte (die übrigen werden trotzdem bearbeitet); 2, wenn die Silbenmuster fehlen\n"
    "(Paket hyphen-de) oder der Aufruf falsch ist.\n");
inline const QString markerCommandFileMissing =
    QStringLiteral("trabelo-silben: Die Datei „%1“ gibt es nicht.");
inline const QString markerCommandFileIsFolder =
    QStringLiteral("trabelo-silben: „%1“ ist ein Ordner, keine Datei.");
inline const QString markerCommandFileUnreadable =
    QStringLiteral("trabelo-silben: Die Datei „%1“ kann nicht gelesen werden.");
inline const QString markerCommandUnknownOption =
    QStringLiteral("trabelo-silben: Die Option „%1“ gibt es nicht (Hilfe: trabelo-silben --help).");
inline const QString markerCommandPrefix = QStringLiteral("trabelo-silben: ");

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

// Extras: the word field's context menu, in the order it shows them
inline const QString automaticSyllablesEntry = QStringLiteral("Silben automatisch setzen");
inline const QString syllableArcsEntry = QStringLiteral("Silbenbögen");
inline const QString flashReadingMenu = QStringLiteral("Blitzlesen");
inline const QString flashOff = QStringLiteral("Aus");
inline const QString flash300 = QStringLiteral("0,3 Sekunden");
inline const QString flash500 = QStringLiteral("0,5 Sekunden");
inline const QString flash1000 = QStringLiteral("1 Sekunde");
inline const QString flash2000 = QStringLiteral("2 Sekunden");
inline const QString showWordAgainEntry = QStringLiteral("Wort noch einmal zeigen");
inline const QString readWordEntry = QStringLiteral("Wort vorlesen");
inline const QString readSyllablesEntry = QStringLiteral("Silbe für Silbe vorlesen");
inline const QString slowSpeechEntry = QStringLiteral("Langsam sprechen");
inline const QString speakerButtonEntry = QStringLiteral("Vorlese-Knopf zeigen");
inline const QString noWordSignEntry = QStringLiteral("Zeigen, wenn kein Wort passt");
inline const QString allExtrasOffEntry = QStringLiteral("Alle Extras aus");

// The quiet cue in the bottom row while any extra is on; its tooltip lists them (%1).
inline const QString extrasCue = QStringLiteral("Extras an");
inline const QString extrasCueTooltip =
    QStringLiteral("Eingeschaltete Extras (Rechtsklick auf die weiße Fläche):\n%1");

// The speaker button
inline const QString speakerTooltip = QStringLiteral("Vorlesen");

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

// No entry of the list passes the letter sequence (%1: list, %2: sequence)
inline const QString noWordFits =
    QStringLiteral("Kein Eintrag der Liste „%1“ passt zur Lautfolge „%2“");

// The extras file
inline const QString extrasFile = QStringLiteral("trabelo.ini");
inline const QString extrasSaveFailedTitle = QStringLiteral("Trabelo");
inline const QString extrasSaveFailedText =
    QStringLiteral("Die Extras konnten nicht in „%1“ gespeichert werden:\r%2");
inline const QString extrasFileIsFolder = QStringLiteral("Dort liegt ein Ordner dieses Namens.");
inline const QString extrasFileNoAccess =
    QStringLiteral("Der Ordner oder die Datei darf nicht beschrieben werden.");
inline const QString extrasFileBroken = QStringLiteral("Die Datei ist beschädigt.");

} // namespace Texts
