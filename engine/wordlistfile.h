#pragma once

#include <QDir>
#include <QStringList>

// Reads a word-list file of the working folder into its lines.
class WordListFile
{
public:
    enum class Status
    {
        Read,
        Missing,
        IsFolder,
        Unreadable
    };

    struct Result
    {
        Status status = Status::Read;
        QStringList lines;
        QString message;    // German, for the user; empty when the file was read
        QByteArray bytes{}; // the file as read; empty when it was not read
    };

    // Finds the file by its name without regard to letter case (SILBEN.TXT finds silben.txt),
    // then reads and decodes it whole.
    static Result read(const QDir &folder, const QString &name);

    // The names of the folder's word-list files, as the folder lists them: files (links to
    // files included) whose names end in ".TXT" in any letter case, hidden files left out.
    // The same as the folder's "*.TXT" file filter, without building a pattern matcher.
    static QStringList names(const QDir &folder);

    // The path of the entry of the folder that bears the name in any letter case; the exact
    // name wins when several do. Empty when there is none.
    static QString locate(const QDir &folder, const QString &name);
};
