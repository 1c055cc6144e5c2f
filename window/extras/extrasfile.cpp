// SPDX-License-Identifier: GPL-3.0-or-later
#include "extrasfile.h"

#include "windowtexts.h"

#include <QFileInfo>
#include <QSettings>

#include <algorithm>

namespace {

const QString group = QStringLiteral("Extras");

// Only "true" is on and only an option's own value is a choice; anything else leaves it off.
int readValue(const QSettings &file, const ExtraRow &row)
{
    const QString stored = file.value(row.key).toString();
    if (row.kind == ExtraKind::Switch)
        return stored == u"true" ? 1 : 0;
    bool isNumber = false;
    const int value = stored.toInt(&isNumber);
    const bool isOption = std::any_of(row.choices.begin(), row.choices.end(),
                                      [value](const ExtraChoice &c) { return c.value == value; });
    return isNumber && isOption ? value : 0;
}

// A folder in the file's place is told before writing; any other failure by QSettings' status.
QString statusReason(QSettings::Status status)
{
    return status == QSettings::AccessError ? WindowTexts::extrasFileNoAccess
                                            : WindowTexts::extrasFileBroken;
}

} // namespace

Extras ExtrasFile::read(const QString &path, const QList<ExtraRow> &rows)
{
    Extras extras;
    if (!QFileInfo(path).isFile())
        return extras;
    QSettings file(path, QSettings::IniFormat);
    if (file.status() != QSettings::NoError)
        return extras;
    file.beginGroup(group);
    for (const ExtraRow &row : rows) {
        if (row.kind == ExtraKind::StoredList)
            extras.setList(row.extra, file.value(row.key).toStringList());
        else if (!row.key.isEmpty())
            extras.setValue(row.extra, readValue(file, row));
    }
    return extras;
}

ExtrasFile::WriteResult ExtrasFile::write(const QString &path, const Extras &extras,
                                          const QList<ExtraRow> &rows)
{
    // A folder in the file's place would be taken for an unwritable file without a reason.
    if (QFileInfo(path).isDir())
        return {false, WindowTexts::extrasFileIsFolder};
    QSettings file(path, QSettings::IniFormat);
    file.beginGroup(group);
    for (const ExtraRow &row : rows) {
        if (row.kind == ExtraKind::Switch)
            file.setValue(row.key, extras.isOn(row.extra));
        else if (row.kind == ExtraKind::Choice)
            file.setValue(row.key, qlonglong(extras.value(row.extra)));
        else if (row.kind == ExtraKind::StoredList)
            file.setValue(row.key, extras.list(row.extra));
    }
    file.endGroup();
    file.sync();
    if (file.status() != QSettings::NoError)
        return {false, statusReason(file.status())};
    return {true, {}};
}
