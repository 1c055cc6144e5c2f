// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QStringList>

// Turns the bytes of the program's text files into text and back.
//
// The files come from German Windows systems (Windows-1252, one byte per character) or from
// today's editors (UTF-8). A file that is valid UTF-8 and holds at least one non-ASCII byte is
// read as UTF-8, without a leading byte order mark and normalised to NFC, so a decomposed ü
// counts as ü; every other file is read as Windows-1252. German Windows-1252 text is practically
// never valid UTF-8, so old lists read as they always did.
class TextCodec
{
public:
    static QString decode(QByteArrayView bytes);

    // Windows-1252 when every character fits and the bytes read back to the same text;
    // otherwise UTF-8 with a byte order mark, so no letter is ever lost.
    static QByteArray encode(QStringView text);

    // Lines end at CR or CR LF; a LF on its own is an ordinary character. A terminator at the
    // very end starts no further line; two in a row give an empty line. With maxLines >= 0,
    // splitting stops after that many lines.
    static QStringList splitLines(QStringView text, qsizetype maxLines = -1);

private:
    static bool isAscii(QByteArrayView bytes);
};
