// SPDX-License-Identifier: GPL-3.0-or-later
#include "extrasfile.h"

#include "windowtexts.h"

#include <QFileInfo>
#include <QSettings>

namespace {

const QString group = QStringLiteral("Extras");
const QString automaticSyllablesKey = QStringLiteral("AutomaticSyllables");
const QString syllableArcsKey = QStringLiteral("SyllableArcs");
const QString flashKey = QStringLiteral("FlashMilliseconds");
const QString slowSpeechKey = QStringLiteral("SlowSpeech");
const QString speakerButtonKey = QStringLiteral("SpeakerButton");
const QString noWordSignKey = QStringLiteral("NoWordSign");

// Only "true" and "false" are switches; anything else is unknown and keeps the default.
bool readSwitch(const QSettings &file, const QString &key)
{
    return file.value(key).toString() == u"true";
}

Extras::Duration readFlash(const QSettings &file)
{
    bool isNumber = false;
    const Extras::Duration duration(file.value(flashKey).toString().toInt(&isNumber));
    return isNumber && Extras::isFlashChoice(duration) ? duration : Extras::Duration(0);
}

// A folder in the file's place is told before writing; any other failure by QSettings' status.
QString statusReason(QSettings::Status status)
{
    return status == QSettings::AccessError ? WindowTexts::extrasFileNoAccess
                                            : WindowTexts::extrasFileBroken;
}

} // namespace

Extras ExtrasFile::read(const QString &path)
{
    Extras extras;
    if (!QFileInfo(path).isFile())
        return extras;
    QSettings keys(path, QSettings::IniFormat);
    if (keys.status() != QSettings::NoError)
        return extras;
    keys.beginGroup(group);
    extras.automaticSyllables = readSwitch(keys, automaticSyllablesKey);
    extras.syllableArcs = readSwitch(keys, syllableArcsKey);
    extras.flashDuration = readFlash(keys);
    extras.slowSpeech = readSwitch(keys, slowSpeechKey);
    extras.speakerButton = readSwitch(keys, speakerButtonKey);
    extras.noWordSign = readSwitch(keys, noWordSignKey);
    keys.endGroup();
    return extras;
}

ExtrasFile::WriteResult ExtrasFile::write(const QString &path, const Extras &extras)
{
    // A folder in the file's place would be taken for an unwritable file without a reason.
    if (QFileInfo(path).isDir())
        return {false, WindowTexts::extrasFileIsFolder};
    QSettings file(path, QSettings::IniFormat);
    file.beginGroup(group);
    file.setValue(automaticSyllablesKey, extras.automaticSyllables);
    file.setValue(syllableArcsKey, extras.syllableArcs);
    file.setValue(flashKey, qlonglong(extras.flashDuration.count()));
    file.setValue(slowSpeechKey, extras.slowSpeech);
    file.setValue(speakerButtonKey, extras.speakerButton);
    file.setValue(noWordSignKey, extras.noWordSign);
    file.endGroup();
    file.sync();
    if (file.status() != QSettings::NoError)
        return {false, statusReason(file.status())};
    return {true, {}};
}
