// SPDX-License-Identifier: GPL-3.0-or-later
#include "letterfilter.h"

#include "charactercase.h"
#include "usercharacters.h"

namespace {

const QString alwaysAllowed = QStringLiteral("0123456789.:!?,;-=");

} // namespace

LetterFilter::LetterFilter(QStringView letterSequence)
{
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

bool LetterFilter::passes(QStringView text) const
{
    return UserCharacters::all(text, [this](QStringView cluster) -> bool {
        return cluster.size() == 1 ? (*m_single)[cluster[0].unicode()] : allowsCluster(cluster);
    });
}

bool LetterFilter::passesUpperCased(QStringView text) const
{
    return UserCharacters::all(text, [this](QStringView cluster) -> bool {
        if (cluster.size() > 1)
            return allowsCluster(CharacterCase::upper(cluster));
        const char16_t c = cluster[0].unicode();
        if (c < m_latin1Upper.size())
            return m_latin1Upper[c];
        // A lone surrogate has no case; QChar::toUpper leaves it as it is.
        return (*m_single)[QChar::toUpper(c)];
    });
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
