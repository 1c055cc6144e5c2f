// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the settings reader. Checks that the outcome is one of the three
// the program knows, with the values that outcome promises, and that writing what was read
// and reading it again gives the same values after the writer's own tidying.

#include "settingsfile.h"
#include "syllablepalette.h"

#include <QTextBoundaryFinder>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

int characterCount(const QString &text)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    int count = 0;
    while (finder.toNextBoundary() > 0)
        ++count;
    return count;
}

void check(bool condition, int line = __builtin_LINE())
{
    if (!condition) {
        std::fprintf(stderr, "fuzz_settings: check at line %d failed\n", line);
        std::abort();
    }
}

void checkOutcome(const SettingsFile::ReadResult &read)
{
    using Outcome = SettingsFile::Outcome;
    check(characterCount(read.letterSequence) >= 3);
    switch (read.outcome) {
    case Outcome::Complete:
        check(read.firstColourIndex >= 0 && read.firstColourIndex < SyllablePalette::colourCount);
        check(read.secondColourIndex >= 0 && read.secondColourIndex < SyllablePalette::colourCount);
        check(read.fontSize && *read.fontSize >= SettingsFile::minimumFontSize &&
              *read.fontSize <= SettingsFile::maximumFontSize);
        return;
    case Outcome::FileUnusable:
        check(read.letterSequence == QStringLiteral("abc"));
        [[fallthrough]];
    case Outcome::ValueRejected:
        check(read.firstColourIndex == SyllablePalette::defaultFirstIndex);
        check(read.secondColourIndex == SyllablePalette::defaultSecondIndex);
        check(!read.fontSize);
        check(read.fontName == QStringLiteral("Lateinaus"));
        return;
    }
    check(false);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const SettingsFile::ReadResult read =
        SettingsFile::parse(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    checkOutcome(read);

    const Settings settings{SettingsFile::tidyLetterSequence(read.letterSequence),
                            read.firstColourIndex, read.secondColourIndex,
                            read.fontSize.value_or(48), read.fontName};
    // Whatever was read, written again it must read back whole.
    const SettingsFile::ReadResult again = SettingsFile::parse(SettingsFile::format(settings));
    check(again.outcome == SettingsFile::Outcome::Complete);
    const QString &tidied = settings.letterSequence;
    check(again.letterSequence == (characterCount(tidied) < 3 ? QStringLiteral("abc") : tidied));
    check(again.firstColourIndex == settings.firstColourIndex);
    check(again.secondColourIndex == settings.secondColourIndex);
    check(again.fontSize == settings.fontSize);
    check(again.fontName == settings.fontName);
    return 0;
}
