#include "letterfilter.h"

#include "charactercase.h"

#include <QTextBoundaryFinder>

namespace {

const QString alwaysAllowed = QStringLiteral("0123456789.:!?,;-=");

// Below U+0300 no code unit combines with its neighbour, so each one is a character of its own,
// except CR LF, which counts as one.
constexpr char16_t firstCombining = 0x300;

bool standsAlone(QChar c, QChar next)
{
    return c.unicode() < firstCombining && next.unicode() < firstCombining &&
           !(c == u'\r' && next == u'\n');
}

// Where the character that starts at position i ends.
qsizetype clusterEnd(QStringView text, qsizetype i, std::unique_ptr<QTextBoundaryFinder> &finder)
{
    const qsizetype next = i + 1;
    if (next == text.size() || standsAlone(text[i], text[next]))
        return next;
    if (!finder)
        finder = std::make_unique<QTextBoundaryFinder>(QTextBoundaryFinder::Grapheme, text.data(),
                                                       text.size());
    finder->setPosition(i);
    const qsizetype end = finder->toNextBoundary();
    return end > i ? end : next;
}

} // namespace

LetterFilter::LetterFilter(QStringView letterSequence)
{
    // One string, as joined: a combining mark at the start of a part belongs to the character
    // before it.
    allow(letterSequence.toString() + CharacterCase::upper(letterSequence) + alwaysAllowed);
    for (char16_t c = 0; c < m_latin1Upper.size(); ++c)
        m_latin1Upper[c] = (*m_single)[QChar::toUpper(c)];
}

void LetterFilter::allow(QStringView allowedText)
{
    std::unique_ptr<QTextBoundaryFinder> finder;
    for (qsizetype i = 0; i < allowedText.size();) {
        const qsizetype end = clusterEnd(allowedText, i, finder);
        if (end - i == 1)
            m_single->set(allowedText[i].unicode());
        else
            m_clusters.insert(allowedText.mid(i, end - i).toString());
        i = end;
    }
}

template <typename Test> bool LetterFilter::everyCharacter(QStringView text, Test test) const
{
    std::unique_ptr<QTextBoundaryFinder> finder;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype end = clusterEnd(text, i, finder);
        if (!test(text.mid(i, end - i)))
            return false;
        i = end;
    }
    return true;
}

bool LetterFilter::allowsCluster(QStringView cluster) const
{
    return m_clusters.contains(cluster.toString());
}

bool LetterFilter::passes(QStringView text) const
{
    return everyCharacter(text, [this](QStringView cluster) -> bool {
        return cluster.size() == 1 ? (*m_single)[cluster[0].unicode()] : allowsCluster(cluster);
    });
}

bool LetterFilter::passesUpperCased(QStringView text) const
{
    return everyCharacter(text, [this](QStringView cluster) -> bool {
        if (cluster.size() > 1)
            return allowsCluster(CharacterCase::upper(cluster));
        const char16_t c = cluster[0].unicode();
        if (c < m_latin1Upper.size())
            return m_latin1Upper[c];
        // A lone surrogate has no case; QChar::toUpper leaves it as it is.
        return (*m_single)[QChar::toUpper(c)];
    });
}

void LetterFilter::appendPassing(const QString &line, QStringList &queue) const
{
    const QStringView view(line);
    const bool hasBlank = view.contains(u' ');
    if (hasBlank) {
        // Words are separated by blanks only; empty words (blanks in a row, at either end)
        // never reach the queue.
        for (const QStringView word : view.tokenize(u' ', Qt::SkipEmptyParts)) {
            if (passes(word))
                queue.append(word.toString());
        }
    }
    if (passesUpperCased(view))
        queue.append(line);
}
