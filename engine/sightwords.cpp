// SPDX-License-Identifier: GPL-3.0-or-later
#include "sightwords.h"

#include "charactercase.h"

#include <algorithm>

namespace {

// Below U+0300 every text is already in its composed form.
bool mayCompose(QStringView text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x300; });
}

// The marks that always pass.
bool isEdgeMark(QChar c)
{
    return QStringView(u".:!?,;-=").contains(c);
}

} // namespace

SightWords::SightWords(const QStringList &words)
{
    for (const QString &word : words) {
        const QString k = key(word);
        if (!k.isEmpty())
            m_keys.insert(k);
    }
}

bool SightWords::contains(QStringView word) const
{
    return !m_keys.isEmpty() && m_keys.contains(key(word));
}

QString SightWords::key(QStringView word)
{
    // Marks and hyphens at the edges go; then the hyphens inside.
    qsizetype first = 0, last = word.size();
    while (first < last && isEdgeMark(word[first]))
        ++first;
    while (last > first && isEdgeMark(word[last - 1]))
        --last;
    QString bare;
    bare.reserve(last - first);
    for (const QChar c : word.sliced(first, last - first)) {
        if (c != u'-')
            bare.append(c);
    }
    if (mayCompose(bare))
        bare = bare.normalized(QString::NormalizationForm_C);
    return CharacterCase::lower(bare);
}

QStringList SightWords::fromText(QStringView text)
{
    QStringList words;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !text[i].isSpace())
            continue;
        if (i > start)
            words << text.sliced(start, i - start).toString();
        start = i + 1;
    }
    words.removeDuplicates();
    return words;
}
