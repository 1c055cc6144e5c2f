// SPDX-License-Identifier: GPL-3.0-or-later
#include "schoolsyllables.h"

#include <array>

namespace {

// Letters are ISO-8859-1: ä is \xE4, ö \xF6, ü \xFC.
constexpr std::array<std::string_view, 6> consonantGroups = {"sch", "ch", "ck", "ph", "th", "qu"};
constexpr std::array<std::string_view, 13> vowelPairs = {
    "ei", "ai", "au", "eu", "\xE4u", "ie", "aa", "ee", "oo", "ou", "ay", "ey", "oy"};
// French loans: Ni-veau, Pla-teau.
constexpr std::string_view vowelTriple = "eau";

} // namespace

bool SchoolSyllables::isVowel(unsigned char letter)
{
    switch (letter) {
    case 'a':
    case 'e':
    case 'i':
    case 'o':
    case 'u':
    case 'y':
        return true;
    default:
        // à to æ, è to ï, ò to ö, ø to ü, ý and ÿ
        return (letter >= 0xE0 && letter <= 0xE6) || (letter >= 0xE8 && letter <= 0xEF) ||
               (letter >= 0xF2 && letter <= 0xF6) || (letter >= 0xF8 && letter <= 0xFD) ||
               letter == 0xFF;
    }
}

// A y before a vowel at the start of a word or after a vowel is spoken as a consonant (Yo-ga,
// Ma-ya, lo-yal); ay and ey before e are a diphthong (Bay-ern, Mey-er).
bool SchoolSyllables::yIsConsonant(std::string_view letters, int i)
{
    const int size = int(letters.size());
    if (i + 1 >= size || letters[i + 1] == 'y' || !isVowel(letters[i + 1]))
        return false;
    if (i == 0)
        return true;
    const char before = letters[i - 1];
    if (!isVowel(before))
        return false;
    return !((before == 'a' || before == 'e') && letters[i + 1] == 'e');
}

SchoolSyllables::Unit SchoolSyllables::unitAt(std::string_view letters, int i,
                                              const Boundaries &boundaries)
{
    // A group counts only where no boundary already splits it (be-ei-len, mu-se-um).
    const auto startsGroup = [&](std::string_view group) {
        if (letters.substr(i, group.size()) != group)
            return false;
        for (int k = 1; k < int(group.size()); ++k) {
            if (boundaries[i + k])
                return false;
        }
        return true;
    };
    for (const std::string_view group : consonantGroups) {
        if (startsGroup(group))
            return {i, i + int(group.size()), false};
    }
    const auto letter = static_cast<unsigned char>(letters[i]);
    if (!isVowel(letter) || (letter == 'y' && yIsConsonant(letters, i)))
        return {i, i + 1, false};
    if (startsGroup(vowelTriple))
        return {i, i + 3, true};
    for (const std::string_view pair : vowelPairs) {
        if (startsGroup(pair) && !(pair[1] == 'y' && yIsConsonant(letters, i + 1)))
            return {i, i + 2, true};
    }
    return {i, i + 1, true};
}

int SchoolSyllables::parseUnits(std::string_view letters, const Boundaries &boundaries, Unit *units)
{
    int count = 0;
    for (int i = 0; i < int(letters.size()); i = units[count++].end)
        units[count] = unitAt(letters, i, boundaries);
    return count;
}

// Two vowels that are not one sound belong to two syllables: Ka-ka-o, Ru-i-ne, Bau-er.
void SchoolSyllables::addHiatus(const Unit *units, int count, Boundaries &boundaries)
{
    for (int k = 0; k + 1 < count; ++k) {
        if (units[k].vowel && units[k + 1].vowel)
            boundaries.set(std::size_t(units[k + 1].start));
    }
}

// A syllable that starts with a single vowel followed by one consonant sound and a vowel gives
// the vowel a syllable of its own: O-ma, E-cke, A-qua-ri-um, Fluss-u-fer.
void SchoolSyllables::addOneLetterStarts(const Unit *units, int count, Boundaries &boundaries)
{
    for (int k = 0; k + 2 < count; ++k) {
        const Unit &first = units[k];
        const Unit &consonant = units[k + 1];
        const Unit &next = units[k + 2];
        const bool startsSyllable = first.start == 0 || boundaries[first.start];
        if (startsSyllable && first.vowel && first.end - first.start == 1 && !consonant.vowel &&
            next.vowel && !boundaries[consonant.start] && !boundaries[next.start])
            boundaries.set(std::size_t(consonant.start));
    }
}

void SchoolSyllables::addBoundaries(std::string_view letters, Boundaries &boundaries)
{
    if (letters.size() > std::size_t(maxLetters))
        return;
    std::array<Unit, maxLetters> units;
    const int count = parseUnits(letters, boundaries, units.data());
    addHiatus(units.data(), count, boundaries);
    addOneLetterStarts(units.data(), count, boundaries);
}

bool SchoolSyllables::everySyllableHasVowel(std::string_view letters, const Boundaries &boundaries)
{
    bool hasVowel = false;
    for (int i = 0; i < int(letters.size()); ++i) {
        if (i > 0 && boundaries[i]) {
            if (!hasVowel)
                return false;
            hasVowel = false;
        }
        hasVowel = hasVowel || isVowel(static_cast<unsigned char>(letters[i]));
    }
    return hasVowel;
}
