// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordlistfile.h"

#include "alphabeticalorder.h"
#include "textcodec.h"
#include "texts.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

QString WordListFile::locate(const QDir &folder, const QString &name, Qt::CaseSensitivity matching)
{
    if (name.isEmpty() || name.contains(u'/'))
        return {};
    if (folder.exists(name))
        return folder.filePath(name);
    if (matching == Qt::CaseSensitive)
        return {};
    const QStringList entries =
        folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return folder.filePath(entry);
    }
    return {};
}

WordListFile::Result WordListFile::read(const QDir &folder, const QString &name,
                                        const QString &entry)
{
    const QString path =
        entry.isEmpty() ? locate(folder, name) : locate(folder, entry, Qt::CaseSensitive);
    if (path.isEmpty())
        return {{}, Texts::wordListMissing.arg(name)};
    const QFileInfo info(path);
    if (info.isDir())
        return {{}, Texts::wordListIsFolder.arg(name)};
    // Only a regular file, or a link to one, is read: opening a pipe would block the start
    // until something writes to it, and a device may never end.
    if (!info.isFile())
        return {{}, Texts::wordListNotAFile.arg(name)};
    if (info.size() > maximumBytes)
        return {{}, Texts::wordListTooLarge.arg(name).arg(maximumBytes >> 20)};

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, Texts::wordListUnreadable.arg(name, file.errorString())};
    // The file may have grown since it was looked at.
    Bytes read = readAll(file);
    switch (read.status) {
    case Bytes::Status::Read:
        break;
    case Bytes::Status::TooLarge:
        return {{}, Texts::wordListTooLarge.arg(name).arg(maximumBytes >> 20)};
    case Bytes::Status::Unreadable:
        return {{}, Texts::wordListUnreadable.arg(name, file.errorString())};
    }
    return {TextCodec::splitLines(TextCodec::decode(read.bytes)), {}, std::move(read.bytes)};
}

WordListFile::Bytes WordListFile::readAll(QIODevice &device, qint64 limit)
{
    constexpr qint64 pieceSize = 1024 * 1024;
    QByteArray bytes;
    for (;;) {
        // One byte beyond the limit tells an input that is too long.
        const qint64 wanted = std::min(pieceSize, limit + 1 - bytes.size());
        const qsizetype before = bytes.size();
        bytes.resize(before + wanted);
        const qint64 got = device.read(bytes.data() + before, wanted);
        bytes.resize(before + std::max<qint64>(got, 0));
        if (got < 0)
            return {Bytes::Status::Unreadable};
        if (bytes.size() > limit)
            return {Bytes::Status::TooLarge};
        if (got == 0)
            return {Bytes::Status::Read, std::move(bytes)};
    }
}

QStringList WordListFile::listFolder(const QDir &folder)
{
    // Hidden files are left out unless asked for. A name filter would compile a regular
    // expression, whose engine alone costs about a megabyte of memory at start-up; the suffix
    // test gives the same names.
    QStringList names = folder.entryList(QDir::Files);
    names.removeIf([](const QString &name) {
        return !name.endsWith(QLatin1StringView(".TXT"), Qt::CaseInsensitive);
    });
    AlphabeticalOrder().sort(names);
    return names;
}
