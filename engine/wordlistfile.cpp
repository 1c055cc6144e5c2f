// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordlistfile.h"

#include "alphabeticalorder.h"
#include "textcodec.h"
#include "texts.h"

#include <QFile>
#include <QFileInfo>

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
    if (QFileInfo(path).isDir())
        return {{}, Texts::wordListIsFolder.arg(name)};

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, Texts::wordListUnreadable.arg(name, file.errorString())};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {{}, Texts::wordListUnreadable.arg(name, file.errorString())};
    return {TextCodec::splitLines(TextCodec::decode(bytes)), {}, bytes};
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
