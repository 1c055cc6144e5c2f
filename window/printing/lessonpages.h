// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printedlesson.h"
#include "printjob.h"

class QDir;

// The pages of a lesson on paper: word cards to cut out, or a reading sheet for the one-minute
// reading check. Any paged device takes them: a printer, its preview or a PDF file.
class LessonPages
{
public:
    enum class Kind
    {
        WordCards,
        ReadingSheet
    };

    // Draws the pages of this kind from the device's first page on, on its paintable area, in
    // its own resolution. In greyscale the two syllable colours become black and a mid grey, so
    // the change of syllable stays visible on a grey printout. Returns false when the device
    // cannot be painted on.
    static bool draw(QPagedPaintDevice *device, Kind kind, const PrintedLesson &lesson,
                     bool greyscale);

    // The pages of this kind as a print job: the preview named after the kind, the PDF file
    // after the list and the kind ("SILBEN-Wortkarten.pdf" for "SILBEN.TXT"), in the folder.
    static PrintJob printJob(Kind kind, const PrintedLesson &lesson, const QDir &folder);
};
