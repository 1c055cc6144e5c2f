// SPDX-License-Identifier: GPL-3.0-or-later
#include "texts.h"

// Every German text the program shows. Captions and messages must stand exactly as here,
// blanks and umlauts included.

namespace Texts {

// Window
const QString windowCaption = QStringLiteral("Trabelo");

// Top row captions and tooltips
const QString exitCaption = QStringLiteral("X");
const QString exitTooltip = QStringLiteral("Beenden");
const QString fontsCaption = QStringLiteral("S");
const QString fontsTooltip = QStringLiteral("Schriften");
const QString firstColourCaption = QStringLiteral("1");
const QString firstColourTooltip = QStringLiteral("Erste Farbe");
const QString secondColourCaption = QStringLiteral("2");
const QString secondColourTooltip = QStringLiteral("Zweite Farbe");
const QString letterEntryCaption = QStringLiteral("ABC");
const QString letterEntryTooltip = QStringLiteral("Lauteingabe");
const QString letterSequencePlaceholder = QStringLiteral("Label2");
const QString letterSequenceTooltip = QStringLiteral("Lautfolge");
const QString orderModeTooltip = QStringLiteral("Sortierung");
const QString fileChooserCaption = QStringLiteral("T");
const QString fileChooserTooltip = QStringLiteral("Textdateien");

// Spoken by screen readers only
const QString sizeBarAccessibleName = QStringLiteral("Schriftgröße");

// Bottom row
const QString narrowCaption = QStringLiteral("-");
const QString mediumCaption = QStringLiteral("- -");
const QString wideCaption = QStringLiteral("- - -");
const QString wordCountInitial = QStringLiteral("0 Wörter");
const QString wordCountTooltip = QStringLiteral("Wörterzahl");

// Order modes, in the order of their cycle
const QString orderAlphabetical = QStringLiteral("nach A B C");
const QString orderFileOrder = QStringLiteral("nach Reihe");
const QString orderRandom = QStringLiteral("nach Zufall");

// Word count: a blank, the number, then one of these
const QString wordSingular = QStringLiteral(" Wort");
const QString wordPlural = QStringLiteral(" Wörter");

// Word list and settings files
const QString defaultWordListFile = QStringLiteral("SILBEN.TXT");
const QString settingsFile = QStringLiteral("silben.ini");
const QString defaultLetterSequence = QStringLiteral("abc");
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

// The command trabelo-silben (%1: file name, option or reason; %2: the size limit in MB)
const QString markerCommandHelp = QStringLiteral(
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
    "(Paket hyphen-de) oder der Aufruf falsch ist; 3, wenn die Ausgabe nicht geschrieben\n"
    "werden konnte (etwa weil der Datenträger voll ist) oder in eine der Dateien ginge, die\n"
    "gelesen werden sollen.\n");
const QString markerCommandFileMissing =
    QStringLiteral("trabelo-silben: Die Datei „%1“ gibt es nicht.");
const QString markerCommandFileIsFolder =
    QStringLiteral("trabelo-silben: „%1“ ist ein Ordner, keine Datei.");
const QString markerCommandFileUnreadable =
    QStringLiteral("trabelo-silben: Die Datei „%1“ kann nicht gelesen werden.");
const QString markerCommandFileTooLarge =
    QStringLiteral("trabelo-silben: Die Datei „%1“ ist größer als %2 MB und wird nicht gelesen.");
const QString markerCommandInputTooLarge = QStringLiteral(
    "trabelo-silben: Die Standardeingabe ist größer als %1 MB und wird nicht gelesen.");
const QString markerCommandInputUnreadable =
    QStringLiteral("trabelo-silben: Die Standardeingabe kann nicht gelesen werden.");
const QString markerCommandFileIsOutput =
    QStringLiteral("trabelo-silben: Die Ausgabe geht in die Datei „%1“, die gelesen werden "
                   "soll. Bitte schreiben Sie die Liste in eine andere Datei.");
const QString markerCommandInputIsOutput =
    QStringLiteral("trabelo-silben: Die Ausgabe geht in dieselbe Datei, aus der gelesen wird. "
                   "Bitte schreiben Sie die Liste in eine andere Datei.");
const QString markerCommandWriteFailed =
    QStringLiteral("trabelo-silben: Die Ausgabe konnte nicht geschrieben werden (%1); "
                   "die neue Liste ist unvollständig.");
const QString markerCommandUnknownOption =
    QStringLiteral("trabelo-silben: Die Option „%1“ gibt es nicht (Hilfe: trabelo-silben --help).");
const QString markerCommandPrefix = QStringLiteral("trabelo-silben: ");

// Modal boxes
const QString hintTitle = QStringLiteral("Hinweis");
const QString hintText = QStringLiteral("Klicke auf die weiße Textfläche\r"
                                        "oder drücke eine beliebige Taste,\r"
                                        "um neue Wörter anzuzeigen ...\r\r");
const QString exitTitle = QStringLiteral("Trabelo beenden");
const QString exitQuestion = QStringLiteral("Sind sie sich wirklich sicher?");
const QString farewellTitle = QStringLiteral("Trabelo");
const QString farewellText = QStringLiteral("Trabelo – Lesetraining mit Silbenfarben\r\r"
                                            "Das Programm wird jetzt beendet ...\r\r");
const QString letterEntryTitle = QStringLiteral("Lautfolge");
const QString letterEntryPrompt = QStringLiteral("Geben Sie die gewünschte Lautfolge hier ein:");
const QString saveFailedTitle = QStringLiteral("Trabelo");
const QString saveFailedText =
    QStringLiteral("Die Einstellungen konnten nicht in „%1“ gespeichert werden:\r%2");

// Extras: the word field's context menu, in the order it shows them
const QString automaticSyllablesEntry = QStringLiteral("Silben automatisch setzen");
const QString syllableArcsEntry = QStringLiteral("Silbenbögen");
const QString flashReadingMenu = QStringLiteral("Blitzlesen");
const QString flashOff = QStringLiteral("Aus");
const QString flash300 = QStringLiteral("0,3 Sekunden");
const QString flash500 = QStringLiteral("0,5 Sekunden");
const QString flash1000 = QStringLiteral("1 Sekunde");
const QString flash2000 = QStringLiteral("2 Sekunden");
const QString showWordAgainEntry = QStringLiteral("Wort noch einmal zeigen");
const QString readWordEntry = QStringLiteral("Wort vorlesen");
const QString readSyllablesEntry = QStringLiteral("Silbe für Silbe vorlesen");
const QString slowSpeechEntry = QStringLiteral("Langsam sprechen");
const QString speakerButtonEntry = QStringLiteral("Vorlese-Knopf zeigen");
const QString noWordSignEntry = QStringLiteral("Zeigen, wenn kein Wort passt");
const QString allExtrasOffEntry = QStringLiteral("Alle Extras aus");

// The quiet cue in the bottom row while any extra is on; its tooltip lists them (%1).
const QString extrasCue = QStringLiteral("Extras an");
const QString extrasCueTooltip =
    QStringLiteral("Eingeschaltete Extras (Rechtsklick auf die weiße Fläche):\n%1");

// The speaker button
const QString speakerTooltip = QStringLiteral("Vorlesen");

// Speech: why reading aloud is not available, shown as the tooltip of its disabled entries
const QString speechNotStarted = QStringLiteral("Die Sprachausgabe ist nicht gestartet.");
const QString speechConnecting = QStringLiteral("Die Sprachausgabe wird gestartet …");
const QString speechModuleMissing =
    QStringLiteral("Keine Sprachausgabe gefunden: Das Paket „qt6-speech-speechd-plugin“ fehlt.");
const QString speechServiceMissing =
    QStringLiteral("Keine Sprachausgabe gefunden: Der Sprachdienst „speech-dispatcher“ "
                   "startet nicht.");
const QString speechNoGermanVoice =
    QStringLiteral("Keine deutsche Stimme gefunden: Das Paket „speech-dispatcher-espeak-ng“ "
                   "fehlt.");
const QString speechNotAnswering = QStringLiteral("Die Sprachausgabe antwortet nicht.");
const QString speechNoSound =
    QStringLiteral("Die Sprachausgabe spielt nichts ab: Keine Tonausgabe gefunden.");

// No entry of the list passes the letter sequence (%1: list, %2: sequence)
const QString noWordFits = QStringLiteral("Kein Eintrag der Liste „%1“ passt zur Lautfolge „%2“");

// The extras file
const QString extrasFile = QStringLiteral("trabelo.ini");
const QString extrasSaveFailedTitle = QStringLiteral("Trabelo");
const QString extrasSaveFailedText =
    QStringLiteral("Die Extras konnten nicht in „%1“ gespeichert werden:\r%2");
const QString extrasFileIsFolder = QStringLiteral("Dort liegt ein Ordner dieses Namens.");
const QString extrasFileNoAccess =
    QStringLiteral("Der Ordner oder die Datei darf nicht beschrieben werden.");
const QString extrasFileBroken = QStringLiteral("Die Datei ist beschädigt.");

} // namespace Texts
