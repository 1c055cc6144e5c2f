// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowtexts.h"

// Every German text the window shows. Captions and messages must stand exactly as here,
// blanks and umlauts included.

namespace WindowTexts {

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
const QString wordCountTooltip = QStringLiteral("Wörterzahl");

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
const QString printWordCardsEntry = QStringLiteral("Wortkarten drucken …");
const QString printReadingSheetEntry = QStringLiteral("Leseblatt drucken …");
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

// Printing: why there is nothing to print (%1: list, %2: sequence); the two kinds of print,
// which name the preview (%1: kind) and the document, after which the PDF file is named (%1:
// list without its ending, %2: kind)
const QString nothingToPrint =
    QStringLiteral("Nichts zu drucken: Kein Wort der Liste „%1“ passt zur Lautfolge „%2“");
const QString wordCardsKind = QStringLiteral("Wortkarten");
const QString readingSheetKind = QStringLiteral("Leseblatt");
const QString printPreviewTitle = QStringLiteral("Druckvorschau: %1");
const QString printDocumentName = QStringLiteral("%1-%2");
// The print module cannot be loaded (%1: its file, %2: why); a program without printing
const QString printModuleMissing =
    QStringLiteral("Die Druckvorschau konnte nicht geladen werden:\r%1\r%2");
const QString printingMissing = QStringLiteral("Drucken ist nicht eingerichtet.");
// The reading sheet: its title (%1: list), letters (%1), the lines to fill in, the page's foot
// (%1: list, %2: page, %3: pages)
const QString readingSheetTitle = QStringLiteral("Leseblatt: %1");
const QString readingSheetLetters = QStringLiteral("Lautfolge: %1");
const QString readingSheetNameAndDate = QStringLiteral("Name: ________   Datum: ________");
const QString readingSheetPage = QStringLiteral("%1 – Seite %2 von %3");

// The extras file
const QString extrasFile = QStringLiteral("trabelo.ini");
const QString extrasSaveFailedTitle = QStringLiteral("Trabelo");
const QString extrasSaveFailedText =
    QStringLiteral("Die Extras konnten nicht in „%1“ gespeichert werden:\r%2");
const QString extrasFileIsFolder = QStringLiteral("Dort liegt ein Ordner dieses Namens.");
const QString extrasFileNoAccess =
    QStringLiteral("Der Ordner oder die Datei darf nicht beschrieben werden.");
const QString extrasFileBroken = QStringLiteral("Die Datei ist beschädigt.");

} // namespace WindowTexts
