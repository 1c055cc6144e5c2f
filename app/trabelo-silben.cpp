// SPDX-License-Identifier: GPL-3.0-or-later
// trabelo-silben: marks the syllables of word-list lines for teachers, who then correct the
// result by hand. Reads the files named as arguments one after another, or standard input,
// and writes every line marked to standard output as a word list Trabelo reads: UTF-8, CR LF.

#include "commandtexts.h"
#include "syllablemarker.h"
#include "textcodec.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace {

enum ExitStatus
{
    Success = 0,
    FileUnreadable = 1,
    Unusable = 2
};

struct Arguments
{
    QStringList files;
    bool help = false;
    QString unknownOption;
};

Arguments parseArguments(const QStringList &arguments)
{
    Arguments parsed;
    bool optionsEnded = false;
    for (const QString &argument : arguments) {
        if (optionsEnded || argument == u"-" || !argument.startsWith(u'-'))
            parsed.files.append(argument);
        else if (argument == u"--")
            optionsEnded = true;
        else if (argument == u"-h" || argument == u"--help")
            parsed.help = true;
        else if (parsed.unknownOption.isEmpty())
            parsed.unknownOption = argument;
    }
    return parsed;
}

void write(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
    std::fflush(stream);
}

void complain(const QString &message)
{
    write(stderr, message + u'\n');
}

// Lines end at LF, CR or CR LF, as editors on every system write them; a line end at the very
// end starts no further line.
QStringList splitLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\n' && text[i] != u'\r')
            continue;
        lines.append(text.sliced(start, i - start));
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(text.sliced(start));
    return lines;
}

void markText(const SyllableMarker &marker, const QByteArray &bytes)
{
    QString out;
    for (const QString &line : splitLines(TextCodec::decode(bytes)))
        out += marker.markEntry(line) + QStringLiteral("\r\n");
    write(stdout, out);
}

// The bytes of a file, or a German reason on standard error.
bool readFile(const QString &name, QByteArray &bytes)
{
    const QFileInfo info(name);
    if (!info.exists()) {
        complain(CommandTexts::markerCommandFileMissing.arg(name));
        return false;
    }
    if (info.isDir()) {
        complain(CommandTexts::markerCommandFileIsFolder.arg(name));
        return false;
    }
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        complain(CommandTexts::markerCommandFileUnreadable.arg(name));
        return false;
    }
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        complain(CommandTexts::markerCommandFileUnreadable.arg(name));
        return false;
    }
    return true;
}

QByteArray readStandardInput()
{
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly))
        return {};
    return input.readAll();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    // The program's name, so that the patterns built by either are kept in one cache folder.
    QCoreApplication::setApplicationName(QStringLiteral("Trabelo"));
    const Arguments arguments = parseArguments(QCoreApplication::arguments().mid(1));
    if (arguments.help) {
        write(stdout, CommandTexts::markerCommandHelp);
        return Success;
    }
    if (!arguments.unknownOption.isEmpty()) {
        complain(CommandTexts::markerCommandUnknownOption.arg(arguments.unknownOption));
        return Unusable;
    }

    const SyllableMarker::Loaded loaded = SyllableMarker::load(
        SyllableMarker::defaultPatternsPath(), SyllableMarker::defaultCachePath());
    if (!loaded.marker) {
        complain(CommandTexts::markerCommandPrefix + loaded.error);
        return Unusable;
    }

    if (arguments.files.isEmpty()) {
        markText(*loaded.marker, readStandardInput());
        return Success;
    }
    int status = Success;
    for (const QString &name : arguments.files) {
        QByteArray bytes;
        if (name == u"-")
            markText(*loaded.marker, readStandardInput());
        else if (readFile(name, bytes))
            markText(*loaded.marker, bytes);
        else
            status = FileUnreadable;
    }
    return status;
}
