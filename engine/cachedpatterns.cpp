// SPDX-License-Identifier: GPL-3.0-or-later
#include "cachedpatterns.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <span>
#include <tuple>

namespace {

constexpr QByteArrayView magic("TRBPATC\n");
// Raised whenever the layout changes, and whenever the patterns are read differently before
// the library builds its automaton from them: a cache holds what was built then.
constexpr quint32 formatVersion = 4;
constexpr qsizetype checksumAt = magic.size() + 4;
constexpr qsizetype headerSize = checksumAt + 8;
constexpr int maxLevels = 2;
// The German automaton takes about 2 MB; anything far larger is not a cache of ours, and the
// limit bounds what a damaged one can make the reader allocate.
constexpr qint64 maxCacheSize = 32 * 1024 * 1024;
// The longest piece the reader takes at once: the patterns' path, or a state with 255
// transitions and 255 digits.
constexpr qsizetype maxPiece = 4096;
constexpr qsizetype minStateRecordSize = 4 + 1 + 1;
constexpr int maxTransitions = 0xFF;
constexpr int maxMatchLength = 0xFF;
constexpr qsizetype maxStateRecordSize = minStateRecordSize + maxTransitions + maxMatchLength;
// The library reads patterns of fewer than MAX_CHARS characters, so no state's string is longer.
constexpr int maxDepth = 0x7F;
constexpr quint8 atEdgeBit = 0x80;
// Every step-th state's record is noted before the records, where it lies and which number its
// first child has, so that a state's record can be found without reading all before it.
constexpr quint32 step = CachedPatterns::Index::step;

quint32 checkpointCount(quint32 states)
{
    return (states + step - 1) / step;
}

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

// Reads a cache a block at a time, and takes the checksum of what follows the header as it goes.
class Reader
{
public:
    Reader(QIODevice &device, qint64 size) : m_device(device), m_left(size)
    {
        m_buffer.resize(CachedPatterns::checksumBlockSize + maxPiece);
    }

    // The next count bytes, valid until the next take; empty, with this and every later read
    // failing, when fewer are left.
    QByteArrayView take(qint64 count)
    {
        if (m_ok && count > m_end - m_at && count <= maxPiece)
            refill(count);
        if (!m_ok || count < 0 || count > m_end - m_at) {
            m_ok = false;
            return {};
        }
        const QByteArrayView taken(m_buffer.constData() + m_at, qsizetype(count));
        m_at += qsizetype(count);
        return taken;
    }
    // Up to atMost (at most maxPiece) of the next bytes, fewer only at the end; valid until the
    // next take or skip, which takes what was used.
    QByteArrayView peek(qsizetype atMost)
    {
        if (m_ok && atMost > m_end - m_at && m_left > 0)
            refill(atMost);
        return m_ok ? QByteArrayView(m_buffer.constData() + m_at, qMin(atMost, m_end - m_at))
                    : QByteArrayView();
    }
    // count bytes of the last peek.
    void skip(qsizetype count) { m_at += count; }
    template <typename T> T number()
    {
        const QByteArrayView raw = take(sizeof(T));
        return m_ok ? qFromLittleEndian<T>(raw.data()) : T();
    }
    // From here on, every block read counts in checksum().
    void startChecksum() { m_summing = true; }
    quint64 checksum() const { return m_sum; }
    bool ok() const { return m_ok; }
    bool atEnd() const { return m_ok && m_at == m_end && m_left == 0; }
    // Bytes not yet taken.
    qint64 left() const { return m_left + (m_end - m_at); }

private:
    // Moves what is left to the front and reads the next block after it: a whole block once
    // the checksum counts, so that the blocks are those of checksum(), else the count wanted.
    void refill(qint64 count)
    {
        const qsizetype kept = m_end - m_at;
        std::memmove(m_buffer.data(), m_buffer.constData() + m_at, std::size_t(kept));
        m_at = 0;
        m_end = kept;
        const qint64 wanted =
            qMin(m_left, m_summing ? CachedPatterns::checksumBlockSize : count - kept);
        if (m_device.read(m_buffer.data() + m_end, wanted) != wanted) {
            m_ok = false;
            return;
        }
        if (m_summing)
            m_sum = CachedPatterns::addToChecksum(m_sum, {m_buffer.constData() + m_end, wanted});
        m_end += qsizetype(wanted);
        m_left -= wanted;
    }

    QIODevice &m_device;
    QByteArray m_buffer;
    qsizetype m_at = 0;
    qsizetype m_end = 0;
    qint64 m_left;
    quint64 m_sum = 0;
    bool m_summing = false;
    bool m_ok = true;
};

// Takes a cache's bytes from the front. Once a take fails, this and every later one fail.
class Cursor
{
public:
    explicit Cursor(QByteArrayView bytes) : m_bytes(bytes) {}

    // The next count bytes, or empty when fewer are left.
    QByteArrayView take(qint64 count)
    {
        if (!m_ok || count < 0 || count > m_bytes.size() - m_at) {
            m_ok = false;
            return {};
        }
        const QByteArrayView taken = m_bytes.sliced(m_at, qsizetype(count));
        m_at += qsizetype(count);
        return taken;
    }
    template <typename T> T number()
    {
        const QByteArrayView raw = take(sizeof(T));
        return m_ok ? qFromLittleEndian<T>(raw.data()) : T();
    }
    bool ok() const { return m_ok; }
    bool atEnd() const { return m_ok && m_at == m_bytes.size(); }

private:
    QByteArrayView m_bytes;
    qsizetype m_at = 0;
    bool m_ok = true;
};

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
    out.number(quint64(key.checksum));
}

template <typename Input> bool keyMatches(Input &in, const CachedPatterns::Key &key)
{
    const bool samePath = in.take(in.template number<quint32>()) == key.patternsPath.toUtf8();
    const auto size = in.template number<qint64>();
    const auto modified = in.template number<qint64>();
    const auto checksum = in.template number<quint64>();
    return in.ok() && samePath && size == key.size && modified == key.modified &&
           checksum == key.checksum;
}

// The states in breadth-first order from state 0, each state's transitions in their order; empty
// when they do not form a tree from state 0 that reaches every state, as the library builds them.
std::vector<int> breadthFirstOrder(const HyphenDict &level)
{
    const std::span<const HyphenState> states(level.states, std::size_t(level.num_states));
    std::vector<int> order{0};
    std::vector<bool> reached(states.size(), false);
    reached[0] = true;
    order.reserve(states.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        const HyphenState &state = states[std::size_t(order[i])];
        for (int k = 0; k < state.num_trans; ++k) {
            const int target = state.trans[k].new_state;
            if (target < 0 || std::size_t(target) >= states.size() || reached[std::size_t(target)])
                return {};
            reached[std::size_t(target)] = true;
            order.push_back(target);
        }
    }
    return order.size() == states.size() ? order : std::vector<int>{};
}

// The records' length, then where every step-th record lies and which number its first child has.
void writeCheckpoints(Writer &out, const HyphenDict &level, const std::vector<int> &order)
{
    std::vector<std::pair<quint32, quint32>> checkpoints;
    quint32 offset = 0;
    quint32 reached = 1;
    for (std::size_t i = 0; i < order.size(); ++i) {
        const HyphenState &state = level.states[order[i]];
        if (i % step == 0)
            checkpoints.emplace_back(offset, reached);
        offset += quint32(minStateRecordSize + state.num_trans) + quint32(matchLength(state));
        reached += quint32(state.num_trans);
    }
    out.number(offset);
    for (const auto &[at, firstChild] : checkpoints) {
        out.number(at);
        out.number(firstChild);
    }
}

// False when the level holds what the format cannot: replacements, UTF-8, states that are not a
// tree, a transition count or match length beyond its field.
bool writeLevel(Writer &out, const HyphenDict &level)
{
    if (level.utf8 || level.num_states < 1)
        return false;
    const std::vector<int> order = breadthFirstOrder(level);
    if (order.empty())
        return false;
    std::vector<int> renumbered(order.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        renumbered[std::size_t(order[i])] = int(i);

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
    for (const int s : order) {
        const HyphenState &state = level.states[s];
        const std::size_t length = matchLength(state);
        if (state.repl || state.num_trans < 0 || state.num_trans > maxTransitions ||
            length > maxMatchLength || state.fallback_state >= level.num_states)
            return false;
        matchBytes += length ? quint32(length) + 1 : 0;
    }
    out.number(quint32(level.num_states));
    out.number(matchBytes);
    writeCheckpoints(out, level, order);
    for (const int s : order) {
        const HyphenState &state = level.states[s];
        const int fallback = state.fallback_state;
        out.number(qint32(fallback < 0 ? fallback : renumbered[std::size_t(fallback)]));
        out.number(quint8(state.num_trans));
        const std::size_t length = matchLength(state);
        out.number(quint8(length));
        for (int k = 0; k < state.num_trans; ++k)
            out.number(quint8(state.trans[k].ch));
        out.bytes(QByteArrayView(state.match, qsizetype(length)));
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

// A match of digits. The library writes a state's match so that it ends at the character just
// read; a match longer than what can have been read would be written before the start of its
// buffer. After at most n characters of the word the state holds a string of at most n, and at
// most n - 1 unless it starts at the edge, since the word the library walks always starts with
// '.'; a match has at most one digit more than its state's string has characters.
bool matchFits(QByteArrayView digits, quint8 depthAndEdge)
{
    const int depth = depthAndEdge & ~atEdgeBit;
    const int room = depth == 0 ? 0 : depth + ((depthAndEdge & atEdgeBit) ? 0 : 1);
    if (digits.size() > room)
        return false;
    for (const char digit : digits) {
        if (digit < '0' || digit > '9')
            return false;
    }
    return true;
}

// Rebuilds one level's states in one pass. In breadth-first order the k-th transition leads to
// state k + 1, so a state is sound to use once an earlier state's transition has reached it:
// every state is reached exactly once, from a state before it, and the strings' lengths are
// known before they are needed. Every fallback leads to a shorter string, so the library's
// search for a transition ends.
bool readStates(Reader &in, quint32 count, AutomatonMemory &memory, CachedPatterns::Level &level,
                quint32 matchBytes, const std::vector<quint32> &checkpoints)
{
    quint32 offset = 0;
    HyphenState *states = memory.take<HyphenState>(count);
    HyphenTrans *transitions = memory.take<HyphenTrans>(count - 1);
    char *matches = memory.take<char>(matchBytes);
    if (!states || (count > 1 && !transitions) || (matchBytes && !matches))
        return false;
    // Per state: its string's length, and whether it starts at the word's edge ('.').
    std::vector<quint8> depthAndEdge(count, 0);
    quint32 reached = 1;
    quint32 matchesUsed = 0;
    for (quint32 s = 0; s < count; ++s) {
        const QByteArrayView record = in.peek(maxStateRecordSize);
        if (record.size() < minStateRecordSize)
            return false;
        const auto fallback = qFromLittleEndian<qint32>(record.data());
        const auto transitionCount = quint8(record[4]);
        const auto matchSize = quint8(record[5]);
        const qsizetype size = minStateRecordSize + transitionCount + matchSize;
        if (record.size() < size)
            return false;
        in.skip(size);
        // The checkpoints must say what the records do.
        if (s % step == 0 &&
            (checkpoints[2 * (s / step)] != offset || checkpoints[2 * (s / step) + 1] != reached))
            return false;
        offset += quint32(size);
        const QByteArrayView characters = record.sliced(minStateRecordSize, transitionCount);
        const QByteArrayView digits =
            record.sliced(minStateRecordSize + transitionCount, matchSize);
        const int depth = depthAndEdge[s] & ~atEdgeBit;
        if (s >= reached || transitionCount > count - reached ||
            (transitionCount && depth == maxDepth) || !matchFits(digits, depthAndEdge[s]))
            return false;
        if (s == 0 ? fallback != -1
                   : fallback < -1 || qint64(fallback) >= qint64(s) ||
                         (fallback >= 0 && (depthAndEdge[quint32(fallback)] & ~atEdgeBit) >= depth))
            return false;

        HyphenState &state = states[s];
        state = HyphenState{nullptr,
                            nullptr,
                            0,
                            0,
                            fallback,
                            transitionCount,
                            transitionCount ? transitions + (reached - 1) : nullptr};
        for (const char character : characters) {
            transitions[reached - 1] = HyphenTrans{character, int(reached)};
            const bool atEdge = s == 0 ? character == '.' : bool(depthAndEdge[s] & atEdgeBit);
            depthAndEdge[reached] = quint8(depth + 1) | (atEdge ? atEdgeBit : 0);
            ++reached;
        }
        if (matchSize) {
            if (matchSize >= matchBytes - matchesUsed)
                return false;
            state.match = matches + matchesUsed;
            std::memcpy(state.match, digits.data(), matchSize);
            state.match[matchSize] = '\0';
            matchesUsed += matchSize + 1u;
        }
    }
    if (reached != count || matchesUsed != matchBytes || offset != checkpoints.back())
        return false;
    level.dict.num_states = int(count);
    level.dict.states = states;
    return true;
}

bool readLevel(Reader &in, CachedPatterns::Level &level)
{
    HyphenDict &dict = level.dict;
    for (char *minimum : {&dict.lhmin, &dict.rhmin, &dict.clhmin, &dict.crhmin})
        *minimum = char(in.number<qint8>());
    const QByteArrayView noHyphen = in.take(in.number<quint32>());
    if (!in.ok() || !readNoHyphen(noHyphen, level.noHyphen, dict))
        return false;
    const auto stateCount = in.number<quint32>();
    const auto matchBytes = in.number<quint32>();
    // Each state takes bytes of the file, so what is left bounds what a damaged count reserves.
    if (!in.ok() || stateCount == 0 || stateCount > in.left() / minStateRecordSize ||
        matchBytes > in.left())
        return false;
    // The checkpoints, each two numbers, and last the records' length.
    std::vector<quint32> checkpoints(2 * std::size_t(checkpointCount(stateCount)));
    const auto recordsLength = in.number<quint32>();
    for (quint32 &number : checkpoints)
        number = in.number<quint32>();
    checkpoints.push_back(recordsLength);
    // With room for the pieces' alignment and, in the sanitizer build, the guards between them.
    level.memory = AutomatonMemory(stateCount * sizeof(HyphenState) +
                                   (stateCount - 1) * sizeof(HyphenTrans) + matchBytes + 512);
    if (!in.ok() || !readStates(in, stateCount, level.memory, level, matchBytes, checkpoints))
        return false;
    std::strcpy(dict.cset, "ISO8859-1");
    return true;
}

// Whether a state's string, a '.' at either end aside, lies within one of the words. The
// library walks a word, or a part of it, between two '.'; every state it reaches stands for a
// piece of what it has read, so it reaches no other states.
bool withinWords(QByteArrayView string, const QList<QByteArray> &words)
{
    if (string.startsWith('.'))
        string = string.sliced(1);
    if (string.endsWith('.'))
        string.chop(1);
    if (string.contains('.'))
        return false;
    return std::any_of(words.begin(), words.end(),
                       [string](const QByteArray &word) { return word.contains(string); });
}

// A state of a level that a walk over the words can reach, as the cache holds it.
struct Selected
{
    quint32 state = 0;
    QByteArray string;
    qint32 fallback = -1;
    QByteArrayView digits;
    std::vector<std::pair<char, quint32>> children; // only those within the words
};

// The position of state among the selected ones, which are in the order of their numbers; -1
// when it is not one of them.
int selectedIndex(const std::vector<Selected> &selected, qint64 state)
{
    const auto found = std::lower_bound(selected.begin(), selected.end(), state,
                                        [](const Selected &s, qint64 n) { return s.state < n; });
    return found != selected.end() && found->state == state ? int(found - selected.begin()) : -1;
}

// Checks one selected state as read() checks every state: its string is known here, so its
// fallback must stand for a shorter end of it, as the library builds them.
bool selectedStateSound(const Selected &here, const std::vector<Selected> &selected)
{
    const QByteArray &string = here.string;
    const quint8 depthAndEdge =
        quint8(string.size()) | (string.startsWith('.') ? atEdgeBit : quint8(0));
    if (string.size() >= maxDepth || !matchFits(here.digits, depthAndEdge))
        return false;
    if (here.state == 0)
        return here.fallback == -1;
    const int fallback = selectedIndex(selected, here.fallback);
    return fallback >= 0 && selected[std::size_t(fallback)].string.size() < string.size() &&
           string.endsWith(selected[std::size_t(fallback)].string);
}

// State's record, read on from the checkpoint before it, and the number of its first child;
// an empty record when the bytes do not frame it.
std::pair<QByteArrayView, quint32> recordOf(const CachedPatterns::Index::Level &level,
                                            quint32 state)
{
    const qsizetype at = qsizetype(state / step) * 8;
    if (state >= level.count || at + 8 > level.checkpoints.size())
        return {};
    const auto offset = qFromLittleEndian<quint32>(level.checkpoints.data() + at);
    auto firstChild = qFromLittleEndian<quint32>(level.checkpoints.data() + at + 4);
    QByteArrayView rest =
        offset < level.records.size() ? level.records.sliced(offset) : QByteArrayView();
    for (quint32 s = state / step * step;; ++s) {
        if (rest.size() < minStateRecordSize)
            return {};
        const qsizetype size = minStateRecordSize + quint8(rest[4]) + quint8(rest[5]);
        if (rest.size() < size)
            return {};
        if (s == state)
            return {rest.first(size), firstChild};
        firstChild += quint8(rest[4]);
        rest = rest.sliced(size);
    }
}

// The states of one level within the words, found through the index from state 0.
bool selectStates(const CachedPatterns::Index::Level &level, const QList<QByteArray> &words,
                  std::vector<Selected> &selected)
{
    selected.push_back({});
    // Children are numbered after their parents, and the children of an earlier state before
    // those of a later one: the selected states come in the order of their numbers, each once.
    for (std::size_t next = 0; next < selected.size(); ++next) {
        const auto [record, firstChild] = recordOf(level, selected[next].state);
        if (record.isEmpty())
            return false;
        const auto transitionCount = quint8(record[4]);
        // Indexed each time: a push may move the selected states.
        selected[next].fallback = qFromLittleEndian<qint32>(record.data());
        selected[next].digits = record.sliced(minStateRecordSize + transitionCount);
        for (int k = 0; k < transitionCount; ++k) {
            const char character = record[minStateRecordSize + k];
            const QByteArray string = selected[next].string + character;
            if (!withinWords(string, words))
                continue;
            const quint32 child = firstChild + quint32(k);
            if (child >= level.count || child <= selected.back().state)
                return false;
            selected[next].children.emplace_back(character, child);
            selected.push_back({child, string, -1, {}, {}});
        }
        if (!selectedStateSound(selected[next], selected))
            return false;
    }
    return true;
}

// Builds the selected states as a level of their own, numbered in their order.
bool buildSelected(const std::vector<Selected> &selected, CachedPatterns::Level &level)
{
    std::size_t transitionCount = 0;
    std::size_t matchBytes = 0;
    for (const Selected &state : selected) {
        transitionCount += state.children.size();
        matchBytes += state.digits.isEmpty() ? 0 : std::size_t(state.digits.size()) + 1;
    }
    level.memory = AutomatonMemory(selected.size() * sizeof(HyphenState) +
                                   transitionCount * sizeof(HyphenTrans) + matchBytes + 512);
    auto *states = level.memory.take<HyphenState>(selected.size());
    auto *transitions = level.memory.take<HyphenTrans>(transitionCount);
    char *matches = level.memory.take<char>(matchBytes);
    if (!states || (transitionCount && !transitions) || (matchBytes && !matches))
        return false;
    for (std::size_t i = 0; i < selected.size(); ++i) {
        const Selected &state = selected[i];
        states[i] = HyphenState{nullptr,
                                nullptr,
                                0,
                                0,
                                state.fallback < 0 ? -1 : selectedIndex(selected, state.fallback),
                                int(state.children.size()),
                                state.children.empty() ? nullptr : transitions};
        for (const auto &[character, child] : state.children)
            *transitions++ = HyphenTrans{character, selectedIndex(selected, child)};
        if (!state.digits.isEmpty()) {
            states[i].match = matches;
            std::memcpy(matches, state.digits.data(), std::size_t(state.digits.size()));
            matches[state.digits.size()] = '\0';
            matches += state.digits.size() + 1;
        }
    }
    level.dict.num_states = int(selected.size());
    level.dict.states = states;
    return true;
}

// Finds one level's checkpoints and records, and skips them.
bool indexLevel(Cursor &in, CachedPatterns::Index::Level &level)
{
    for (qint8 &minimum : level.minimums)
        minimum = in.number<qint8>();
    level.noHyphen = in.take(in.number<quint32>());
    level.count = in.number<quint32>();
    in.number<quint32>(); // the matches' length
    const auto recordsLength = in.number<quint32>();
    level.checkpoints = in.take(qint64(checkpointCount(level.count)) * 8);
    level.records = in.take(recordsLength);
    return in.ok() && level.count > 0;
}

// The key: the patterns' path, their size, modification time and checksum.
void skipKey(Cursor &in)
{
    in.take(in.number<quint32>());
    in.take(3 * 8);
}

} // namespace

quint64 CachedPatterns::addToChecksum(quint64 sum, QByteArrayView block)
{
    // qHash with seed 0 is the same in every process and on every processor; with any other
    // seed it mixes in the process's random seed where the processor has AES, and a cache
    // would never be found sound again. A Qt version that hashes differently only makes the
    // caches stale once: they are rebuilt in the background.
    return qHashMulti(0, sum, qHash(block, 0));
}

quint64 CachedPatterns::checksum(QByteArrayView bytes)
{
    quint64 sum = 0;
    for (qsizetype at = 0; at < bytes.size(); at += checksumBlockSize)
        sum = addToChecksum(sum, bytes.sliced(at, qMin(checksumBlockSize, bytes.size() - at)));
    return sum;
}

CachedPatterns::Key CachedPatterns::keyOf(const QString &patternsPath, QByteArrayView bytes)
{
    const QFileInfo info(patternsPath);
    return {patternsPath, bytes.size(), info.lastModified().toMSecsSinceEpoch(), checksum(bytes)};
}

std::optional<CachedPatterns::Key> CachedPatterns::keyOfFile(const QString &patternsPath)
{
    QFile file(patternsPath);
    // Not a folder, nor a pipe that would keep the reader waiting.
    if (!QFileInfo(patternsPath).isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // Mapped, the bytes are not copied: a third less time at every start. The system's files
    // are replaced whole when updated, never changed in place.
    const qint64 size = file.size();
    if (const uchar *mapped = size > 0 ? file.map(0, size) : nullptr)
        return keyOf(patternsPath,
                     QByteArrayView(reinterpret_cast<const char *>(mapped), qsizetype(size)));
    QByteArray block(checksumBlockSize, Qt::Uninitialized);
    Key key{patternsPath, 0, QFileInfo(file).lastModified().toMSecsSinceEpoch(), 0};
    for (;;) {
        const qint64 read = file.read(block.data(), checksumBlockSize);
        if (read < 0)
            return std::nullopt;
        if (read == 0)
            return key;
        key.checksum = addToChecksum(key.checksum, QByteArrayView(block).first(read));
        key.size += read;
    }
}

QByteArray CachedPatterns::write(const Key &key, const HyphenDict &dict)
{
    std::vector<const HyphenDict *> levels;
    for (const HyphenDict *level = &dict; level; level = level->nextlevel) {
        if (levels.size() == maxLevels)
            return {};
        levels.push_back(level);
    }
    Writer out;
    // A state takes 7 bytes and its match about 2 more.
    qsizetype stateCount = 0;
    for (const HyphenDict *level : levels)
        stateCount += level->num_states;
    out.reserve(stateCount * 9 + 4096);
    out.bytes(magic);
    out.number(formatVersion);
    out.number(quint64(0));
    writeKey(out, key);
    out.number(quint8(levels.size()));
    for (const HyphenDict *level : levels) {
        if (!writeLevel(out, *level))
            return {};
    }
    return sealed(out.take());
}

QByteArray CachedPatterns::sealed(QByteArray bytes)
{
    if (bytes.size() >= headerSize)
        qToLittleEndian(checksum(QByteArrayView(bytes).sliced(headerSize)),
                        bytes.data() + checksumAt);
    return bytes;
}

std::unique_ptr<CachedPatterns> CachedPatterns::read(QByteArrayView bytes, const Key &key)
{
    QByteArray data = QByteArray::fromRawData(bytes.data(), bytes.size());
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    return read(buffer, bytes.size(), key);
}

std::unique_ptr<CachedPatterns> CachedPatterns::read(QIODevice &device, qint64 size, const Key &key)
{
    if (size < headerSize || size > maxCacheSize)
        return nullptr;
    Reader in(device, size);
    if (in.take(magic.size()) != magic || in.number<quint32>() != formatVersion)
        return nullptr;
    const auto sum = in.number<quint64>();
    in.startChecksum();
    if (!keyMatches(in, key))
        return nullptr;
    const auto levelCount = in.number<quint8>();
    if (levelCount < 1 || levelCount > maxLevels)
        return nullptr;
    std::unique_ptr<CachedPatterns> cached(new CachedPatterns);
    for (int i = 0; i < levelCount; ++i) {
        if (!readLevel(in, cached->m_levels[std::size_t(i)]))
            return nullptr;
    }
    if (!in.atEnd() || in.checksum() != sum)
        return nullptr;
    if (levelCount == 2)
        cached->m_levels[0].dict.nextlevel = &cached->m_levels[1].dict;
    return cached;
}

bool CachedPatterns::isSound(QByteArrayView bytes, const Key &key)
{
    if (bytes.size() < headerSize || bytes.size() > maxCacheSize)
        return false;
    Cursor in(bytes);
    return in.take(magic.size()) == magic && in.number<quint32>() == formatVersion &&
           in.number<quint64>() == checksum(bytes.sliced(headerSize)) && keyMatches(in, key);
}

std::optional<CachedPatterns::Index> CachedPatterns::indexOf(QByteArrayView bytes)
{
    Cursor in(bytes);
    in.take(headerSize);
    skipKey(in);
    const auto levelCount = in.number<quint8>();
    if (!in.ok() || levelCount < 1 || levelCount > maxLevels)
        return std::nullopt;
    Index index;
    index.levels.resize(levelCount);
    for (Index::Level &level : index.levels) {
        if (!indexLevel(in, level))
            return std::nullopt;
    }
    return in.atEnd() ? std::optional(std::move(index)) : std::nullopt;
}

std::unique_ptr<CachedPatterns> CachedPatterns::readFor(const Index &index,
                                                        const QList<QByteArray> &words)
{
    std::unique_ptr<CachedPatterns> cached(new CachedPatterns);
    for (std::size_t i = 0; i < index.levels.size() && i < std::size_t(maxLevels); ++i) {
        Level &level = cached->m_levels[i];
        HyphenDict &dict = level.dict;
        const Index::Level &indexed = index.levels[i];
        std::tie(dict.lhmin, dict.rhmin, dict.clhmin, dict.crhmin) =
            std::tuple(char(indexed.minimums[0]), char(indexed.minimums[1]),
                       char(indexed.minimums[2]), char(indexed.minimums[3]));
        std::vector<Selected> selected;
        if (!readNoHyphen(indexed.noHyphen, level.noHyphen, dict) ||
            !selectStates(indexed, words, selected) || !buildSelected(selected, level))
            return nullptr;
        std::strcpy(dict.cset, "ISO8859-1");
    }
    if (index.levels.size() == 2)
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
    return read(file, file.size(), key);
}
