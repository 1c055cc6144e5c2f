// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCollator>
#include <QLocale>
#include <QStringList>

// The alphabetical order of the word queue: the user's locale collation (for German, ä sorts
// with a), letter case ignored, hyphens (the syllable marks) without weight, the empty entry
// first. Entries that compare equal keep their order.
class AlphabeticalOrder
{
public:
    explicit AlphabeticalOrder(const QLocale &locale = QLocale());

    void sort(QStringList &entries) const;

private:
    static QString withoutHyphens(const QString &entry);
    QCollator m_collator;
};
