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
    const Settings &values = read.settings;
    const Settings defaults;
    check(characterCount(values.letterSequence) >= 3);
    switch (read.outcome) {
    case Outcome::Complete:
        check(read.hasFontSize());
        check(SyllablePalette::isValidIndex(values.firstColourIndex));
        check(SyllablePalette::isValidIndex(values.secondColourIndex));
        check(values.fontSize >= Settings::minimumFontSize &&
              values.fontSize <= Settings::maximumFontSize);
        return;
    case Outcome::FileUnusable:
        check(values.letterSequence == QStringLiteral("abc"));
        [[fallthrough]];
    case Outcome::ValueRejected:
        check(!read.hasFontSize());
        check(values.firstColourIndex == SyllablePalette::defaultFirstIndex);
        check(values.secondColourIndex == SyllablePalette::defaultSecondIndex);
        check(values.fontSize == defaults.fontSize);
        check(values.fontName == QStringLiteral("Lateinaus"));
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

    Settings settings = read.settings;
    settings.letterSequence = SettingsFile::tidyLetterSequence(settings.letterSequence);
    // Whatever was read, written again it must read back whole.
    const SettingsFile::ReadResult again = SettingsFile::parse(SettingsFile::format(settings));
    check(again.outcome == SettingsFile::Outcome::Complete);
    const QString &tidied = settings.letterSequence;
    Settings expected = settings;
    expected.letterSequence = characterCount(tidied) < 3 ? QStringLiteral("abc") : tidied;
    check(again.settings == expected);
    return 0;
}
