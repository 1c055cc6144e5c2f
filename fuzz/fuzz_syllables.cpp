// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes, decoded as a word list is, through the syllable marker and checks what
// must hold for every word: marking only inserts hyphens, marking the unmarked form of a marked
// word gives it back, every syllable it marks holds a vowel, and a word of ISO-8859-1 letters
// with two or more vowel groups is always marked. Entries are checked too: one with a hyphen
// comes back as written, any other is its words marked one by one.

#include "schoolsyllables.h"
#include "syllablemarker.h"
#include "textcodec.h"

#include <QDebug>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

std::shared_ptr<const SyllableMarker> marker;

// Vowel letters as a reader sees them, y included, in either case.
bool isVowel(QChar c)
{
    static const QString vowels = QStringLiteral("aeiouyàáâãäåæèéêëìíîïòóôõöøùúûüýÿ");
    return vowels.contains(c.toLower());
}

bool hasVowel(QStringView piece)
{
    return std::any_of(piece.begin(), piece.end(), isVowel);
}

// Letters only, each within ISO-8859-1, and no longer than any word the marker takes.
bool isMarkable(QStringView word)
{
    return word.size() <= SchoolSyllables::maxLetters &&
           std::all_of(word.begin(), word.end(),
                       [](QChar c) { return c.isLetter() && c.unicode() < 0x100; });
}

int vowelGroups(QStringView word)
{
    int groups = 0;
    for (qsizetype i = 0; i < word.size(); ++i)
        groups += isVowel(word[i]) && (i == 0 || !isVowel(word[i - 1]));
    return groups;
}

void fail(const char *property, const QString &input, const QString &marked)
{
    qWarning() << property << "input" << input << "marked" << marked;
    std::abort();
}

void checkWord(const QString &word)
{
    const QString marked = marker->markWord(word);
    if (QString(marked).remove(u'-') != word)
        fail("marking changed more than hyphens", word, marked);
    if (marker->markWord(QString(marked).remove(u'-')) != marked)
        fail("the unmarked form marks differently", word, marked);
    if (marked == word) {
        if (isMarkable(word) && vowelGroups(word) >= 2)
            fail("a word of several vowel groups left whole", word, marked);
        return;
    }
    for (const QStringView piece : QStringView(marked).tokenize(u'-')) {
        if (!hasVowel(piece))
            fail("a syllable without a vowel", word, marked);
    }
}

void checkEntry(const QString &entry)
{
    const QString marked = marker->markEntry(entry);
    if (entry.contains(u'-')) {
        if (marked != entry)
            fail("an entry with a hyphen changed", entry, marked);
        return;
    }
    QStringList words = entry.split(u' ');
    for (QString &word : words)
        word = marker->markWord(word);
    if (marked != words.join(u' '))
        fail("an entry is not its words marked", entry, marked);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    const SyllableMarker::Loaded loaded =
        SyllableMarker::load(SyllableMarker::defaultPatternsPath());
    if (!loaded.marker)
        qFatal("%s", qPrintable(loaded.error));
    marker = loaded.marker;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView input(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString text = TextCodec::decode(input);
    for (const QString &line : TextCodec::splitLines(text)) {
        checkEntry(line);
        for (const QString &word : QString(line).remove(u'-').split(u' ', Qt::SkipEmptyParts))
            checkWord(word);
    }
    return 0;
}
