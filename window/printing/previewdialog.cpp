// SPDX-License-Identifier: GPL-3.0-or-later
// The print module: the toolkit's print preview and print dialog, loaded by the program at its
// first print (PrintModule), so that its start never loads the print support.
#include "printjob.h"
#include "printmodule.h"

#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {

// Room for the printer's own unprintable edge and for the scissors.
constexpr qreal pageMarginMm = 10;

} // namespace

extern "C" Q_DECL_EXPORT void trabeloShowPrintPreview(QWidget *parent, const PrintJob &job)
{
    static_assert(std::is_same_v<decltype(&trabeloShowPrintPreview), PrintModule::Entry>);
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(job.documentName);
    printer.setPageMargins(QMarginsF(pageMarginMm, pageMarginMm, pageMarginMm, pageMarginMm),
                           QPageLayout::Millimeter);
    // Without a printer installed the printer object writes PDF, and the dialog offers this file.
    if (printer.outputFormat() == QPrinter::PdfFormat)
        printer.setOutputFileName(job.pdfPath);

    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("printPreview"));
    dialog.setWindowTitle(job.title);
    QObject::connect(
        &dialog, &QPrintPreviewDialog::paintRequested, &dialog,
        [&job](QPrinter *target) { job.draw(target, target->colorMode() == QPrinter::GrayScale); });
    dialog.exec();
}
