// SPDX-License-Identifier: GPL-3.0-or-later
#include "schoolsyllables.h"

#include <algorithm>
#include <array>

namespace {

// Letters are ISO-8859-1: ä is \xE4, ö \xF6, ü \xFC.
constexpr std::array<std::string_view, 6> consonantGroups = {"sch", "ch", "ck", "ph", "th", "qu"};
constexpr std::array<std::string_view, 13> vowelPairs = {
    "ei", "ai", "au", "eu", "\xE4u", "ie", "aa", "ee", "oo", "ou", "ay", "ey", "oy"};
// French loans: Ni-veau, Pla-teau.
constexpr std::string_view vowelTriple = "eau";

// How a German syllable may begin, by German phonotactics: with one consonant (ch and sch are
// one; q stands for qu, whose u counts with the vowels; ß begins syllables, though never words)
// or with one of the clusters native German words begin with. ph, th and rh, which begin only
// loanwords, are left out: where a piece without a vowel meets such letters, they belong to two
// word parts (Angepasst-heit, Auer-hahn, Graph-er-set-zung).
constexpr auto legalOnsets = std::to_array<std::string_view>({
    // clang-format off
    "b", "c", "d", "f", "g", "h", "j", "k", "l", "m", "n", "p", "q", "r", "s", "t", "v", "w", "x",
    "z", "\xDF",
    "bl", "br", "ch", "dr", "fl", "fr", "gl", "gn", "gr", "kl", "kn", "kr", "pf", "pl", "pr", "sp",
    "st", "tr", "zw",
    "pfl", "pfr", "sch", "spl", "spr", "str",
    "schl", "schm", "schn", "schr", "schw",
    // clang-format on
});

// Onsets German writes apart between two vowels since 2006 (Kis-te, Wes-pe, Ap-fel), though a
// word may begin with them.
constexpr std::array<std::string_view, 3> writtenApart = {"st", "sp", "pf"};

bool isLegalOnset(std::string_view consonants)
{
    return std::find(legalOnsets.begin(), legalOnsets.end(), consonants) != legalOnsets.end();
}

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

// True iff a boundary before letter i would split a consonant group (s|ch, c|k, p|h).
bool SchoolSyllables::splitsGroup(std::string_view letters, int i)
{
    for (const std::string_view group : consonantGroups) {
        for (int k = 1; k < int(group.size()); ++k) {
            if (i >= k && letters.substr(std::size_t(i - k), group.size()) == group)
                return true;
        }
    }
    return false;
}

bool SchoolSyllables::hasVowel(std::string_view letters, int begin, int end)
{
    for (int i = begin; i < end; ++i) {
        if (isVowel(static_cast<unsigned char>(letters[i])))
            return true;
    }
    return false;
}

// Patterns cut off consonants at a word-part seam (aus=s=pruch, müt=te=r=lich, beo=b=ach=ten).
// Such a piece joins the next syllable when it begins that syllable as German syllables begin
// (Aus-spruch, be-o-bach-ten), otherwise the previous one (müt-ter-lich). It never joins the
// next across a consonant group the patterns split (wind=rö=s=chen gives Wind-rös-chen).
bool SchoolSyllables::joinVowellessPieces(std::string_view letters, Boundaries &boundaries)
{
    bool joined = false;
    const int size = int(letters.size());
    const auto pieceEnd = [&](int start) {
        int end = start + 1;
        while (end < size && !boundaries[end])
            ++end;
        return end;
    };
    for (int start = 0; start < size;) {
        int end = pieceEnd(start);
        if (hasVowel(letters, start, end)) {
            start = end;
            continue;
        }
        // Consonant pieces in a row are one piece.
        while (end < size && !hasVowel(letters, end, pieceEnd(end))) {
            boundaries.reset(end);
            end = pieceEnd(end);
        }
        joined = true;
        if (end == size) {
            boundaries.reset(start); // the last piece; a word without a vowel keeps no boundary
            break;
        }
        int vowel = end;
        while (!isVowel(static_cast<unsigned char>(letters[vowel])))
            ++vowel;
        const bool joinsNext =
            start == 0 ||
            (!splitsGroup(letters, end) &&
             isLegalOnset(letters.substr(std::size_t(start), std::size_t(vowel - start))));
        boundaries.reset(std::size_t(joinsNext ? end : start));
        start = end;
    }
    return joined;
}

// A boundary in the consonants between two vowel groups of one syllable, before the longest
// legal onset they end in (La-ken, Ab-strich, A-pril, An-ker, Kut-sche), but never inside a
// consonant group (Zu-cker, Stro-phe).
void SchoolSyllables::splitBetweenVowelGroups(std::string_view letters, Boundaries &boundaries)
{
    const int size = int(letters.size());
    const auto vowelAt = [&](int i) { return isVowel(static_cast<unsigned char>(letters[i])); };
    int i = 0;
    while (i < size && !vowelAt(i))
        ++i;
    for (;;) {
        while (i < size && vowelAt(i))
            ++i;
        const int first = i;
        while (i < size && !vowelAt(i))
            ++i;
        if (i == size)
            return;
        bool apartAlready = false;
        for (int k = first; k <= i; ++k)
            apartAlready = apartAlready || boundaries[std::size_t(k)];
        if (apartAlready)
            continue;
        int onset = i - 1;
        while (splitsGroup(letters, onset))
            --onset;
        for (int k = first; k < i; ++k) {
            const std::string_view consonants = letters.substr(std::size_t(k), std::size_t(i - k));
            if (!splitsGroup(letters, k) && isLegalOnset(consonants)) {
                const bool apart = std::find(writtenApart.begin(), writtenApart.end(),
                                             consonants) != writtenApart.end();
                onset = apart ? k + 1 : k;
                break;
            }
        }
        boundaries.set(std::size_t(onset));
    }
}

SchoolSyllables::Boundaries SchoolSyllables::fromPatterns(std::string_view letters,
                                                          Boundaries boundaries)
{
    if (letters.size() > std::size_t(maxLetters))
        return boundaries;
    // Where the patterns visibly failed, they are not trusted to have found every syllable.
    if (joinVowellessPieces(letters, boundaries) || boundaries.none())
        splitBetweenVowelGroups(letters, boundaries);
    std::array<Unit, maxLetters> units;
    const int count = parseUnits(letters, boundaries, units.data());
    addHiatus(units.data(), count, boundaries);
    addOneLetterStarts(units.data(), count, boundaries);
    return boundaries;
}
