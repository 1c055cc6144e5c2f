// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes through the letter filter with sound units and sight words and checks
// what must hold whatever the input: naming one more comma-separated part in the sequence
// never lets a passing word or line fail, and for a sequence that names no unit, a word or
// line without any unit passes with the units on exactly when it passes with them off.
// Input, separated by NUL bytes: the letter sequence, the part added to it and the sight
// words (UTF-8), then the bytes of the word-list file.

#include "charactercase.h"
#include "letterfilter.h"
#include "textcodec.h"

#include <QDebug>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

const QStringList unitNames = {u"sch"_s, u"chs"_s, u"ch"_s, u"ck"_s, u"ei"_s, u"ai"_s,
                               u"au"_s,  u"eu"_s,  u"äu"_s, u"ie"_s, u"qu"_s, u"pf"_s,
                               u"tz"_s,  u"ph"_s,  u"sp"_s, u"st"_s};

QString folded(const QString &text)
{
    return CharacterCase::lower(text.normalized(QString::NormalizationForm_C));
}

bool holdsUnit(const QString &text)
{
    const QString f = folded(text);
    return std::any_of(unitNames.begin(), unitNames.end(),
                       [&](const QString &unit) { return f.contains(unit); });
}

bool namesUnit(const QString &sequence)
{
    const QStringList parts = sequence.split(u',');
    return std::any_of(parts.begin(), parts.end(), [](const QString &part) {
        return unitNames.contains(folded(QString(part).remove(u' ')));
    });
}

// Below U+0300 and without CR no character of the sequence joins its neighbour across a
// comma, so its allowed characters only grow with a new part. (A leading combining mark
// would join the comma before it, which the plain filter does as well.)
bool standsApart(const QString &text)
{
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() < 0x300 && c != u'\r'; });
}

void fail(const char *property, const QString &sequence, const QString &text)
{
    qWarning() << property << "sequence" << sequence << "text" << text;
    std::abort();
}

QString field(QByteArrayView &input)
{
    const qsizetype end = input.indexOf('\0');
    const QString text = QString::fromUtf8(end < 0 ? input : input.first(end)).left(64);
    input = end < 0 ? QByteArrayView() : input.sliced(end + 1);
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArrayView input(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString sequence = field(input);
    const QString part = field(input);
    const QStringList sightWords = field(input).split(u' ', Qt::SkipEmptyParts);
    const QStringList lines = TextCodec::splitLines(TextCodec::decode(input));

    const LetterFilter units(sequence, {true, sightWords});
    const QString longer = sequence + u',' + part;
    const LetterFilter moreUnits(longer, {true, sightWords});
    const bool growing = standsApart(sequence) && standsApart(part);
    const LetterFilter plain(sequence);
    const LetterFilter plainUnits(sequence, {true, {}});
    const bool noUnitNamed = !namesUnit(sequence);

    QStringList queue;
    for (const QString &line : lines) {
        units.appendPassing(line, queue);
        if (growing && units.passesUpperCased(line) && !moreUnits.passesUpperCased(line))
            fail("a new part lets a line fail", longer, line);
        if (noUnitNamed && !holdsUnit(line) &&
            plain.passesUpperCased(line) != plainUnits.passesUpperCased(line))
            fail("a line without units passes otherwise with them", sequence, line);
        for (const QStringView word : QStringView(line).tokenize(u' ', Qt::SkipEmptyParts)) {
            if (growing && units.passes(word) && !moreUnits.passes(word))
                fail("a new part lets a word fail", longer, word.toString());
            if (noUnitNamed && !holdsUnit(word.toString()) &&
                plain.passes(word) != plainUnits.passes(word))
                fail("a word without units passes otherwise with them", sequence, word.toString());
        }
    }
    return 0;
}
