// SPDX-License-Identifier: GPL-3.0-or-later
// Reads arbitrary bytes as a cache of built patterns, sealed with the checksum a cache file holds
// after its header, so that the checks behind the checksum are reached. Whatever the bytes, they
// are refused, or the patterns rebuilt from them are written back to the same bytes and mark any
// word without reading or writing out of bounds, searching for ever, or changing more than hyphens.
//
// The seeds in fuzz/corpus/cachedpatterns are caches of small patterns files. After a change of the
// format, TRABELO_WRITE_SEEDS=FOLDER fuzz_cachedpatterns writes them anew into FOLDER.

#include "cachedpatterns.h"
#include "keptpatterns.h"
#include "syllablemarker.h"

#include <QDebug>
#include <QFile>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

const CachedPatterns::Key key{QStringLiteral("/fuzz/muster.dic"), 100, 200,
                              CachedPatterns::checksum("muster")};

void fail(const char *property, const QString &word = {})
{
    qWarning() << property << word;
    std::abort();
}

// Up to the longest word marked, of German and other letters, from the input's last bytes.
QString wordFrom(QByteArrayView bytes)
{
    static const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyzßäöüéèàçñ");
    QString word;
    for (const char c : bytes.last(qMin(bytes.size(), qsizetype(100))))
        word += letters[quint8(c) % letters.size()];
    return word;
}

void checkWord(const SyllableMarker &marker, const QString &word)
{
    if (marker.markWord(word).remove(u'-') != word)
        fail("marking changed more than hyphens", word);
}

// The states one word's marking walks through, taken from the bytes whatever they are:
// refused, or marking the word without a crash; where the whole automaton is sound too,
// marking it exactly as that does.
void checkStatesFor(const KeptPatterns *kept, const QString &word, const SyllableMarker *whole)
{
    if (!kept)
        return;
    const auto forWord = SyllableMarker::fromCache(kept->statesFor({word.toLower().toLatin1()}));
    if (!forWord)
        return;
    checkWord(*forWord, word);
    if (whole && forWord->markWord(word) != whole->markWord(word))
        fail("the states for a word mark it otherwise than the whole automaton", word);
}

void writeSeeds(const QString &folder)
{
    const std::pair<const char *, QByteArray> seeds[] = {
        {"default-second-level", "ISO8859-1\ns1t\nu1ck\n"},
        {"two-levels", "ISO8859-1\nCOMPOUNDLEFTHYPHENMIN 2\nNOHYPHEN -,'\n.ab1c\nau1e\n"
                       "NEXTLEVEL\nLEFTHYPHENMIN 2\na1b\n.e1r\n1ba\nch1\n4t1s\nn1st\n"},
        {"german-like", "ISO8859-1\n.haus1t\n.see1u\nNEXTLEVEL\n1ba\n1be\n1bi\n1bo\n1da\n"
                        "1de\n.ei1n\n.er3a\n.ge1\n2ck\n1cke\n4sch\n1sche\ns1t\nu1ck\nä1u\n"
                        "ie1\n2ß1\n1ße\nt1z\n.zu1\n"},
    };
    for (const auto &[name, patterns] : seeds) {
        QByteArray text = patterns;
        std::FILE *file = fmemopen(text.data(), std::size_t(text.size()), "r");
        HyphenDict *dict = hnj_hyphen_load_file(file);
        std::fclose(file);
        QFile seed(folder + u'/' + QLatin1StringView(name));
        const QByteArray bytes = CachedPatterns::write(key, *dict);
        if (!seed.open(QIODevice::WriteOnly) || seed.write(bytes) != bytes.size())
            fail("cannot write a seed");
        hnj_hyphen_free(dict);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    if (const QString folder = qEnvironmentVariable("TRABELO_WRITE_SEEDS"); !folder.isEmpty()) {
        writeSeeds(folder);
        std::exit(0);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView body(reinterpret_cast<const char *>(data), qsizetype(size));
    const QByteArray bytes = CachedPatterns::sealed(body.toByteArray());
    const std::unique_ptr<KeptPatterns> kept = KeptPatterns::fromBytes(bytes, key);
    const QString word = wordFrom(body);
    std::unique_ptr<CachedPatterns> cached = CachedPatterns::read(bytes, key);
    if (!cached) {
        checkStatesFor(kept.get(), word, nullptr);
        return 0;
    }
    if (CachedPatterns::write(key, *cached->dict()) != bytes)
        fail("the patterns rebuilt are written back differently");
    const auto marker = SyllableMarker::fromCache(std::move(cached));
    for (const char16_t *known : {u"Fenster", u"Zuckerahorn", u"Oma", u"a", u"Ei", u"Schifffahrt",
                                  u"Taschenlampe", u"Übungsheft", u"Straße"}) {
        checkWord(*marker, QString::fromUtf16(known));
        checkStatesFor(kept.get(), QString::fromUtf16(known), marker.get());
    }
    checkWord(*marker, word);
    checkStatesFor(kept.get(), word, marker.get());
    return 0;
}
