// SPDX-License-Identifier: GPL-3.0-or-later
#include "soundunits.h"

#include "charactercase.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <iterator>

namespace {

struct Unit
{
    std::u16string_view letters; // lower case
    bool onlyAtSyllableStart = false;
};

// Longer units first: at each place the longest one that starts there is taken (sch, not ch).
constexpr std::array<Unit, 16> units = {{
    {u"sch"},
    {u"chs"},
    {u"ch"},
    {u"ck"},
    {u"ei"},
    {u"ai"},
    {u"au"},
    {u"eu"},
    {u"äu"},
    {u"ie"},
    {u"qu"},
    {u"pf"},
    {u"tz"},
    {u"ph"},
    {u"sp", true},
    {u"st", true},
}};
constexpr std::size_t longestUnit = 3;

constexpr SoundUnits::Set bit(std::size_t index)
{
    return SoundUnits::Set(1) << index;
}

// What a character is as a letter of a unit: itself lower-cased, a decomposed ä as ä; 0 for
// a character that cannot be one.
char16_t unitLetter(QStringView character)
{
    QString composed;
    if (character.size() > 1) {
        composed = character.toString().normalized(QString::NormalizationForm_C);
        character = composed;
    }
    if (character.size() != 1)
        return 0;
    const char32_t lower = QChar::toLower(char32_t(character[0].unicode()));
    return lower <= 0xff ? char16_t(lower) : 0;
}

// A quick no for most characters, from the units' first letters.
bool mayStartUnit(QChar c)
{
    static const std::bitset<0x100> starts = [] {
        std::bitset<0x100> first;
        for (const Unit &unit : units) {
            first.set(unit.letters[0]);
            first.set(QChar::toUpper(char32_t(unit.letters[0])));
        }
        return first;
    }();
    return c.unicode() < starts.size() && starts[c.unicode()];
}

} // namespace

SoundUnits::Sequence SoundUnits::split(QStringView sequence)
{
    Sequence split;
    QStringList letterParts;
    for (const QStringView part : sequence.tokenize(u',')) {
        const QString bare = CharacterCase::lower(
            part.toString().remove(u' ').normalized(QString::NormalizationForm_C));
        const auto unit = std::find_if(units.begin(), units.end(), [&](const Unit &u) {
            return QStringView(bare) == u.letters;
        });
        if (unit == units.end())
            letterParts << part.toString();
        else
            split.units |= bit(std::size_t(std::distance(units.begin(), unit)));
    }
    split.letters = letterParts.join(u',');
    return split;
}

SoundUnits::Found SoundUnits::at(QStringView text, qsizetype position, UserCharacters &walk)
{
    if (!mayStartUnit(text[position]))
        return {};
    std::array<char16_t, longestUnit> letters{};
    std::array<qsizetype, longestUnit> ends{};
    std::size_t count = 0;
    for (qsizetype i = position; count < longestUnit && i < text.size(); ++count) {
        ends[count] = walk.endOf(i);
        letters[count] = unitLetter(text.sliced(i, ends[count] - i));
        i = ends[count];
    }
    const bool syllableStart =
        position == 0 || text[position - 1] == u'-' || text[position - 1] == u' ';
    for (std::size_t index = 0; index < units.size(); ++index) {
        const Unit &unit = units[index];
        const std::size_t length = unit.letters.size();
        if (length > count || (unit.onlyAtSyllableStart && !syllableStart))
            continue;
        if (std::equal(unit.letters.begin(), unit.letters.end(), letters.begin()))
            return {bit(index), ends[length - 1]};
    }
    return {};
}
