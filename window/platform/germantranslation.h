// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QCoreApplication;

// Installs the toolkit's own German translation, so that the standard buttons of the boxes
// read "Ja", "Nein", "OK" and "Abbrechen" whatever the system's language. Returns false when
// the translation is not installed; the boxes then keep the toolkit's own words.
bool installGermanTranslation(QCoreApplication *application);
