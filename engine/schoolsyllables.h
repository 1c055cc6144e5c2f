// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <bitset>
#include <string_view>

// The syllable rules of German schools that line-breaking patterns leave out on purpose:
// one-letter syllables at the start of a word or word part (O-ma, I-gel, Fluss-u-fer) and
// vowels in hiatus (Ka-ka-o, The-a-ter, neu-e). Syllables at the end of a word that consist of
// one letter are always a hiatus (Le-o, Vi-de-o).
//
// Works on one run of lower-case ISO-8859-1 letters. The rules only add boundaries, never
// remove one, and never split what is one sound: the vowel groups ei ai au eu äu ie aa ee oo
// ou ay ey oy eau and the consonant groups ch sch ck ph th qu. Each syllable they create holds
// a vowel; y counts as one, except before a vowel at the start of a syllable (Yo-ga, Ma-ya).
class SchoolSyllables
{
public:
    static constexpr int maxLetters = 100;

    // Bit i set: a syllable boundary before letter i.
    using Boundaries = std::bitset<maxLetters>;

    static void addBoundaries(std::string_view letters, Boundaries &boundaries);

    // True iff every piece between the boundaries holds a vowel letter (y included).
    static bool everySyllableHasVowel(std::string_view letters, const Boundaries &boundaries);

    static bool isVowel(unsigned char letter);

private:
    struct Unit
    {
        int start = 0;
        int end = 0;
        bool vowel = false;
    };

    static int parseUnits(std::string_view letters, const Boundaries &boundaries, Unit *units);
    static Unit unitAt(std::string_view letters, int i, const Boundaries &boundaries);
    static bool yIsConsonant(std::string_view letters, int i);
    static void addHiatus(const Unit *units, int count, Boundaries &boundaries);
    static void addOneLetterStarts(const Unit *units, int count, Boundaries &boundaries);
};
