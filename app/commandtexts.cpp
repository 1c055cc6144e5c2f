// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandtexts.h"

// The command's German texts. They must stand exactly as here, blanks and umlauts included.

namespace CommandTexts {

// The command trabelo-silben (%1: file name or option)
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
    "(Paket hyphen-de) oder der Aufruf falsch ist.\n");
const QString markerCommandFileMissing =
    QStringLiteral("trabelo-silben: Die Datei „%1“ gibt es nicht.");
const QString markerCommandFileIsFolder =
    QStringLiteral("trabelo-silben: „%1“ ist ein Ordner, keine Datei.");
const QString markerCommandFileUnreadable =
    QStringLiteral("trabelo-silben: Die Datei „%1“ kann nicht gelesen werden.");
const QString markerCommandUnknownOption =
    QStringLiteral("trabelo-silben: Die Option „%1“ gibt es nicht (Hilfe: trabelo-silben --help).");
const QString markerCommandPrefix = QStringLiteral("trabelo-silben: ");

} // namespace CommandTexts
