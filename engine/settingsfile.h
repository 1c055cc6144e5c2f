#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The five settings kept from run to run in "silben.ini" of the working folder.
struct Settings
{
    QString letterSequence;
    int firstColourIndex = 0;
    int secondColourIndex = 0;
    int fontSize = 0;
    QString fontName;
};

class SettingsFile
{
public:
    static constexpr int minimumFontSize = 18;
    static constexpr int maximumFontSize = 200;

    // Where reading stopped, and so which values the window applies.
    enum class Outcome
    {
        Complete,      // every value from the file
        FileUnusable,  // missing, unreadable or fewer than five lines: defaults only
        ValueRejected, // a colour index or the size is no number or out of range
    };

    struct ReadResult
    {
        Outcome outcome = Outcome::FileUnusable;
        QString letterSequence;      // the file's line 1 (or "abc"); "abc" when unusable
        int firstColourIndex = 5;    // the file's, or 5 when anything failed
        int secondColourIndex = 7;   // the file's, or 7 when anything failed
        std::optional<int> fontSize; // set only when Complete
        QString fontName;            // the file's, or "Lateinaus" when anything failed
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

    // The letter sequence as the file keeps it: lower case, no blanks.
    static QString tidyLetterSequence(const QString &sequence);
    // The file's bytes for these settings (the letter sequence already tidied).
    static QByteArray format(const Settings &settings);
    // Replaces the file atomically: the old file stays whole when writing fails.
    static WriteResult write(const QString &path, const Settings &settings);
};
