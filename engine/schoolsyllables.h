// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <bitset>
#include <string_view>

// Turns the boundaries that line-breaking patterns find into the syllables German schools
// write. The patterns leave some boundaries out on purpose: one-letter syllables at the start of
// a word or word part (O-ma, I-gel, Fluss-u-fer) and vowels in hiatus (Ka-ka-o, The-a-ter,
// neu-e); syllables at the end of a word that consist of one letter are always a hiatus (Le-o,
// Vi-de-o). At word-part seams they also cut off pieces without a vowel (aus=s=pruch,
// müt=te=r=lich), and they leave some words of several syllables whole (Laken, Abstrich).
//
// Works on one run of lower-case ISO-8859-1 letters. Every syllable holds a vowel letter, y
// included. The boundaries added here never split what is one sound: the vowel groups ei ai au
// eu äu ie aa ee oo ou ay ey oy eau and the consonant groups ch sch ck ph th qu; y before a
// vowel at the start of a syllable is a consonant (Yo-ga, Ma-ya).
class SchoolSyllables
{
public:
    static constexpr int maxLetters = 100;

    // Bit i set: a syllable boundary before letter i.
    using Boundaries = std::bitset<maxLetters>;

    // The school syllables of a word, from the boundaries of the patterns. A piece without a
    // vowel joins a neighbour. In a word left whole, or one that had such a piece, a syllable
    // holding two vowel groups is split between them. Then the one-letter syllables and the
    // hiatus are added. A word without a vowel comes back whole.
    static Boundaries fromPatterns(std::string_view letters, Boundaries boundaries);

    static bool isVowel(unsigned char letter);

private:
    struct Unit
    {
        int start = 0;
        int end = 0;
        bool vowel = false;
    };

    static bool splitsGroup(std::string_view letters, int i);
    static bool hasVowel(std::string_view letters, int begin, int end);
    static bool joinVowellessPieces(std::string_view letters, Boundaries &boundaries);
    static void splitBetweenVowelGroups(std::string_view letters, Boundaries &boundaries);
    static int parseUnits(std::string_view letters, const Boundaries &boundaries, Unit *units);
    static Unit unitAt(std::string_view letters, int i, const Boundaries &boundaries);
    static bool yIsConsonant(std::string_view letters, int i);
    static void addHiatus(const Unit *units, int count, Boundaries &boundaries);
    static void addOneLetterStarts(const Unit *units, int count, Boundaries &boundaries);
};
