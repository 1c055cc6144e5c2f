// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessonpages.h"

#include "readingsheet.h"
#include "windowtexts.h"
#include "wordcards.h"

#include <QDir>
#include <QFileInfo>
#include <QPagedPaintDevice>
#include <QPainter>

namespace {

// The syllable colours that greyscale prints: apart by half the scale, so that even a pale
// printout shows where a syllable ends.
const QColor greyFirst(0, 0, 0);
const QColor greySecond(128, 128, 128);

} // namespace

bool LessonPages::draw(QPagedPaintDevice *device, Kind kind, const PrintedLesson &lesson,
                       bool greyscale)
{
    QPainter painter;
    if (!painter.begin(device))
        return false;
    PrintedLesson printed = lesson;
    if (greyscale) {
        printed.look.colours[0] = greyFirst;
        printed.look.colours[1] = greySecond;
    }
    switch (kind) {
    case Kind::WordCards:
        WordCards(painter, printed).draw(*device);
        break;
    case Kind::ReadingSheet:
        ReadingSheet(painter, printed).draw(*device);
        break;
    }
    return painter.end();
}

PrintJob LessonPages::printJob(Kind kind, const PrintedLesson &lesson, const QDir &folder)
{
    const QString kindName =
        kind == Kind::WordCards ? WindowTexts::wordCardsKind : WindowTexts::readingSheetKind;
    const QString name =
        WindowTexts::printDocumentName.arg(QFileInfo(lesson.listName).completeBaseName(), kindName);
    return {WindowTexts::printPreviewTitle.arg(kindName), name,
            folder.filePath(name + QStringLiteral(".pdf")),
            [kind, lesson](QPagedPaintDevice *device, bool greyscale) {
                draw(device, kind, lesson, greyscale);
            }};
}
