// SPDX-License-Identifier: GPL-3.0-or-later
#include "cachedpatterns.h"
#include "keptpatterns.h"
#include "scratchfiles.h"
#include "syllablemarker.h"

#include <QDateTime>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

// Patterns small enough to build in no time that still split Fens-ter and Zu-cker as German
// patterns do.
const QByteArray smallPatterns = "ISO8859-1\ns1t\nu1ck\nx1y\n"_ba;

// Damages the cache as written, or the patterns (given their time), or moves them.
using Damage = std::function<bool(QString &, const QString &, QByteArray, QDateTime)>;

bool setModified(const QString &path, const QDateTime &time)
{
    QFile file(path);
    return file.open(QIODevice::Append) &&
           file.setFileTime(time, QFileDevice::FileModificationTime);
}

// An automaton with the library's shape: a tree of transitions from state 0 (with one branch at
// the word's edge), fallbacks to shorter strings, and matches as long as each state allows.
struct Automaton
{
    std::vector<std::vector<HyphenTrans>> transitions;
    std::vector<int> fallbacks;
    std::vector<QByteArray> matches; // empty: none
    QByteArray noHyphen;             // items, each ended by a zero byte
    int noHyphenCount = 0;

    std::vector<HyphenState> states;
    HyphenDict dict{};

    static Automaton sound()
    {
        Automaton a;
        // 0 "", 1 "a", 2 "ab", 3 "b", 4 ".", 5 ".a"
        a.transitions = {{{'a', 1}, {'b', 3}, {'.', 4}}, {{'b', 2}}, {}, {}, {{'a', 5}}, {}};
        a.fallbacks = {-1, 0, 3, 0, 0, 1};
        a.matches = {{}, {}, "010", "1", {}, "01"};
        a.noHyphen = "-\0'\0"_ba;
        a.noHyphenCount = 2;
        return a;
    }

    const HyphenDict &build()
    {
        states.assign(transitions.size(), HyphenState{});
        for (std::size_t s = 0; s < states.size(); ++s) {
            states[s].fallback_state = fallbacks[s];
            states[s].num_trans = int(transitions[s].size());
            states[s].trans = transitions[s].data();
            states[s].match = matches[s].isEmpty() ? nullptr : matches[s].data();
        }
        dict.num_states = int(states.size());
        dict.states = states.data();
        dict.nohyphen = noHyphen.data();
        dict.nohyphenl = noHyphenCount - 1;
        return dict;
    }
};

const CachedPatterns::Key someKey{u"/muster.dic"_s, 1, 2, CachedPatterns::checksum("muster")};

} // namespace

// The cache is input like any file: whatever is wrong with it, or stale, it is not used, the
// patterns are built as without it, and the cache is written anew.
class TestCachedPatterns : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void unusableCacheIgnoredAndRebuilt_data()
    {
        QTest::addColumn<Damage>("damage");
        QTest::addRow("cut short")
            << Damage([](QString &, const QString &cache, QByteArray bytes, QDateTime) {
                   return writeFile(cache, bytes.chopped(1));
               });
        QTest::addRow("not a cache")
            << Damage([](QString &, const QString &cache, QByteArray, QDateTime) {
                   return writeFile(cache, smallPatterns);
               });
        // A digit of the last match: sound, but not what was built.
        QTest::addRow("a digit changed")
            << Damage([](QString &, const QString &cache, QByteArray bytes, QDateTime) {
                   bytes[bytes.size() - 1] ^= 1;
                   return writeFile(cache, bytes);
               });
        // The u32 after the 8 bytes of the file's mark.
        QTest::addRow("other format version")
            << Damage([](QString &, const QString &cache, QByteArray bytes, QDateTime) {
                   ++bytes[8];
                   return writeFile(cache, CachedPatterns::sealed(bytes));
               });
        QTest::addRow("patterns touched")
            << Damage([](QString &patterns, const QString &, QByteArray, QDateTime modified) {
                   return setModified(patterns, modified.addSecs(1));
               });
        QTest::addRow("patterns edited, same size and time")
            << Damage([](QString &patterns, const QString &, QByteArray, QDateTime modified) {
                   return writeFile(patterns, QByteArray(smallPatterns).replace("x1y", "x1z")) &&
                          setModified(patterns, modified);
               });
        QTest::addRow("patterns elsewhere")
            << Damage([](QString &patterns, const QString &, QByteArray, QDateTime modified) {
                   patterns = QFileInfo(patterns).dir().filePath(u"anderswo.dic"_s);
                   return writeFile(patterns, smallPatterns) && setModified(patterns, modified);
               });
    }

    void unusableCacheIgnoredAndRebuilt()
    {
        QFETCH(Damage, damage);
        QTemporaryDir folder;
        QString patterns = folder.filePath(u"muster.dic"_s);
        const QString cache = folder.filePath(u"cache/muster.cache"_s);
        QVERIFY(writeFile(patterns, smallPatterns));
        // No cache yet, nor its folder: built from the patterns, then kept.
        const SyllableMarker::Loaded cold = SyllableMarker::load(patterns, cache);
        QVERIFY(cold.marker && !cold.fromCache);
        QVERIFY(SyllableMarker::loadFromCache(patterns, cache));
        QVERIFY(damage(patterns, cache, fileBytes(cache), QFileInfo(patterns).lastModified()));

        QVERIFY(!SyllableMarker::loadFromCache(patterns, cache));
        QVERIFY(!KeptPatterns::open(patterns, cache));
        const SyllableMarker::Loaded loaded = SyllableMarker::load(patterns, cache);
        QVERIFY(loaded.marker && !loaded.fromCache);
        const auto rebuilt = SyllableMarker::loadFromCache(patterns, cache);
        QVERIFY(rebuilt);
        QCOMPARE(rebuilt->markEntry(u"Fenster Zucker"_s), u"Fens-ter Zu-cker"_s);
    }

    // Automata the library never builds, each of which would make its hyphenation read or
    // write out of bounds or search for ever, are refused even behind a right checksum; so
    // are the states of one that a word reaching all of them needs.
    void unsoundAutomatonRefused_data()
    {
        using Change = std::function<void(Automaton &)>;
        QTest::addColumn<Change>("change");
        QTest::addColumn<bool>("accepted");
        QTest::addRow("as the library builds it") << Change([](Automaton &) {}) << true;
        // Not a tree: nothing the library builds, and not written.
        QTest::addRow("transition beyond the states")
            << Change([](Automaton &a) { a.transitions[1][0].new_state = 6; }) << false;
        QTest::addRow("state reached twice")
            << Change([](Automaton &a) { a.transitions[0][1].new_state = 2; }) << false;
        QTest::addRow("states in a loop apart from the start") << Change([](Automaton &a) {
            a.transitions[0] = {{'a', 1}, {'.', 4}};
            a.transitions[1] = {};
            a.transitions[2] = {{'y', 3}};
            a.transitions[3] = {{'z', 2}};
            a.fallbacks[2] = a.fallbacks[3] = -1;
            a.matches[2] = a.matches[3] = {};
        }) << false;
        QTest::addRow("fallbacks in a loop")
            << Change([](Automaton &a) { a.fallbacks[3] = 2; }) << false;
        QTest::addRow("fallback beyond the states")
            << Change([](Automaton &a) { a.fallbacks[1] = 6; }) << false;
        QTest::addRow("start with a fallback")
            << Change([](Automaton &a) { a.fallbacks[0] = 0; }) << false;
        QTest::addRow("match longer than what was read")
            << Change([](Automaton &a) { a.matches[1] = "101"; }) << false;
        QTest::addRow("match at the edge one digit too long")
            << Change([](Automaton &a) { a.matches[5] = "010"; }) << false;
        QTest::addRow("match with a letter")
            << Change([](Automaton &a) { a.matches[3] = "1a"; }) << false;
        QTest::addRow("empty NOHYPHEN item") << Change([](Automaton &a) {
            a.noHyphen = "-\0\0'\0"_ba;
            a.noHyphenCount = 3;
        }) << false;
    }

    void unsoundAutomatonRefused()
    {
        QFETCH(std::function<void(Automaton &)>, change);
        QFETCH(bool, accepted);
        Automaton automaton = Automaton::sound();
        change(automaton);
        const QByteArray bytes = CachedPatterns::write(someKey, automaton.build());
        std::unique_ptr<CachedPatterns> cached =
            bytes.isEmpty() ? nullptr : CachedPatterns::read(bytes, someKey);
        QCOMPARE(bool(cached), accepted);
        if (cached)
            QCOMPARE(CachedPatterns::write(someKey, *cached->dict()), bytes);
        const std::unique_ptr<KeptPatterns> kept = KeptPatterns::fromBytes(bytes, someKey);
        QCOMPARE(kept && kept->statesFor({"ab"_ba}), accepted);
    }

    // The states are stored breadth-first without the transitions' targets: counts of
    // transitions that do not add up to a tree are refused. Each edit says whether it found
    // the bytes it changes, which end the cache: ".", "ab" and ".a" with their matches.
    void transitionCountsRefused_data()
    {
        using Edit = std::function<bool(QByteArray &)>;
        QTest::addColumn<Edit>("edit");
        QTest::addRow("transition beyond the states") << Edit([](QByteArray &b) {
            const bool found = b.endsWith("\0\x02"
                                          "01"_ba);
            b[b.size() - 4] = 1;
            b.insert(b.size() - 2, 'x');
            return found;
        });
        QTest::addRow("state reached by none") << Edit([](QByteArray &b) {
            const bool found = b.sliced(b.size() - 20, 3) == "\x01\0a"_ba;
            b[b.size() - 20] = 0;
            b.remove(b.size() - 18, 1);
            return found;
        });
    }

    void transitionCountsRefused()
    {
        QFETCH(std::function<bool(QByteArray &)>, edit);
        Automaton automaton = Automaton::sound();
        QByteArray bytes = CachedPatterns::write(someKey, automaton.build());
        QVERIFY(edit(bytes));
        QVERIFY(!CachedPatterns::read(CachedPatterns::sealed(bytes), someKey));
    }
};

QTEST_GUILESS_MAIN(TestCachedPatterns)
#include "tst_cachedpatterns.moc"
