// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// File helpers for tests, which write their own files byte for byte in a temporary folder.

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Empty when the file cannot be read.
inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A file's place in a fresh temporary folder of its own.
struct ScratchFile
{
    explicit ScratchFile(const QString &name) : path(folder.filePath(name)) {}

    // Null bytes leave the place empty; "/" puts a folder of the file's name there.
    bool place(const QByteArray &bytes) const
    {
        return bytes.isNull() || (bytes == "/" ? QDir().mkdir(path) : writeFile(path, bytes));
    }

    QTemporaryDir folder;
    const QString path;
};
