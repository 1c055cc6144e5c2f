// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>

// The extras a teacher can switch on beyond the program's plain behaviour. Every one is off by
// default; with all of them off the program behaves exactly as it always did. "trabelo.ini"
// keeps them, never "silben.ini".
struct Extras
{
    // How long a word stays visible in flash reading; zero: flash reading is off.
    using Duration = std::chrono::milliseconds;
    static constexpr Duration flashChoices[] = {Duration(300), Duration(500), Duration(1000),
                                                Duration(2000)};

    bool automaticSyllables = false; // unmarked entries get school syllables when drawn
    bool syllableArcs = false;       // an arc under each drawn syllable
    Duration flashDuration{0};
    bool slowSpeech = false;
    bool speakerButton = false;
    bool noWordSign = false; // a sign when no entry of the list passes the letter filter

    static bool isFlashChoice(Duration duration);

    friend bool operator==(const Extras &, const Extras &) = default;
};
