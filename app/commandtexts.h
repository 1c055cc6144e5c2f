// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The German help and messages of the command trabelo-silben, in one place.

#include <QString>

namespace CommandTexts {

// The command trabelo-silben (%1: file name, option or reason; %2: the size limit in MB)
extern const QString markerCommandHelp;
extern const QString markerCommandFileMissing;
extern const QString markerCommandFileIsFolder;
extern const QString markerCommandFileUnreadable;
extern const QString markerCommandFileTooLarge;
extern const QString markerCommandInputTooLarge;
extern const QString markerCommandInputUnreadable;
extern const QString markerCommandFileIsOutput;
extern const QString markerCommandInputIsOutput;
extern const QString markerCommandWriteFailed;
extern const QString markerCommandUnknownOption;
extern const QString markerCommandPrefix;

} // namespace CommandTexts
