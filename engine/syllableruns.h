// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

// What the word field draws for a word: one run of text per syllable, in alternating colours.
struct SyllableRun
{
    QString text;
    int colourSlot = 0; // 0: first syllable colour, 1: second
    friend bool operator==(const SyllableRun &, const SyllableRun &) = default;
};

class SyllableRuns
{
public:
    // The runs of a word, left to right: first a single blank (slot 0; it only moves the word
    // one blank's width from the field's edge), then the pieces between the hyphens; piece k
    // takes slot k % 2. Hyphens are never drawn and empty pieces give no run.
    static QList<SyllableRun> of(const QString &word);

    // The same without the leading blank: the syllables alone, as paper shows them.
    static QList<SyllableRun> syllablesOf(const QString &word);
};
