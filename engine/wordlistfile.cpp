#include "wordlistfile.h"

#include "textcodec.h"
#include "texts.h"

#include <QFile>
#include <QFileInfo>

QString WordListFile::locate(const QDir &folder, const QString &name)
{
    if (name.isEmpty() || name.contains(u'/'))
        return {};
    if (folder.exists(name))
        return folder.filePath(name);
    const QStringList entries =
        folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return folder.filePath(entry);
    }
    return {};
}

QStringList WordListFile::names(const QDir &folder)
{
    // A name filter would compile a regular expression, whose engine alone costs about a
    // megabyte of memory at start-up; the suffix test gives the same names in the same order.
    QStringList names = folder.entryList(QDir::Files);
    names.removeIf([](const QString &name) {
        return !name.endsWith(QLatin1StringView(".TXT"), Qt::CaseInsensitive);
    });
    return names;
}

WordListFile::Result WordListFile::read(const QDir &folder, const QString &name)
{
    const QString path = locate(folder, name);
    if (path.isEmpty())
        return {Status::Missing, {}, Texts::wordListMissing.arg(name)};
    if (QFileInfo(path).isDir())
        return {Status::IsFolder, {}, Texts::wordListIsFolder.arg(name)};

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {Status::Unreadable, {}, Texts::wordListUnreadable.arg(name, file.errorString())};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {Status::Unreadable, {}, Texts::wordListUnreadable.arg(name, file.errorString())};
    return {Status::Read, TextCodec::splitLines(TextCodec::decode(bytes)), {}, bytes};
}
