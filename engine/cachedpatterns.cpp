// SPDX-License-Identifier: GPL-3.0-or-later
#include "cachedpatterns.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>

#include <zlib.h>

#include <cstring>
#include <span>

namespace {

constexpr QByteArrayView magic("TRBPATC\n");
// Raised whenever the layout changes, and whenever the patterns are read differently before
// the library builds its automaton from them: a cache holds what was built then.
constexpr quint32 formatVersion = 2;
constexpr int maxLevels = 2;
// The German automaton takes about 4 MB; anything far larger is not a cache of ours, and the
// limit bounds what a damaged one can make the reader allocate.
constexpr qint64 maxCacheSize = 32 * 1024 * 1024;
constexpr qsizetype stateRecordSize = 4 + 2 + 1;
constexpr qsizetype transitionRecordSize = 1 + 4;
constexpr int maxMatchLength = 0xFF;
constexpr int maxTransitions = 0xFFFF;

class Writer
{
public:
    template <typename T> void number(T value)
    {
        std::array<char, sizeof(T)> raw;
        qToLittleEndian(value, raw.data());
        m_bytes.append(raw.data(), qsizetype(raw.size()));
    }
    void bytes(QByteArrayView bytes) { m_bytes.append(bytes); }
    void reserve(qsizetype size) { m_bytes.reserve(size); }
    QByteArray take() { return std::move(m_bytes); }

private:
    QByteArray m_bytes;
};

class Reader
{
public:
    explicit Reader(QByteArrayView bytes) : m_rest(bytes) {}

    // The next count bytes; empty, with this and every later read failing, when fewer are left.
    QByteArrayView take(qint64 count)
    {
        if (!m_ok || count < 0 || count > m_rest.size()) {
            m_ok = false;
            return {};
        }
        const QByteArrayView taken = m_rest.first(qsizetype(count));
        m_rest = m_rest.sliced(qsizetype(count));
        return taken;
    }
    template <typename T> T number()
    {
        const QByteArrayView raw = take(sizeof(T));
        return m_ok ? qFromLittleEndian<T>(raw.data()) : T();
    }
    bool ok() const { return m_ok; }
    bool atEnd() const { return m_ok && m_rest.isEmpty(); }

private:
    QByteArrayView m_rest;
    bool m_ok = true;
};

std::span<const HyphenState> statesOf(const HyphenDict &level)
{
    return {level.states, std::size_t(level.num_states)};
}

std::size_t matchLength(const HyphenState &state)
{
    return state.match ? std::strlen(state.match) : 0;
}

void writeKey(Writer &out, const CachedPatterns::Key &key)
{
    const QByteArray path = key.patternsPath.toUtf8();
    out.number(quint32(path.size()));
    out.bytes(path);
    out.number(qint64(key.size));
    out.number(qint64(key.modified));
    out.bytes(key.checksum);
}

bool keyMatches(Reader &in, const CachedPatterns::Key &key)
{
    const QByteArrayView path = in.take(in.number<quint32>());
    const auto size = in.number<qint64>();
    const auto modified = in.number<qint64>();
    const QByteArrayView checksum = in.take(CachedPatterns::checksumSize);
    return in.ok() && path == key.patternsPath.toUtf8() && size == key.size &&
           modified == key.modified && checksum == key.checksum;
}

// False when the level holds what the format cannot: replacements, UTF-8, a transition count
// or match length beyond its field.
bool writeLevel(Writer &out, const HyphenDict &level)
{
    if (level.utf8 || level.num_states < 1)
        return false;
    for (const char minimum : {level.lhmin, level.rhmin, level.clhmin, level.crhmin})
        out.number(qint8(minimum));

    QByteArray noHyphen;
    const char *item = level.nohyphen;
    for (int i = 0; item && i <= level.nohyphenl; ++i) {
        const qsizetype size = qsizetype(std::strlen(item)) + 1;
        noHyphen.append(item, size);
        item += size;
    }
    out.number(quint32(noHyphen.size()));
    out.bytes(noHyphen);

    quint32 matchBytes = 0;
    for (const HyphenState &state : statesOf(level)) {
        const std::size_t length = matchLength(state);
        if (state.repl || state.num_trans < 0 || state.num_trans > maxTransitions ||
            length > maxMatchLength)
            return false;
        matchBytes += length ? quint32(length) + 1 : 0;
    }
    out.number(quint32(level.num_states));
    out.number(matchBytes);
    for (const HyphenState &state : statesOf(level)) {
        out.number(qint32(state.fallback_state));
        out.number(quint16(state.num_trans));
        out.number(quint8(matchLength(state)));
    }
    for (const HyphenState &state : statesOf(level)) {
        for (int k = 0; k < state.num_trans; ++k) {
            out.number(quint8(state.trans[k].ch));
            out.number(quint32(state.trans[k].new_state));
        }
    }
    for (const HyphenState &state : statesOf(level)) {
        if (const std::size_t length = matchLength(state))
            out.bytes(QByteArrayView(state.match, qsizetype(length) + 1));
    }
    return true;
}

// NOHYPHEN items, each ended by a zero byte. The library looks for each in the word and clears
// the point before its last character: an empty one would point before the word.
bool readNoHyphen(QByteArrayView items, std::vector<char> &storage, HyphenDict &dict)
{
    if (items.isEmpty())
        return true;
    if (items.size() > MAX_CHARS || items.back() != '\0')
        return false;
    int count = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (items[i] != '\0')
            continue;
        if (i == start)
            return false;
        ++count;
        start = i + 1;
    }
    storage.assign(items.begin(), items.end());
    dict.nohyphen = storage.data();
    dict.nohyphenl = count - 1;
    return true;
}

// Where the transitions lead: each state but 0 is reached by exactly one, as the library
// builds them, from the state whose string is one character shorter.
struct Tree
{
    std::vector<qint32> parent;
    std::vector<char> character; // on the transition from the parent
};

// The states with their fallbacks and transitions; false when a transition leads outside the
// states, or into state 0, where the automaton starts, or into a state reached already.
bool readStates(QByteArrayView stateRecords, QByteArrayView transitionRecords,
                std::vector<HyphenState> &states, std::vector<HyphenTrans> &transitions, Tree &tree)
{
    const qsizetype count = stateRecords.size() / stateRecordSize;
    states.assign(std::size_t(count), HyphenState{});
    transitions.resize(std::size_t(transitionRecords.size() / transitionRecordSize));
    tree.parent.assign(std::size_t(count), -1);
    tree.character.assign(std::size_t(count), 0);
    const char *transition = transitionRecords.data();
    HyphenTrans *next = transitions.data();
    for (qsizetype s = 0; s < count; ++s) {
        const char *record = stateRecords.data() + s * stateRecordSize;
        HyphenState &state = states[std::size_t(s)];
        state.fallback_state = qFromLittleEndian<qint32>(record);
        state.num_trans = qFromLittleEndian<quint16>(record + 4);
        state.trans = state.num_trans ? next : nullptr;
        for (int k = 0; k < state.num_trans; ++k, ++next, transition += transitionRecordSize) {
            const auto target = qFromLittleEndian<quint32>(transition + 1);
            if (target == 0 || target >= quint32(count) || tree.parent[target] >= 0)
                return false;
            tree.parent[target] = qint32(s);
            tree.character[target] = transition[0];
            *next = HyphenTrans{transition[0], int(target)};
        }
    }
    return true;
}

// The length of each state's string, and whether it starts at the word's edge ('.'); false
// when the transitions do not form a tree from state 0 that reaches every state. Walks up
// from each state to one already measured, which touches far less memory than following the
// transitions down.
bool measureStates(const Tree &tree, std::vector<qint32> &length, std::vector<bool> &atEdge)
{
    constexpr qint32 unknown = -1;
    constexpr qint32 onPath = -2;
    const std::size_t count = tree.parent.size();
    length.assign(count, unknown);
    atEdge.assign(count, false);
    length[0] = 0;
    std::vector<std::size_t> path;
    for (std::size_t s = 1; s < count; ++s) {
        std::size_t up = s;
        while (length[up] == unknown) {
            if (tree.parent[up] < 0)
                return false;
            length[up] = onPath;
            path.push_back(up);
            up = std::size_t(tree.parent[up]);
        }
        if (length[up] == onPath)
            return false;
        for (; !path.empty(); path.pop_back()) {
            const std::size_t state = path.back();
            const auto parent = std::size_t(tree.parent[state]);
            length[state] = length[parent] + 1;
            atEdge[state] = parent == 0 ? tree.character[state] == '.' : bool(atEdge[parent]);
        }
    }
    return true;
}

// Every fallback leads to a shorter string, so the library's search for a transition ends.
bool fallbacksShorten(const std::vector<HyphenState> &states, const std::vector<qint32> &length)
{
    if (states[0].fallback_state != -1)
        return false;
    const auto count = qint64(states.size());
    for (std::size_t s = 1; s < states.size(); ++s) {
        const int fallback = states[s].fallback_state;
        if (fallback < -1 || fallback >= count ||
            (fallback >= 0 && length[std::size_t(fallback)] >= length[s]))
            return false;
    }
    return true;
}

// Matches of digits, each ended by a zero byte. The library writes a state's match so that it
// ends at the character just read; a match longer than what can have been read would be
// written before the start of its buffer. After at most n characters of the word the state
// holds a string of at most n, and at most n - 1 unless it starts at the edge, since the word
// the library walks always starts with '.'; a match has at most one digit more than its
// state's string has characters.
bool readMatches(QByteArrayView stateRecords, QByteArrayView matches, CachedPatterns::Level &level,
                 const std::vector<qint32> &length, const std::vector<bool> &atEdge)
{
    level.matches.assign(matches.begin(), matches.end());
    qsizetype at = 0;
    for (std::size_t s = 0; s < level.states.size(); ++s) {
        const auto size = qsizetype(quint8(stateRecords[qsizetype(s) * stateRecordSize + 6]));
        if (size == 0)
            continue;
        const qint32 room = s == 0 ? 0 : length[s] + (atEdge[s] ? 0 : 1);
        if (size > room || size >= matches.size() - at || matches[at + size] != '\0')
            return false;
        for (const char digit : matches.sliced(at, size)) {
            if (digit < '0' || digit > '9')
                return false;
        }
        level.states[s].match = level.matches.data() + at;
        at += size + 1;
    }
    return at == matches.size();
}

bool readLevel(Reader &in, CachedPatterns::Level &level)
{
    HyphenDict &dict = level.dict;
    for (char *minimum : {&dict.lhmin, &dict.rhmin, &dict.clhmin, &dict.crhmin})
        *minimum = char(in.number<qint8>());
    const QByteArrayView noHyphen = in.take(in.number<quint32>());
    const auto stateCount = in.number<quint32>();
    const auto matchBytes = in.number<quint32>();
    const QByteArrayView stateRecords = in.take(qint64(stateCount) * stateRecordSize);
    if (!in.ok() || stateCount == 0 || !readNoHyphen(noHyphen, level.noHyphen, dict))
        return false;
    qint64 transitionCount = 0;
    for (quint32 s = 0; s < stateCount; ++s)
        transitionCount +=
            qFromLittleEndian<quint16>(stateRecords.data() + s * stateRecordSize + 4);
    const QByteArrayView transitionRecords = in.take(transitionCount * transitionRecordSize);
    const QByteArrayView matches = in.take(matchBytes);
    Tree tree;
    if (!in.ok() || transitionCount != qint64(stateCount) - 1 ||
        !readStates(stateRecords, transitionRecords, level.states, level.transitions, tree))
        return false;

    std::vector<qint32> length;
    std::vector<bool> atEdge;
    if (!measureStates(tree, length, atEdge) || !fallbacksShorten(level.states, length) ||
        !readMatches(stateRecords, matches, level, length, atEdge))
        return false;
    std::strcpy(dict.cset, "ISO8859-1");
    dict.num_states = int(stateCount);
    dict.states = level.states.data();
    return true;
}

} // namespace

QByteArray CachedPatterns::checksum(QByteArrayView bytes)
{
    uLong crc = crc32_z(0, nullptr, 0);
    crc = crc32_z(crc, reinterpret_cast<const Bytef *>(bytes.data()), std::size_t(bytes.size()));
    std::array<char, checksumSize> raw;
    qToLittleEndian(quint32(crc), raw.data());
    return QByteArray(raw.data(), checksumSize);
}

CachedPatterns::Key CachedPatterns::keyOf(const QString &patternsPath, QByteArrayView bytes)
{
    const QFileInfo info(patternsPath);
    return {patternsPath, bytes.size(), info.lastModified().toMSecsSinceEpoch(), checksum(bytes)};
}

QByteArray CachedPatterns::write(const Key &key, const HyphenDict &dict)
{
    std::vector<const HyphenDict *> levels;
    for (const HyphenDict *level = &dict; level; level = level->nextlevel) {
        if (levels.size() == maxLevels)
            return {};
        levels.push_back(level);
    }
    if (key.checksum.size() != checksumSize)
        return {};
    Writer out;
    // A state and the transition into it take 12 bytes; the matches add about a fifth.
    qsizetype stateCount = 0;
    for (const HyphenDict *level : levels)
        stateCount += level->num_states;
    out.reserve(stateCount * (stateRecordSize + transitionRecordSize) * 6 / 5 + 4096);
    out.bytes(magic);
    out.number(formatVersion);
    writeKey(out, key);
    out.number(quint8(levels.size()));
    for (const HyphenDict *level : levels) {
        if (!writeLevel(out, *level))
            return {};
    }
    QByteArray bytes = out.take();
    bytes += checksum(bytes);
    return bytes;
}

std::unique_ptr<CachedPatterns> CachedPatterns::read(QByteArrayView bytes, const Key &key)
{
    if (bytes.size() < checksumSize || bytes.size() > maxCacheSize)
        return nullptr;
    const QByteArrayView body = bytes.chopped(checksumSize);
    Reader in(body);
    if (in.take(magic.size()) != magic || in.number<quint32>() != formatVersion ||
        !keyMatches(in, key) || checksum(body) != bytes.last(checksumSize))
        return nullptr;
    const auto levelCount = in.number<quint8>();
    if (levelCount < 1 || levelCount > maxLevels)
        return nullptr;
    std::unique_ptr<CachedPatterns> cached(new CachedPatterns);
    for (int i = 0; i < levelCount; ++i) {
        if (!readLevel(in, cached->m_levels[std::size_t(i)]))
            return nullptr;
    }
    if (!in.atEnd())
        return nullptr;
    if (levelCount == 2)
        cached->m_levels[0].dict.nextlevel = &cached->m_levels[1].dict;
    return cached;
}

bool CachedPatterns::save(const QString &cachePath, const Key &key, const HyphenDict &dict)
{
    const QByteArray bytes = write(key, dict);
    if (bytes.isEmpty() || !QDir().mkpath(QFileInfo(cachePath).absolutePath()))
        return false;
    QSaveFile file(cachePath);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

std::unique_ptr<CachedPatterns> CachedPatterns::load(const QString &cachePath, const Key &key)
{
    // Not a folder, nor a pipe that would keep the reader waiting.
    if (!QFileInfo(cachePath).isFile())
        return nullptr;
    QFile file(cachePath);
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    const QByteArray bytes = file.read(maxCacheSize + 1);
    if (file.error() != QFileDevice::NoError)
        return nullptr;
    return read(bytes, key);
}
