// SPDX-License-Identifier: GPL-3.0-or-later
#include "syllableruns.h"

QList<SyllableRun> SyllableRuns::of(const QString &word)
{
    return QList<SyllableRun>{{QStringLiteral(" "), 0}} + syllablesOf(word);
}

QList<SyllableRun> SyllableRuns::syllablesOf(const QString &word)
{
    QList<SyllableRun> runs;
    const QStringList pieces = word.split(u'-');
    for (qsizetype k = 0; k < pieces.size(); ++k) {
        if (!pieces[k].isEmpty())
            runs.append({pieces[k], static_cast<int>(k % 2)});
    }
    return runs;
}
