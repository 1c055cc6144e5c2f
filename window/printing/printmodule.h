// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printpreview.h"

#include <QString>

// The toolkit's print preview and print dialog, from a module of their own that is loaded at
// the first print: the print support stays off the start-up path of a program that rarely
// prints.
class PrintModule : public PrintPreview
{
public:
    // The module's file; it is not opened before the first show().
    explicit PrintModule(const QString &path) : m_path(path) {}

    // Where the installed program finds its module, relative to its own folder.
    static QString installedPath();

    QString show(QWidget *parent, const PrintJob &job) override;

    // The module's entry point, which shows the preview.
    using Entry = void (*)(QWidget *parent, const PrintJob &job);
    static constexpr char entryName[] = "trabeloShowPrintPreview";

private:
    QString m_path;
    Entry m_entry = nullptr;
};
