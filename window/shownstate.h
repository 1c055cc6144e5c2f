// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "extras/extras.h"
#include "settings.h"

// Everything the teacher has set that the window shows, in one value. The window applies it to
// its controls, which only display it, and the settings files are written from it.
struct ShownState
{
    Settings settings; // kept in "silben.ini"
    Extras extras;     // kept in "trabelo.ini"
};
