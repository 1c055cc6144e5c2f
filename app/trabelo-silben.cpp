// SPDX-License-Identifier: GPL-3.0-or-later
// trabelo-silben: marks the syllables of word-list lines for teachers, who then correct the
// result by hand. Reads the files named as arguments one after another, or standard input,
// and writes every line marked to standard output as a word list Trabelo reads: UTF-8, CR LF.

#include "commandtexts.h"
#include "syllablemarker.h"
#include "textcodec.h"
#include "wordlistfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

enum ExitStatus
{
    Success = 0,
    FileUnreadable = 1,
    Unusable = 2,
    OutputFailed = 3
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

// Writes the text whole and flushes it; false, with errno set, when the stream took less (a
// full disk, a closed pipe).
bool write(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    const std::size_t size = std::size_t(bytes.size());
    return std::fwrite(bytes.constData(), 1, size, stream) == size && std::fflush(stream) == 0;
}

void complain(const QString &message)
{
    write(stderr, message + u'\n');
}

// The output could not be written whole: the list it holds is cut short.
int outputFailed()
{
    const int error = errno;
    complain(
        CommandTexts::markerCommandWriteFailed.arg(QString::fromLocal8Bit(std::strerror(error))));
    return OutputFailed;
}

// Device and inode of a regular file; nothing for anything else (a terminal, a pipe).
struct FileIdentity
{
    dev_t device;
    ino_t inode;
    friend bool operator==(const FileIdentity &, const FileIdentity &) = default;
};

std::optional<FileIdentity> regularFile(const struct stat &status)
{
    if (!S_ISREG(status.st_mode))
        return std::nullopt;
    return FileIdentity{status.st_dev, status.st_ino};
}

std::optional<FileIdentity> regularFile(int descriptor)
{
    struct stat status = {};
    return fstat(descriptor, &status) == 0 ? regularFile(status) : std::nullopt;
}

std::optional<FileIdentity> regularFile(const QString &name)
{
    struct stat status = {};
    return stat(QFile::encodeName(name).constData(), &status) == 0 ? regularFile(status)
                                                                   : std::nullopt;
}

// True, after saying so, when standard output is one of the files to read. "> LISTE.TXT" has
// emptied it already; ">> LISTE.TXT" would read its own output without end.
bool outputIsAnInput(const QStringList &files)
{
    const std::optional<FileIdentity> output = regularFile(STDOUT_FILENO);
    if (!output)
        return false;
    if (files.isEmpty() || files.contains(u"-"_s)) {
        if (regularFile(STDIN_FILENO) == output) {
            complain(CommandTexts::markerCommandInputIsOutput);
            return true;
        }
    }
    for (const QString &name : files) {
        if (name != u"-" && regularFile(name) == output) {
            complain(CommandTexts::markerCommandFileIsOutput.arg(name));
            return true;
        }
    }
    return false;
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

// False when the marked lines could not be written.
bool markText(const SyllableMarker &marker, const QByteArray &bytes)
{
    QString out;
    for (const QString &line : splitLines(TextCodec::decode(bytes)))
        out += marker.markEntry(line) + QStringLiteral("\r\n");
    return write(stdout, out);
}

// The bytes of a file, or a German reason on standard error. A pipe is read like a file (as
// from "<(...)"); anything beyond the size limit is refused, whatever it is.
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
    WordListFile::Bytes read = WordListFile::readAll(file);
    if (read.status == WordListFile::Bytes::Status::TooLarge)
        complain(CommandTexts::markerCommandFileTooLarge.arg(name).arg(WordListFile::maximumBytes >>
                                                                       20));
    else if (read.status == WordListFile::Bytes::Status::Unreadable)
        complain(CommandTexts::markerCommandFileUnreadable.arg(name));
    bytes = std::move(read.bytes);
    return read.status == WordListFile::Bytes::Status::Read;
}

bool readStandardInput(QByteArray &bytes)
{
    QFile input;
    WordListFile::Bytes read;
    if (input.open(stdin, QIODevice::ReadOnly))
        read = WordListFile::readAll(input);
    if (read.status == WordListFile::Bytes::Status::TooLarge)
        complain(CommandTexts::markerCommandInputTooLarge.arg(WordListFile::maximumBytes >> 20));
    else if (read.status == WordListFile::Bytes::Status::Unreadable)
        complain(CommandTexts::markerCommandInputUnreadable);
    bytes = std::move(read.bytes);
    return read.status == WordListFile::Bytes::Status::Read;
}

// Reads and marks each file in turn, standard input for none or for "-"; the exit status.
int markFiles(const SyllableMarker &marker, QStringList files)
{
    if (files.isEmpty())
        files.append(u"-"_s);
    int status = Success;
    for (const QString &name : std::as_const(files)) {
        QByteArray bytes;
        const bool read = name == u"-" ? readStandardInput(bytes) : readFile(name, bytes);
        if (!read)
            status = FileUnreadable;
        else if (!markText(marker, bytes))
            return outputFailed();
    }
    return status;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    // The program's name, so that the patterns built by either are kept in one cache folder.
    QCoreApplication::setApplicationName(QStringLiteral("Trabelo"));
    const Arguments arguments = parseArguments(QCoreApplication::arguments().mid(1));
    if (arguments.help)
        return write(stdout, CommandTexts::markerCommandHelp) ? Success : outputFailed();
    if (!arguments.unknownOption.isEmpty()) {
        complain(CommandTexts::markerCommandUnknownOption.arg(arguments.unknownOption));
        return Unusable;
    }
    if (outputIsAnInput(arguments.files))
        return OutputFailed;

    const SyllableMarker::Loaded loaded = SyllableMarker::load(
        SyllableMarker::defaultPatternsPath(), SyllableMarker::defaultCachePath());
    if (!loaded.marker) {
        complain(CommandTexts::markerCommandPrefix + loaded.error);
        return Unusable;
    }

    return markFiles(*loaded.marker, arguments.files);
}
