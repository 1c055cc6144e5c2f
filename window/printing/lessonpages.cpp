// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessonpages.h"

#include "readingsheet.h"
#include "windowtexts.h"
#include "wordcards.h"

#include <QDir>
#include <QFileInfo>
#include <QPagedPaintDevice>
#include <QPainter>

const QColor LessonPages::greyFirst = QColor(0, 0, 0);
const QColor LessonPages::greySecond = QColor(128, 128, 128);

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
