// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings.h"

// Everything the teacher has set that the window shows, in one value. The window applies it to
// its controls, which only display it, and the settings file is written from it.
struct ShownState
{
    Settings settings; // kept in "silben.ini"
};
