// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the settings reader. Checks that the outcome is one of the three
// the program knows, with the values that outcome promises, and that writing what was read
// and reading it again gives the same values after the writer's own tidying. The same bytes,
// taken as UTF-8, are also a letter sequence the teacher enters: saved with the values read,
// it must come back as the rules below say, and leave the file's other four lines intact.

#include "charactercase.h"
#include "settingsfile.h"
#include "syllablepalette.h"
#include "wordpractice.h"

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

QString withoutLineBreaks(const QString &text)
{
    QString kept;
    for (const QChar c : text) {
        if (c != u'\r' && c != u'\n')
            kept += c;
    }
    return kept;
}

// What silben.ini gives back for an entry, written from the rules: line breaks dropped and
// nothing left taken as "abc"; lower case without blanks; UTF-8 is read NFC-normalised; fewer
// than 3 characters read as "abc".
QString readBackEntry(const QString &entered)
{
    QString sequence = withoutLineBreaks(entered);
    if (sequence.isEmpty())
        sequence = QStringLiteral("abc");
    QString tidied;
    for (const QChar c : CharacterCase::lower(sequence)) {
        if (c != u' ')
            tidied += c;
    }
    tidied = tidied.normalized(QString::NormalizationForm_C);
    return characterCount(tidied) < 3 ? QStringLiteral("abc") : tidied;
}

void checkEnteredSequence(const QString &entered, const Settings &read)
{
    Settings saved = read;
    saved.letterSequence =
        SettingsFile::tidyLetterSequence(WordPractice::letterSequenceFromEntry(entered));
    const SettingsFile::ReadResult back = SettingsFile::parse(SettingsFile::format(saved));
    check(back.outcome == SettingsFile::Outcome::Complete);
    check(back.settings.letterSequence == readBackEntry(entered));
    check(back.settings.firstColourIndex == read.firstColourIndex);
    check(back.settings.secondColourIndex == read.secondColourIndex);
    check(back.settings.fontSize == read.fontSize);
    check(back.settings.fontName == withoutLineBreaks(read.fontName));
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
    // Removing a blank may bring a letter and a combining mark together, which the reader
    // composes.
    const QString tidied = settings.letterSequence.normalized(QString::NormalizationForm_C);
    Settings expected = settings;
    expected.letterSequence = characterCount(tidied) < 3 ? QStringLiteral("abc") : tidied;
    expected.fontName = withoutLineBreaks(expected.fontName);
    check(again.settings == expected);

    checkEnteredSequence(QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size)),
                         read.settings);
    return 0;
}
