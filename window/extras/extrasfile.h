// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "extras.h"

#include <QString>

// Reads and writes the extras in "trabelo.ini" of the working folder, an INI file with one
// ASCII key per extra of the table. A missing or broken file, or a value a key cannot take,
// leaves that extra off without a word: the extras are a convenience, and a start must never
// fail on them.
class ExtrasFile
{
public:
    struct WriteResult
    {
        bool ok = false;
        QString error; // why the file could not be written, in German, for the teacher
    };

    static Extras read(const QString &path, const QList<ExtraRow> &rows = ExtrasTable::rows());
    // Writes every key at once; the file is replaced whole or not at all.
    static WriteResult write(const QString &path, const Extras &extras,
                             const QList<ExtraRow> &rows = ExtrasTable::rows());
};
