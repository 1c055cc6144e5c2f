// SPDX-License-Identifier: GPL-3.0-or-later
#include "usercharacters.h"

#include <algorithm>

namespace {

// Below U+0300 no code unit combines with its neighbour, so each one is a character of its own,
// except CR LF, which counts as one.
constexpr char16_t firstCombining = 0x300;

bool standsAlone(QChar c, QChar next)
{
    return c.unicode() < firstCombining && next.unicode() < firstCombining &&
           !(c == u'\r' && next == u'\n');
}

} // namespace

qsizetype UserCharacters::endOf(qsizetype position)
{
    const qsizetype next = position + 1;
    if (next == m_text.size() || standsAlone(m_text[position], m_text[next]))
        return next;
    if (!m_finder)
        m_finder = std::make_unique<QTextBoundaryFinder>(QTextBoundaryFinder::Grapheme,
                                                         m_text.data(), m_text.size());
    m_finder->setPosition(position);
    const qsizetype end = m_finder->toNextBoundary();
    return end > position ? end : next;
}

qsizetype UserCharacters::count(QStringView text, qsizetype atMost)
{
    qsizetype seen = 0;
    all(text, [&](QStringView) { return ++seen < atMost; });
    return std::min(seen, atMost);
}
