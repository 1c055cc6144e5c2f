// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCollator>
#include <QLocale>
#include <QStringList>

#include <vector>

// The alphabetical order of the word queue: the user's locale collation (for German, ä sorts
// with a), letter case ignored, hyphens (the syllable marks) without weight, the empty entry
// first. Entries that compare equal keep their order.
class AlphabeticalOrder
{
public:
    explicit AlphabeticalOrder(const QLocale &locale = QLocale());

    // Opens the collation of the user's locale on a thread of its own, so that the first sort
    // finds its data loaded. Needs no application object; further calls do nothing.
    static void prepareCollation();

    void sort(QStringList &entries) const;

    // Where each entry goes: the sorted list is entries[order[0]], entries[order[1]], ...
    std::vector<qsizetype> order(const QStringList &entries) const;
    // Puts the entries in an order that order() gave for entries equal to them.
    static void arrange(QStringList &entries, const std::vector<qsizetype> &order);

private:
    // The entry itself when it has no hyphen, else the buffer filled with it without them.
    static const QString &withoutHyphens(const QString &entry, QString &buffer);
    QCollator m_collator;
};
