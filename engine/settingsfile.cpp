// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsfile.h"

#include "charactercase.h"
#include "syllablepalette.h"
#include "textcodec.h"
#include "texts.h"
#include "usercharacters.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <limits>
#include <optional>

namespace {

constexpr qsizetype lineCount = 5;

// The program writes a few dozen bytes. A file whose five lines do not end within this many
// bytes was not written by it (a huge or binary file); it is not read further and takes the
// defaults, so no file can exhaust the memory.
constexpr qint64 maximumBytesRead = 1024 * 1024;

// A letter sequence shorter than this is replaced by the default sequence when read.
constexpr int minimumLetterSequenceLength = 3;

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The number of bytes up to and including the terminator of the fifth line (CR, or CR LF), or
// all of them when the bytes hold fewer line ends. Splitting bytes is safe in both encodings:
// a CR byte is never part of a longer UTF-8 or Windows-1252 character.
qsizetype endOfFifthLine(QByteArrayView bytes)
{
    qsizetype crSeen = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' || ++crSeen < lineCount)
            continue;
        return (i + 1 < bytes.size() && bytes[i + 1] == '\n') ? i + 2 : i + 1;
    }
    return bytes.size();
}

// Whether a fraction (its digits after the point) rounds the whole part up: above one half, or
// exactly one half and the whole part odd (ties go to the even neighbour).
bool fractionRoundsUp(QStringView fractionDigits, bool wholePartIsOdd)
{
    const QChar lead = fractionDigits[0];
    if (lead != u'5')
        return lead > u'5';
    const QStringView rest = fractionDigits.sliced(1);
    const bool exactlyHalf =
        std::all_of(rest.begin(), rest.end(), [](QChar c) { return c == u'0'; });
    return !exactlyHalf || wholePartIsOdd;
}

// The whole number a number field stands for. A field is blanks (U+0020), then an optional
// sign, ASCII digits and optionally a point with more digits, then blanks; an empty field is 0.
// A fraction is rounded to the nearest whole number, ties to the even one. Returns nothing for
// anything else ("2,5", "nan", "0x10", "1e3", ".5", "5.") and for a value beyond int's range.
std::optional<int> wholeNumber(QStringView field)
{
    while (field.startsWith(u' '))
        field = field.sliced(1);
    while (field.endsWith(u' '))
        field.chop(1);
    if (field.isEmpty())
        return 0;

    qsizetype i = 0;
    const bool negative = field[0] == u'-';
    if (field[0] == u'-' || field[0] == u'+')
        ++i;

    // Saturates just beyond int's range, so any number of digits stays well defined.
    constexpr qint64 beyondRange = qint64(std::numeric_limits<int>::max()) + 2;
    qint64 magnitude = 0;
    const qsizetype firstDigit = i;
    for (; i < field.size() && isAsciiDigit(field[i]); ++i)
        magnitude = std::min(magnitude * 10 + (field[i].unicode() - u'0'), beyondRange);
    if (i == firstDigit)
        return std::nullopt;

    if (i < field.size() && field[i] == u'.') {
        const qsizetype firstFractionDigit = ++i;
        while (i < field.size() && isAsciiDigit(field[i]))
            ++i;
        if (i == firstFractionDigit)
            return std::nullopt;
        if (fractionRoundsUp(field.sliced(firstFractionDigit, i - firstFractionDigit),
                             magnitude % 2 == 1))
            ++magnitude;
    }
    if (i != field.size())
        return std::nullopt;

    const qint64 value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(value);
}

// " 5 " for 5, "-3 " for -3: the sign's place is a blank for a number that is not negative.
QString numberField(int value)
{
    const QString digits = QString::number(value);
    return (value < 0 ? digits : u' ' + digits) + u' ';
}

// A line break inside a value would split the file: the values after it would move to the
// wrong lines, and the next start would take the defaults.
QString withoutLineBreaks(QString value)
{
    value.removeIf([](QChar c) { return c == u'\r' || c == u'\n'; });
    return value;
}

SettingsFile::ReadResult unusableFile()
{
    return {SettingsFile::Outcome::FileUnusable, Settings{}};
}

SettingsFile::ReadResult rejectedValue(const QString &letterSequence)
{
    Settings defaults;
    defaults.letterSequence = letterSequence;
    return {SettingsFile::Outcome::ValueRejected, defaults};
}

} // namespace

SettingsFile::ReadResult SettingsFile::read(const QString &path)
{
    // Only a regular file is read: a folder, a device or a pipe is no settings file and could
    // block or never end.
    if (!QFileInfo(path).isFile())
        return unusableFile();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return unusableFile();
    // One byte more than allowed tells a file that is too long; the buffer is no larger than
    // the file needs (a read reserves all it is allowed before it reads).
    QByteArray bytes = file.read(qMin(file.size(), maximumBytesRead) + 1);
    if (file.error() != QFileDevice::NoError)
        return unusableFile();
    if (bytes.size() > maximumBytesRead) {
        bytes.truncate(maximumBytesRead);
        if (endOfFifthLine(bytes) == bytes.size())
            return unusableFile();
    }
    return parse(bytes);
}

// The steps of reading, each of which may end it: the five lines must be there, then the two
// colour indexes and the size must be numbers in their ranges. A font name is never refused:
// any family name is accepted for the word field's font (an unknown one is matched to an
// installed font when drawing), so reading cannot fail when the name is applied.
SettingsFile::ReadResult SettingsFile::parse(QByteArrayView bytes)
{
    const QStringList lines =
        TextCodec::splitLines(TextCodec::decode(bytes.first(endOfFifthLine(bytes))), lineCount);
    if (lines.size() < lineCount)
        return unusableFile();

    // Characters as the reader sees them: "ł" or "😀" alone is a sequence of one character.
    const QString letterSequence =
        UserCharacters::count(lines[0], minimumLetterSequenceLength) < minimumLetterSequenceLength
            ? Texts::defaultLetterSequence
            : lines[0];
    const std::optional<int> first = wholeNumber(lines[1]);
    if (!first || !SyllablePalette::isValidIndex(*first))
        return rejectedValue(letterSequence);
    const std::optional<int> second = wholeNumber(lines[2]);
    if (!second || !SyllablePalette::isValidIndex(*second))
        return rejectedValue(letterSequence);
    const std::optional<int> size = wholeNumber(lines[3]);
    if (!size || !Settings::isFontSize(*size))
        return rejectedValue(letterSequence);

    return {Outcome::Complete, {letterSequence, *first, *second, *size, lines[4]}};
}

QString SettingsFile::tidyLetterSequence(const QString &sequence)
{
    QString tidy = withoutLineBreaks(CharacterCase::lower(sequence));
    tidy.remove(u' ');
    return tidy;
}

QByteArray SettingsFile::format(const Settings &settings)
{
    const QString lineEnd = QStringLiteral("\r\n");
    const QString text = withoutLineBreaks(settings.letterSequence) + lineEnd +
                         numberField(settings.firstColourIndex) + lineEnd +
                         numberField(settings.secondColourIndex) + lineEnd +
                         numberField(settings.fontSize) + lineEnd +
                         withoutLineBreaks(settings.fontName) + lineEnd;
    return TextCodec::encode(text);
}

SettingsFile::WriteResult SettingsFile::write(const QString &path, const Settings &settings)
{
    // The new contents go to a temporary file that replaces the old one only when complete.
    // Where the folder allows no new file but the file itself may be written, it is written
    // in place instead, which is not atomic but still saves the settings.
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    // Unbuffered, so every failed write reaches QSaveFile itself: a failure that only showed
    // when commit() flushed a buffer (a full disk) would be committed as a truncated file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {false, file.errorString()};
    const QByteArray bytes = format(settings);
    for (qsizetype written = 0; written < bytes.size();) {
        const qint64 step = file.write(bytes.constData() + written, bytes.size() - written);
        if (step <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return {false, reason};
        }
        written += step;
    }
    if (!file.commit())
        return {false, file.errorString()};
    return {true, {}};
}
