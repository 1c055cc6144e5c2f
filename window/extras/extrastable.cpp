// SPDX-License-Identifier: GPL-3.0-or-later
#include "extrastable.h"

#include "windowtexts.h"

using namespace Qt::StringLiterals;

namespace {

QList<ExtraRow> buildRows()
{
    using namespace WindowTexts;
    using enum ExtraKind;
    const QList<ExtraChoice> flashTimes = {
        {0, flashOff}, {300, flash300}, {500, flash500}, {1000, flash1000}, {2000, flash2000}};
    // In menu order; a separator stands before each row that starts a group.
    return {
        {.extra = Extra::AutomaticSyllables,
         .kind = Switch,
         .key = u"AutomaticSyllables"_s,
         .caption = automaticSyllablesEntry,
         .needs = ExtraNeeds::Patterns},
        {.extra = Extra::SyllableArcs,
         .kind = Switch,
         .key = u"SyllableArcs"_s,
         .caption = syllableArcsEntry},

        {.extra = Extra::FlashReading,
         .kind = Choice,
         .key = u"FlashMilliseconds"_s,
         .caption = flashReadingMenu,
         .choices = flashTimes,
         .separatorBefore = true},
        {.extra = Extra::ShowWordAgain,
         .kind = Command,
         .caption = showWordAgainEntry,
         .needs = ExtraNeeds::FlashedWord},

        {.extra = Extra::ReadWord,
         .kind = Command,
         .caption = readWordEntry,
         .needs = ExtraNeeds::Speech,
         .separatorBefore = true},
        {.extra = Extra::ReadSyllables,
         .kind = Command,
         .caption = readSyllablesEntry,
         .needs = ExtraNeeds::Speech},
        {.extra = Extra::SlowSpeech,
         .kind = Switch,
         .key = u"SlowSpeech"_s,
         .caption = slowSpeechEntry,
         .needs = ExtraNeeds::Speech},
        {.extra = Extra::SpeakerButton,
         .kind = Switch,
         .key = u"SpeakerButton"_s,
         .caption = speakerButtonEntry,
         .needs = ExtraNeeds::Speech},

        {.extra = Extra::NoWordSign,
         .kind = Switch,
         .key = u"NoWordSign"_s,
         .caption = noWordSignEntry,
         .separatorBefore = true},

        {.extra = Extra::PrintWordCards,
         .kind = Command,
         .caption = printWordCardsEntry,
         .needs = ExtraNeeds::PrintableWord,
         .separatorBefore = true},
        {.extra = Extra::PrintReadingSheet,
         .kind = Command,
         .caption = printReadingSheetEntry,
         .needs = ExtraNeeds::PrintableWord},

        {.extra = Extra::AllExtrasOff,
         .kind = Command,
         .caption = allExtrasOffEntry,
         .separatorBefore = true},
    };
}

} // namespace

const QList<ExtraRow> &ExtrasTable::rows()
{
    static const QList<ExtraRow> table = [] {
        QList<ExtraRow> rows = buildRows();
        // A row out of place would give an extra another's key or caption: every start fails.
        for (qsizetype i = 0; i < rows.size(); ++i) {
            if (rows[i].extra != static_cast<Extra>(i))
                qFatal("ExtrasTable: row %lld is %s", qlonglong(i), qPrintable(rows[i].caption));
        }
        return rows;
    }();
    return table;
}

const ExtraRow &ExtrasTable::row(Extra extra)
{
    return rows().at(static_cast<qsizetype>(extra));
}
