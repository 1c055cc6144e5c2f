// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>
#include <QTextBoundaryFinder>

#include <memory>

// Walks a text by the characters a reader sees as one: a letter with its combining marks, a
// surrogate pair or CR LF is one character and is never split. Text below U+0300, the bulk of
// every German list, is walked without the boundary finder.
class UserCharacters
{
public:
    // The text must outlive the walker.
    explicit UserCharacters(QStringView text) : m_text(text) {}

    // Where the character that starts at position (0 <= position < size) ends.
    qsizetype endOf(qsizetype position)
    {
        const qsizetype next = position + 1;
        if (next == m_text.size() || standsAlone(m_text[position], m_text[next]))
            return next;
        return endOfCombined(position);
    }

    // True iff c is a character of its own whatever follows it when next follows: below
    // U+0300 no code unit combines with its neighbour, except CR LF, which counts as one.
    static bool standsAlone(QChar c, QChar next)
    {
        return c.unicode() < firstCombining && next.unicode() < firstCombining &&
               !(c == u'\r' && next == u'\n');
    }

    // True iff test(character) holds for every character, left to right; stops at the first
    // that fails.
    template <typename Test> static bool all(QStringView text, Test test)
    {
        UserCharacters walk(text);
        for (qsizetype i = 0; i < text.size();) {
            const qsizetype end = walk.endOf(i);
            if (!test(text.sliced(i, end - i)))
                return false;
            i = end;
        }
        return true;
    }

    // The number of characters, counted up to atMost.
    static qsizetype count(QStringView text, qsizetype atMost);

private:
    static constexpr char16_t firstCombining = 0x300;

    qsizetype endOfCombined(qsizetype position);

    QStringView m_text;
    std::unique_ptr<QTextBoundaryFinder> m_finder; // made at the first character that needs it
};
