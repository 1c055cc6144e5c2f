// SPDX-License-Identifier: GPL-3.0-or-later
#include "alphabeticalorder.h"

#include <algorithm>
#include <future>
#include <mutex>
#include <numeric>

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

void AlphabeticalOrder::prepareCollation()
{
    // The program's exit waits for it, which takes milliseconds, as the static goes.
    static std::future<void> opening;
    static std::once_flag once;
    std::call_once(once, [] {
        opening = std::async(std::launch::async,
                             [] { AlphabeticalOrder().order({QStringLiteral("a")}); });
    });
}

const QString &AlphabeticalOrder::withoutHyphens(const QString &entry, QString &buffer)
{
    if (!entry.contains(u'-'))
        return entry;
    buffer.resize(entry.size()); // keeps its capacity: no allocation once it is large enough
    QChar *out = buffer.data();
    for (const QChar c : entry) {
        if (c != u'-')
            *out++ = c;
    }
    buffer.resize(out - buffer.constData());
    return buffer;
}

void AlphabeticalOrder::sort(QStringList &entries) const
{
    arrange(entries, order(entries));
}

std::vector<qsizetype> AlphabeticalOrder::order(const QStringList &entries) const
{
    // One collation key per entry, each made from the same reused buffer: comparing keys is a
    // byte comparison, far cheaper than collating the strings again at every comparison. The
    // keys stay where they are made and the sort moves only their positions, since copying a
    // key (it cannot be moved) touches its shared counter.
    std::vector<QCollatorSortKey> keys;
    keys.reserve(entries.size());
    QString buffer;
    for (const QString &entry : entries)
        keys.push_back(m_collator.sortKey(withoutHyphens(entry, buffer)));

    std::vector<qsizetype> positions(keys.size());
    std::iota(positions.begin(), positions.end(), qsizetype(0));
    std::stable_sort(positions.begin(), positions.end(),
                     [&keys](qsizetype a, qsizetype b) { return keys[a].compare(keys[b]) < 0; });
    return positions;
}

void AlphabeticalOrder::arrange(QStringList &entries, const std::vector<qsizetype> &order)
{
    Q_ASSERT(qsizetype(order.size()) == entries.size());
    QStringList arranged;
    arranged.reserve(entries.size());
    for (const qsizetype position : order)
        arranged.append(std::move(entries[position]));
    entries.swap(arranged);
}
