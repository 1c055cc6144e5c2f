// SPDX-License-Identifier: GPL-3.0-or-later
#include "germantranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool installGermanTranslation(QCoreApplication *application)
{
    auto *translator = new QTranslator(application);
    if (!translator->load(QStringLiteral("qtbase_de"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}
