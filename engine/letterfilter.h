// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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
    explicit LetterFilter(QStringView letterSequence);

    // True iff every character of the text, as read, is in the allowed set (the piece test).
    bool passes(QStringView text) const;

    // True iff every character of the upper-cased text is in the allowed set (the line test).
    bool passesUpperCased(QStringView text) const;

    // Appends what one line of a word list gives to the queue: its blank-separated words that
    // pass as read, left to right, then the whole line if it passes upper-cased.
    void appendPassing(const QString &line, QStringList &queue) const;

private:
    bool allowsCluster(QStringView cluster) const;
    void allow(QStringView allowedText);

    // Characters of a single UTF-16 code unit, by code unit.
    std::unique_ptr<std::bitset<0x10000>> m_single = std::make_unique<std::bitset<0x10000>>();
    // The line test's answer for the first 256 code units, the bulk of every German list.
    std::bitset<0x100> m_latin1Upper;
    // Characters that take more than one code unit (surrogate pairs, combining sequences).
    QSet<QString> m_clusters;
};
