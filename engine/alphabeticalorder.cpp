// SPDX-License-Identifier: GPL-3.0-or-later
#include "alphabeticalorder.h"

#include <algorithm>
#include <vector>

namespace {

// Qt compares code points in the C locale; a user who set no language still expects ä with a,
// which the root collation gives (English has no tailoring of it).
QLocale collationLocale(const QLocale &locale)
{
    return locale.language() == QLocale::C ? QLocale(QLocale::English) : locale;
}

} // namespace

AlphabeticalOrder::AlphabeticalOrder(const QLocale &locale) : m_collator(collationLocale(locale))
{
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
    m_collator.setNumericMode(false);
    m_collator.setIgnorePunctuation(false);
}

QString AlphabeticalOrder::withoutHyphens(const QString &entry)
{
    if (!entry.contains(u'-'))
        return entry;
    QString stripped = entry;
    stripped.remove(u'-');
    return stripped;
}

void AlphabeticalOrder::sort(QStringList &entries) const
{
    // One collation key per entry: comparing keys is a memcmp, far cheaper than collating
    // the strings again at every comparison.
    struct Keyed
    {
        QCollatorSortKey key;
        qsizetype index;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(entries.size());
    for (qsizetype i = 0; i < entries.size(); ++i)
        keyed.push_back({m_collator.sortKey(withoutHyphens(entries[i])), i});

    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const Keyed &a, const Keyed &b) { return a.key.compare(b.key) < 0; });

    QStringList sorted;
    sorted.reserve(entries.size());
    for (const Keyed &k : keyed)
        sorted.append(entries[k.index]);
    entries.swap(sorted);
}
