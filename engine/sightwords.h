// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSet>
#include <QStringList>

// Words a child reads as a whole before their letters were taught (und, ist, der, die …). A
// word is found in any letter case (ß stays ß), composed or decomposed, with or without its
// hyphens and the marks . : ! ? , ; - = at its edges: "Und," and "und" are the same word.
class SightWords
{
public:
    SightWords() = default;
    explicit SightWords(const QStringList &words);

    bool contains(QStringView word) const;

    // The words of a text a teacher typed, one a line or separated by blanks, each once and in
    // the order typed.
    static QStringList fromText(QStringView text);

private:
    static QString key(QStringView word);

    QSet<QString> m_keys;
};
