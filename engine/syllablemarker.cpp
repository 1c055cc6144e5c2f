// SPDX-License-Identifier: GPL-3.0-or-later
#include "syllablemarker.h"

#include "cachedpatterns.h"
#include "keptpatterns.h"
#include "texts.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStandardPaths>

#include <hyphen.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// The patterns are made for outer syllables of at least two letters; the one-letter ones come
// from SchoolSyllables, which knows when they are right (O-ma, but not a-ben-d).
constexpr char outerMinimum = 2;

// The German file has about a megabyte; anything far larger is not a patterns file.
constexpr qint64 maxPatternsFileSize = 32 * 1024 * 1024;

// The library reads a line into MAX_CHARS bytes, line end and terminating zero included.
constexpr qsizetype maxLineLength = MAX_CHARS - 2;

const QByteArray latin1Charset = QByteArrayLiteral("ISO8859-1");

bool isPatternLetter(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 0xDF && c != 0xF7) || c == '\'' || c == '-';
}

// Letters and digits; a dot, which stands for the edge of the word, only at either end.
// Digits outside the dots would make the library write before its buffer.
bool isPattern(QByteArrayView line)
{
    bool hasLetter = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const auto c = static_cast<unsigned char>(line[i]);
        if (c == '.') {
            if (i != 0 && i != line.size() - 1)
                return false;
        } else if (isPatternLetter(c)) {
            hasLetter = true;
        } else if (c < '0' || c > '9') {
            return false;
        }
    }
    return hasLetter && line.size() <= maxLineLength;
}

bool isNumberSetting(QByteArrayView line)
{
    for (const char *name :
         {"LEFTHYPHENMIN", "RIGHTHYPHENMIN", "COMPOUNDLEFTHYPHENMIN", "COMPOUNDRIGHTHYPHENMIN"}) {
        if (!line.startsWith(name))
            continue;
        const QByteArray value = line.sliced(qsizetype(std::strlen(name))).toByteArray();
        bool ok = false;
        const int number = value.trimmed().toInt(&ok);
        return !value.isEmpty() && (value[0] == ' ' || value[0] == '\t') && ok && number >= 0 &&
               number <= 9;
    }
    return false;
}

// NOHYPHEN and a comma-separated list of character sequences; an empty one would make the
// library search for the empty string and write before its buffer.
bool isNoHyphenSetting(QByteArrayView line)
{
    constexpr QByteArrayView keyword("NOHYPHEN");
    if (!line.startsWith(keyword) || line.size() <= keyword.size() + 1)
        return false;
    if (line[keyword.size()] != ' ' && line[keyword.size()] != '\t')
        return false;
    const QByteArray list = line.sliced(keyword.size()).toByteArray().trimmed();
    if (list.isEmpty() || line.size() > maxLineLength)
        return false;
    for (const QByteArray &item : list.split(',')) {
        if (item.isEmpty() || item.contains(' ') || item.contains('\t'))
            return false;
    }
    return true;
}

// What identifies a line within its level: a pattern's letters, a setting's name.
QByteArray lineKey(const QByteArray &line, bool pattern)
{
    if (!pattern) {
        qsizetype end = 0;
        while (end < line.size() && line[end] != ' ' && line[end] != '\t')
            ++end;
        return line.left(end);
    }
    QByteArray letters;
    for (const char c : line) {
        if (c < '0' || c > '9')
            letters += c;
    }
    return letters;
}

// Checks a patterns file line by line and gives it back without comments and blank lines,
// every line ending in LF. False when it is not an ISO-8859-1 patterns file this reader trusts.
//
// Of several lines with the same key in one level only the last counts, and the library would
// lose the memory of the others, so only the last is kept, where the first stood.
//
// What this keeps is what the library builds its automaton from: a change here must raise the
// format version of the patterns cache (cachedpatterns.cpp), or old caches stay in use.
bool cleanPatterns(const QByteArray &bytes, QByteArray &cleaned)
{
    const QList<QByteArray> lines = bytes.split('\n');
    if (lines.isEmpty() || lines.first().trimmed() != latin1Charset)
        return false;
    QList<QByteArray> kept{latin1Charset};
    QHash<QByteArray, qsizetype> keptAt;
    int patternCount = 0;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith('#') || line.startsWith('%'))
            continue;
        if (line == "NEXTLEVEL") {
            kept << line;
            keptAt.clear();
            continue;
        }
        const bool pattern = isPattern(line);
        if (!pattern && !isNumberSetting(line) && !isNoHyphenSetting(line))
            return false;
        patternCount += pattern;
        const QByteArray key = lineKey(line, pattern);
        const auto earlier = keptAt.constFind(key);
        if (earlier == keptAt.cend()) {
            keptAt.insert(key, kept.size());
            kept << line;
        } else {
            kept[*earlier] = line;
        }
    }
    cleaned = kept.join('\n') + '\n';
    return patternCount > 0;
}

// Every letter lower-cases into ISO-8859-1, and every other character is one of its digits,
// punctuation marks or symbols; combining marks and characters beyond it are not.
bool fitsPatterns(QStringView core)
{
    for (const QChar c : core) {
        if (c.unicode() >= 0x100 && !(c.isLetter() && QChar::toLower(c.unicode()) < 0x100))
            return false;
    }
    return true;
}

HyphenDict *loadFromMemory(QByteArray &cleaned)
{
    FILE *file = fmemopen(cleaned.data(), std::size_t(cleaned.size()), "r");
    if (!file)
        return nullptr;
    HyphenDict *dict = hnj_hyphen_load_file(file);
    std::fclose(file);
    return dict;
}

// The bytes of a patterns file, or why they cannot be had (German, for the user).
struct PatternsFile
{
    QByteArray bytes;
    QString error;
};

PatternsFile readPatternsFile(const QString &patternsPath)
{
    QFile file(patternsPath);
    if (patternsPath.isEmpty() || QFileInfo(patternsPath).isDir() ||
        !file.open(QIODevice::ReadOnly))
        return {{}, Texts::syllablePatternsMissing.arg(patternsPath)};
    // As for a settings file: one byte more than allowed tells a file that is too long, and
    // the buffer is no larger than a file of known size needs.
    const qint64 room = file.isSequential() ? maxPatternsFileSize : file.size();
    QByteArray bytes = file.read(qMin(room, maxPatternsFileSize) + 1);
    if (file.error() != QFileDevice::NoError)
        return {{}, Texts::syllablePatternsMissing.arg(patternsPath)};
    if (bytes.size() > maxPatternsFileSize)
        return {{}, Texts::syllablePatternsInvalid.arg(patternsPath)};
    return {std::move(bytes), QString()};
}

} // namespace

struct SyllableMarker::Patterns
{
    HyphenDict *dict = nullptr;
    // Set when dict was rebuilt from a cache: then it owns dict, which the library's free
    // function must never see.
    std::unique_ptr<CachedPatterns> cached;

    Patterns() = default;
    Patterns(const Patterns &) = delete;
    Patterns &operator=(const Patterns &) = delete;
    ~Patterns()
    {
        if (dict && !cached)
            hnj_hyphen_free(dict);
    }
};

SyllableMarker::SyllableMarker(std::unique_ptr<Patterns> patterns) : m_patterns(std::move(patterns))
{}

SyllableMarker::~SyllableMarker() = default;

QString SyllableMarker::defaultPatternsPath()
{
    return QStringLiteral(TRABELO_HYPHEN_DIR "/hyph_de_DE.dic");
}

QString SyllableMarker::defaultCachePath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/syllable-patterns.cache");
}

SyllableMarker::Loaded SyllableMarker::load(const QString &patternsPath)
{
    return load(patternsPath, QString());
}

SyllableMarker::Loaded SyllableMarker::load(const QString &patternsPath, const QString &cachePath)
{
    PatternsFile file = readPatternsFile(patternsPath);
    if (!file.error.isEmpty())
        return {nullptr, file.error};
    if (cachePath.isEmpty())
        return loadFromPatterns(std::move(file.bytes), patternsPath);

    const CachedPatterns::Key key = CachedPatterns::keyOf(patternsPath, file.bytes);
    if (auto marker = germanFromCache(CachedPatterns::load(cachePath, key)))
        return {std::move(marker), QString(), true};
    Loaded loaded = loadFromPatterns(std::move(file.bytes), patternsPath);
    if (loaded.marker)
        CachedPatterns::save(cachePath, key, *loaded.marker->m_patterns->dict);
    return loaded;
}

std::shared_ptr<const SyllableMarker> SyllableMarker::loadFromCache(const QString &patternsPath,
                                                                    const QString &cachePath)
{
    if (cachePath.isEmpty())
        return nullptr;
    // The patterns are only checked against the key, a block at a time.
    const std::optional<CachedPatterns::Key> key = CachedPatterns::keyOfFile(patternsPath);
    return key ? germanFromCache(CachedPatterns::load(cachePath, *key)) : nullptr;
}

std::shared_ptr<const SyllableMarker>
SyllableMarker::fromCache(std::unique_ptr<CachedPatterns> cached)
{
    if (!cached)
        return nullptr;
    auto patterns = std::make_unique<Patterns>();
    patterns->dict = cached->dict();
    patterns->cached = std::move(cached);
    patterns->dict->lhmin = outerMinimum;
    patterns->dict->rhmin = outerMinimum;
    return std::shared_ptr<const SyllableMarker>(new SyllableMarker(std::move(patterns)));
}

std::shared_ptr<const SyllableMarker> SyllableMarker::forEntries(const KeptPatterns &kept,
                                                                 const QStringList &entries)
{
    // The letters the library is given, lower case, a run of letters at a time; and the two
    // words that tell German patterns.
    QList<QByteArray> words{QByteArrayLiteral("fenster"), QByteArrayLiteral("zucker")};
    for (const QString &entry : entries) {
        QByteArray run;
        for (const QChar c : entry + u' ') {
            if (c.isLetter()) {
                run += char(QChar::toLower(c.unicode()));
            } else if (!run.isEmpty()) {
                words += run;
                run.clear();
            }
        }
    }
    return germanFromCache(kept.statesFor(words));
}

std::shared_ptr<const SyllableMarker>
SyllableMarker::germanFromCache(std::unique_ptr<CachedPatterns> cached)
{
    auto marker = fromCache(std::move(cached));
    return marker && marker->recognisesGermanPatterns() ? marker : nullptr;
}

SyllableMarker::Loaded SyllableMarker::loadFromPatterns(QByteArray bytes,
                                                        const QString &patternsPath)
{
    const QString invalid = Texts::syllablePatternsInvalid.arg(patternsPath);
    QByteArray cleaned;
    if (!cleanPatterns(bytes, cleaned))
        return {nullptr, invalid};
    bytes.clear();

    auto patterns = std::make_unique<Patterns>();
    patterns->dict = loadFromMemory(cleaned);
    if (!patterns->dict)
        return {nullptr, invalid};
    patterns->dict->lhmin = outerMinimum;
    patterns->dict->rhmin = outerMinimum;
    std::shared_ptr<const SyllableMarker> marker(new SyllableMarker(std::move(patterns)));
    if (!marker->recognisesGermanPatterns())
        return {nullptr, invalid};
    return {std::move(marker), QString()};
}

// Two words that German patterns split by the rules of 2006 and others split differently
// (older German ones: fen-ster, zuk-ker).
bool SyllableMarker::recognisesGermanPatterns() const
{
    SchoolSyllables::Boundaries fenster;
    fenster.set(4);
    SchoolSyllables::Boundaries zucker;
    zucker.set(2);
    return patternBoundaries("fenster") == fenster && patternBoundaries("zucker") == zucker;
}

SchoolSyllables::Boundaries SyllableMarker::patternBoundaries(std::string_view letters) const
{
    const int size = int(letters.size());
    std::array<char, SchoolSyllables::maxLetters + 1> word{};
    std::memcpy(word.data(), letters.data(), letters.size());
    std::array<char, SchoolSyllables::maxLetters + 5> hyphens{};
    char **replacements = nullptr;
    int *positions = nullptr;
    int *cuts = nullptr;
    hnj_hyphen_hyphenate2(m_patterns->dict, word.data(), size, hyphens.data(), nullptr,
                          &replacements, &positions, &cuts);

    // A point that would change letters (old spellings such as Schiff-fahrt from Schiffahrt)
    // is left out: marking only inserts hyphens.
    SchoolSyllables::Boundaries boundaries;
    for (int i = 0; i + 1 < size; ++i) {
        if ((hyphens[i] & 1) && !(replacements && replacements[i]))
            boundaries.set(std::size_t(i + 1));
    }
    if (replacements) {
        for (int i = 0; i < size; ++i)
            std::free(replacements[i]);
    }
    std::free(replacements);
    std::free(positions);
    std::free(cuts);
    return boundaries;
}

SchoolSyllables::Boundaries SyllableMarker::boundaries(std::string_view letters) const
{
    return SchoolSyllables::fromPatterns(letters, patternBoundaries(letters));
}

void SyllableMarker::appendMarkedRun(QStringView run, QString &out) const
{
    const qsizetype size = run.size();
    if (size < 2 || size > SchoolSyllables::maxLetters) {
        out += run;
        return;
    }
    std::array<char, SchoolSyllables::maxLetters> letters;
    for (qsizetype i = 0; i < size; ++i)
        letters[std::size_t(i)] = char(QChar::toLower(run[i].unicode()));
    const SchoolSyllables::Boundaries found =
        boundaries(std::string_view(letters.data(), std::size_t(size)));
    for (qsizetype i = 0; i < size; ++i) {
        if (found[std::size_t(i)])
            out += u'-';
        out += run[i];
    }
}

QString SyllableMarker::markWord(const QString &word) const
{
    const qsizetype size = word.size();
    qsizetype first = 0;
    while (first < size && !word[first].isLetter())
        ++first;
    if (first == size)
        return word;
    qsizetype last = size;
    while (!word[last - 1].isLetter())
        --last;
    const QStringView view(word);
    if (!fitsPatterns(view.sliced(first, last - first)))
        return word;

    QString out;
    out.reserve(size * 2);
    out += view.first(first);
    for (qsizetype i = first; i < last;) {
        qsizetype end = i;
        while (end < last && word[end].isLetter())
            ++end;
        if (end == i) {
            out += word[i++];
            continue;
        }
        appendMarkedRun(view.sliced(i, end - i), out);
        i = end;
    }
    out += view.sliced(last);
    return out;
}

QString SyllableMarker::markEntry(const QString &entry) const
{
    if (entry.contains(u'-'))
        return entry;
    QString out;
    out.reserve(entry.size() * 2);
    for (qsizetype i = 0; i < entry.size();) {
        if (entry[i] == u' ') {
            out += u' ';
            ++i;
            continue;
        }
        qsizetype end = entry.indexOf(u' ', i);
        if (end < 0)
            end = entry.size();
        out += markWord(entry.sliced(i, end - i));
        i = end;
    }
    return out;
}
