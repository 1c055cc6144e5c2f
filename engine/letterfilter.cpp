// SPDX-License-Identifier: GPL-3.0-or-later
#include "letterfilter.h"

#include "charactercase.h"
#include "usercharacters.h"

namespace {

const QString alwaysAllowed = QStringLiteral("0123456789.:!?,;-=");

} // namespace

LetterFilter::LetterFilter(QStringView letterSequence) : LetterFilter(letterSequence, Rules{})
{}

LetterFilter::LetterFilter(QStringView letterSequence, const Rules &rules)
    : m_soundUnits(rules.soundUnits), m_sightWords(rules.sightWords),
      m_hasSightWords(!rules.sightWords.isEmpty())
{
    // With sound units, the parts naming units give no letters: knowing ei is not knowing e.
    QString letters;
    if (m_soundUnits) {
        SoundUnits::Sequence split = SoundUnits::split(letterSequence);
        letters = std::move(split.letters);
        m_knownUnits = split.units;
        letterSequence = letters;
    }
    // One string, as joined: a combining mark at the start of a part belongs to the character
    // before it.
    allow(letterSequence.toString() + CharacterCase::upper(letterSequence) + alwaysAllowed);
    for (char16_t c = 0; c < m_latin1Upper.size(); ++c)
        m_latin1Upper[c] = (*m_single)[QChar::toUpper(c)];
}

void LetterFilter::allow(QStringView allowedText)
{
    UserCharacters::all(allowedText, [this](QStringView character) {
        if (character.size() == 1)
            m_single->set(character[0].unicode());
        else
            m_clusters.insert(character.toString());
        return true;
    });
}

bool LetterFilter::allowsCluster(QStringView cluster) const
{
    return m_clusters.contains(cluster.toString());
}

bool LetterFilter::allowsAsRead(QStringView character) const
{
    return character.size() == 1 ? (*m_single)[character[0].unicode()] : allowsCluster(character);
}

bool LetterFilter::allowsUpperCased(QStringView character) const
{
    if (character.size() > 1)
        return allowsCluster(CharacterCase::upper(character));
    const char16_t c = character[0].unicode();
    if (c < m_latin1Upper.size())
        return m_latin1Upper[c];
    // A lone surrogate has no case; QChar::toUpper leaves it as it is.
    return (*m_single)[QChar::toUpper(c)];
}

template <typename Allows> bool LetterFilter::readable(QStringView text, Allows allows) const
{
    if (!m_soundUnits)
        return UserCharacters::all(text, allows);
    // From the left, the longest unit that starts at each place, else one character.
    UserCharacters walk(text);
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype end = walk.endOf(i);
        const SoundUnits::Found found = end > i + 1 || SoundUnits::mayStartAt(text, i)
                                            ? SoundUnits::at(text, i, walk)
                                            : SoundUnits::Found{0, end};
        if (found.unit != 0 ? (m_knownUnits & found.unit) == 0
                            : !allows(text.sliced(i, found.end - i)))
            return false;
        i = found.end;
    }
    return true;
}

bool LetterFilter::passes(QStringView text) const
{
    const auto asRead = [this](QStringView c) { return allowsAsRead(c); };
    return readable(text, asRead) || (m_hasSightWords && m_sightWords.contains(text));
}

bool LetterFilter::passesUpperCased(QStringView text) const
{
    const auto upperCased = [this](QStringView c) { return allowsUpperCased(c); };
    if (!m_hasSightWords)
        return readable(text, upperCased);
    if (!text.contains(u' '))
        return readable(text, upperCased) || m_sightWords.contains(text);
    if (!allowsUpperCased(u" "))
        return false;
    for (const QStringView word : text.tokenize(u' ', Qt::SkipEmptyParts)) {
        if (!readable(word, upperCased) && !m_sightWords.contains(word))
            return false;
    }
    return true;
}

void LetterFilter::appendPassing(const QString &line, QStringList &queue) const
{
    const QStringView view(line);
    const bool hasBlank = view.contains(u' ');
    if (hasBlank) {
        // Words are separated by blanks only; empty words (blanks in a row, at either end)
        // never reach the queue.
        for (const QStringView word : view.tokenize(u' ', Qt::SkipEmptyParts)) {
            if (passes(word))
                queue.append(word.toString());
        }
    }
    if (passesUpperCased(view))
        queue.append(line);
}
