// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings.h"

#include <QByteArray>
#include <QString>

// Reads and writes the five settings kept from run to run in "silben.ini" of the working folder.
class SettingsFile
{
public:
    // Where reading stopped, and so which values the window applies.
    enum class Outcome
    {
        Complete,      // every value from the file
        FileUnusable,  // missing, unreadable or fewer than five lines: defaults only
        ValueRejected, // a colour index or the size is no number or out of range
    };

    // The values as read: the letter sequence is the file's line 1 (or "abc") unless the file
    // is unusable; every other value is the file's only when the outcome is Complete, else the
    // default. Only a complete file sets the size: otherwise there is no size to apply and the
    // window keeps the one it has.
    struct ReadResult
    {
        Outcome outcome = Outcome::FileUnusable;
        Settings settings;
        bool hasFontSize() const { return outcome == Outcome::Complete; }
        friend bool operator==(const ReadResult &, const ReadResult &) = default;
    };

    struct WriteResult
    {
        bool ok = false;
        QString error; // why the file could not be written, for the user
    };

    // Reads the file; never fails, takes the defaults where it must.
    static ReadResult read(const QString &path);
    static ReadResult parse(QByteArrayView bytes);

    // The letter sequence as the file keeps it: lower case, no blanks, no line breaks.
    static QString tidyLetterSequence(const QString &sequence);
    // The file's bytes for these settings (the letter sequence already tidied). Always five
    // lines: a CR or LF inside the letter sequence or the font name is left out.
    static QByteArray format(const Settings &settings);
    // Replaces the file atomically: the old file stays whole when writing fails.
    static WriteResult write(const QString &path, const Settings &settings);
};
