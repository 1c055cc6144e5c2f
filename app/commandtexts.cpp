// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandtexts.h"

// The command's German texts. They must stand exactly as here, blanks and umlauts included.

namespace CommandTexts {

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

} // namespace CommandTexts
