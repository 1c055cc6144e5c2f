// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QStringList>

class QIODevice;

// Reads a word-list file of the working folder into its lines.
class WordListFile
{
public:
    // Far beyond any real list (the million-line benchmark list has about 10 MB); a larger file,
    // or a device without end, is refused rather than read until the memory runs out.
    static constexpr qint64 maximumBytes = 64 * 1024 * 1024;

    struct Result
    {
        QStringList lines;
        QString message;    // German, for the user; empty when the file was read
        QByteArray bytes{}; // the file as read; empty when it was not read
    };

    struct Bytes
    {
        enum class Status
        {
            Read,
            TooLarge,
            Unreadable
        };
        Status status = Status::Unreadable;
        QByteArray bytes{}; // empty unless Read
    };

    // Reads and decodes a list whole: the folder's entry of exactly that name when one is given
    // (as the file chooser lists it), else the file that bears the name in any letter case
    // (SILBEN.TXT finds silben.txt). Messages call the list by its name.
    static Result read(const QDir &folder, const QString &name, const QString &entry = {});

    // Reads the device to its end in pieces, holding no more than the limit allows: a pipe's
    // length is known only once it ends.
    static Bytes readAll(QIODevice &device, qint64 limit = maximumBytes);

    // The path of the entry of the folder that bears the name (in any letter case, unless
    // asked otherwise); the exact name wins when several do. Empty when there is none.
    static QString locate(const QDir &folder, const QString &name,
                          Qt::CaseSensitivity matching = Qt::CaseInsensitive);

    // The word lists of the folder, as the file chooser offers them: the files (links to files
    // included; no folders, no hidden files) whose names end in ".TXT" in any letter case, in
    // alphabetical order.
    static QStringList listFolder(const QDir &folder);
};
