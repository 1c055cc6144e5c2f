// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printjob.h"

class QWidget;

// Shows pages in a print preview, from which the teacher prints them on a printer or into a PDF
// file. Tests put a recorder in its place.
class PrintPreview
{
public:
    virtual ~PrintPreview() = default;

    // Blocks until the preview is closed. Returns why it could not be shown, in German, or an
    // empty text.
    virtual QString show(QWidget *parent, const PrintJob &job) = 0;
};
