// SPDX-License-Identifier: GPL-3.0-or-later
#include "extras.h"

#include <algorithm>
#include <iterator>

bool Extras::isFlashChoice(Duration duration)
{
    return std::find(std::begin(flashChoices), std::end(flashChoices), duration) !=
           std::end(flashChoices);
}
