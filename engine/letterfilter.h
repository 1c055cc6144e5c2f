// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sightwords.h"
#include "soundunits.h"

#include <QSet>
#include <QStringList>

#include <bitset>
#include <memory>

// Decides which entries of a word list a learner may see: those made only of the letters of
// the letter sequence (in the case entered and upper-cased), the digits and . : ! ? , ; - =.
//
// A character is what the reader sees as one: a base letter with its combining marks, or a
// surrogate pair, is looked up as a whole and never split.
class LetterFilter
{
public:
    // What a teacher may switch on beyond the letters; with both off the filter is the plain
    // one above.
    struct Rules
    {
        // The sequence names sound units between commas (m,a,i,l,o,ei), and a word passes only
        // as the units and letters the child knows (SoundUnits): its built-in units must be
        // named, its other characters allowed by the parts that name no unit.
        bool soundUnits = false;
        // Words that pass whatever the sequence (SightWords); none while empty.
        QStringList sightWords{};

        friend bool operator==(const Rules &, const Rules &) = default;
    };

    explicit LetterFilter(QStringView letterSequence);
    LetterFilter(QStringView letterSequence, const Rules &rules);

    // True iff the text passes with its characters as read (the piece test).
    bool passes(QStringView text) const;

    // True iff the text passes upper-cased (the line test). A text with blanks passes with the
    // sight words only where the sequence allows the blank, each of its words by either rule.
    bool passesUpperCased(QStringView text) const;

    // Appends what one line of a word list gives to the queue: its blank-separated words that
    // pass as read, left to right, then the whole line if it passes upper-cased.
    void appendPassing(const QString &line, QStringList &queue) const;

private:
    bool allowsAsRead(QStringView character) const;
    bool allowsUpperCased(QStringView character) const;
    bool allowsCluster(QStringView cluster) const;
    void allow(QStringView allowedText);
    // True iff the text reads as allowed characters and, with sound units, known units.
    template <typename Allows> bool readable(QStringView text, Allows allows) const;

    // Characters of a single UTF-16 code unit, by code unit.
    std::unique_ptr<std::bitset<0x10000>> m_single = std::make_unique<std::bitset<0x10000>>();
    // The line test's answer for the first 256 code units, the bulk of every German list.
    std::bitset<0x100> m_latin1Upper;
    // Characters that take more than one code unit (surrogate pairs, combining sequences).
    QSet<QString> m_clusters;

    bool m_soundUnits = false;
    SoundUnits::Set m_knownUnits = 0;
    SightWords m_sightWords;
    bool m_hasSightWords = false;
};
