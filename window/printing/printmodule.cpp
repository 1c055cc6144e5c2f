// SPDX-License-Identifier: GPL-3.0-or-later
#include "printmodule.h"

#include "windowtexts.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

QString PrintModule::installedPath()
{
    return QDir(QCoreApplication::applicationDirPath())
        .filePath(QStringLiteral(TRABELO_PRINT_MODULE));
}

QString PrintModule::show(QWidget *parent, const PrintJob &job)
{
    if (!m_entry) {
        // Stays loaded for the rest of the run.
        QLibrary module(m_path);
        m_entry = reinterpret_cast<Entry>(module.resolve(entryName));
        if (!m_entry)
            return WindowTexts::printModuleMissing.arg(QDir::toNativeSeparators(m_path),
                                                       module.errorString());
    }
    m_entry(parent, job);
    return {};
}
