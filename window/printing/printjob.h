// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class QPagedPaintDevice;

// Pages to print: what the print preview shows and the printer or the PDF file receives.
struct PrintJob
{
    QString title;        // of the preview
    QString documentName; // the print system's name of the job; the dialog's PDF file name
    QString pdfPath;      // the PDF file offered when no printer is installed
    // Draws every page on the device, from its first page on; greyscale when the print dialog
    // asks for grey.
    std::function<void(QPagedPaintDevice *device, bool greyscale)> draw;
};
