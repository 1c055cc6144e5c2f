// SPDX-License-Identifier: GPL-3.0-or-later
#include "soundunits.h"

#include "charactercase.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <optional>

namespace {

constexpr SoundUnits::Set bit(std::size_t index)
{
    return SoundUnits::Set(1) << index;
}

// A character as a letter of a unit: lower-cased, a decomposed ä as ä; 0 when it is none.
struct Letter
{
    char16_t letter = 0;
    qsizetype end = 0; // where the character ends
};

char16_t unitLetter(QStringView character)
{
    QString composed;
    if (character.size() > 1) {
        composed = character.toString().normalized(QString::NormalizationForm_C);
        character = composed;
    }
    if (character.size() != 1)
        return 0;
    const char16_t c = character[0].unicode();
    if (c < 0x80) // the bulk of every list, without a look into the case tables
        return c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c;
    const char32_t lower = QChar::toLower(char32_t(c));
    return lower < 0x100 ? char16_t(lower) : 0;
}

Letter letterAt(QStringView text, qsizetype position, UserCharacters &walk)
{
    if (position >= text.size())
        return {};
    const qsizetype end = walk.endOf(position);
    return {unitLetter(text.sliced(position, end - position)), end};
}

// The places in the table of the units that begin with each letter, in the table's order.
struct Candidates
{
    std::array<std::uint8_t, 4> places{};
    std::size_t count = 0;
};

template <std::size_t size, typename Units>
constexpr std::array<Candidates, size> byFirstLetter(const Units &units)
{
    std::array<Candidates, size> table{};
    for (std::size_t place = 0; place < units.size(); ++place) {
        Candidates &first = table[units[place].letters[0]];
        first.places[first.count++] = std::uint8_t(place);
    }
    return table;
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
    static constexpr std::array<Candidates, latin1> candidatesOf = byFirstLetter<latin1>(units);
    const Letter first = letterAt(text, position, walk);
    const Candidates &candidates = candidatesOf[first.letter];
    if (candidates.count == 0)
        return {0, first.end};
    const bool syllableStart =
        position == 0 || text[position - 1] == u'-' || text[position - 1] == u' ';
    const Letter second = letterAt(text, first.end, walk);
    std::optional<Letter> third;
    for (std::size_t i = 0; i < candidates.count; ++i) {
        const std::size_t place = candidates.places[i];
        const Unit &unit = units[place];
        if ((unit.onlyAtSyllableStart && !syllableStart) || unit.letters[1] != second.letter)
            continue;
        if (unit.letters.size() == 2)
            return {bit(place), second.end};
        if (!third)
            third = letterAt(text, second.end, walk);
        if (unit.letters[2] == third->letter)
            return {bit(place), third->end};
    }
    return {0, first.end};
}
