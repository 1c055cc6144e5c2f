// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The German help and messages of the command trabelo-silben, in one place.

#include <QString>

namespace CommandTexts {

// The command trabelo-silben (%1: file name or option)
extern const QString markerCommandHelp;
extern const QString markerCommandFileMissing;
extern const QString markerCommandFileIsFolder;
extern const QString markerCommandFileUnreadable;
extern const QString markerCommandUnknownOption;
extern const QString markerCommandPrefix;

} // namespace CommandTexts
