// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes through the word-list reader and the letter filter and compares the
// queue with a deliberately plain reference filter written from the rules, character by
// character with no shortcuts. Input: the letter sequence (UTF-8) up to the first NUL byte,
// then the bytes of the word-list file.

#include "charactercase.h"
#include "letterfilter.h"
#include "textcodec.h"

#include <QDebug>
#include <QSet>
#include <QStringList>
#include <QTextBoundaryFinder>

#include <cstdint>
#include <cstdlib>

namespace {

QStringList characters(const QString &text)
{
    QStringList out;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype start = 0;
    for (qsizetype end = finder.toNextBoundary(); end > 0; end = finder.toNextBoundary()) {
        out << text.mid(start, end - start);
        start = end;
    }
    return out;
}

// The file's lines: each ends at CR or CR LF; a final terminator starts no further line.
QStringList referenceLines(const QString &text)
{
    QStringList lines;
    QString line;
    bool open = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r') {
            lines << line;
            line.clear();
            open = false;
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
        } else {
            line += text[i];
            open = true;
        }
    }
    if (open)
        lines << line;
    return lines;
}

struct ReferenceFilter
{
    QSet<QString> allowed;

    explicit ReferenceFilter(const QString &sequence)
    {
        const QString all =
            sequence + CharacterCase::upper(sequence) + QStringLiteral("0123456789.:!?,;-=");
        for (const QString &c : characters(all))
            allowed.insert(c);
    }

    bool passes(const QString &text, bool upperCased) const
    {
        for (const QString &c : characters(text)) {
            if (!allowed.contains(upperCased ? CharacterCase::upper(c) : c))
                return false;
        }
        return true;
    }

    QStringList filter(const QStringList &lines) const
    {
        QStringList queue;
        for (const QString &line : lines) {
            if (line.contains(u' ')) {
                for (const QString &word : line.split(u' ')) {
                    if (!word.isEmpty() && passes(word, false))
                        queue << word;
                }
            }
            if (passes(line, true))
                queue << line;
        }
        return queue;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView input(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype split = input.indexOf('\0');
    const QString sequence = QString::fromUtf8(split < 0 ? input : input.first(split)).left(64);
    const QByteArrayView file = split < 0 ? QByteArrayView() : input.sliced(split + 1);

    const QString text = TextCodec::decode(file);
    const QStringList lines = TextCodec::splitLines(text);
    if (lines != referenceLines(text))
        std::abort();

    const LetterFilter filter(sequence);
    QStringList queue;
    for (const QString &line : lines)
        filter.appendPassing(line, queue);
    const QStringList expected = ReferenceFilter(sequence).filter(lines);
    if (queue != expected) {
        qWarning() << "sequence" << sequence << "queued" << queue << "expected" << expected;
        std::abort();
    }
    return 0;
}
