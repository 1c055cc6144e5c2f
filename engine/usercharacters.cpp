// SPDX-License-Identifier: GPL-3.0-or-later
#include "usercharacters.h"

#include <algorithm>

qsizetype UserCharacters::endOfCombined(qsizetype position)
{
    const qsizetype next = position + 1;
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
