// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "colouredword.h"

#include <QFont>
#include <QList>
#include <QString>

// What goes on paper: the words as the word field would draw them, in its font and colours.
struct PrintedLesson
{
    QList<QList<SyllableRun>> words; // each word's syllables, without marks, in print order
    QFont font;                      // the field's family and style; the pages choose the size
    ColouredWord::Look look;
    QString listName;       // as the file-name label shows it
    QString letterSequence; // the letters the words were filtered by
};
