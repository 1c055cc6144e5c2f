// SPDX-License-Identifier: GPL-3.0-or-later
#include "layouttable.h"

#include "texts.h"
#include "twips.h"
#include "windowtexts.h"

using namespace Qt::StringLiterals;

namespace {

constexpr auto fixed = LayoutColour::fixed;
constexpr auto white = LayoutColour::fixed(255, 255, 255);
constexpr auto windowText = LayoutColour::windowText();
constexpr auto windowBackground = LayoutColour::windowBackground();
constexpr Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;

const QString arial = u"Arial"_s;
const QString msSansSerif = u"MS Sans Serif"_s;

// The top row: labels at Top 120, 495 high, Arial 18 pt, centred, with a border.
ControlLayout topRow(Control control, const QString &name, int left, int width,
                     const QString &caption, const QString &tooltip, LayoutColour background,
                     LayoutColour text)
{
    return {.control = control,
            .objectName = name,
            .left = left,
            .top = 120,
            .width = width,
            .height = 495,
            .caption = caption,
            .tooltip = tooltip,
            .background = background,
            .text = text,
            .fontFamily = arial,
            .fontPointSize = 18,
            .border = true,
            .alignment = centred};
}

// The width buttons of the bottom row: 615 × 255 at Top 6720, MS Sans Serif 12 pt, border.
ControlLayout widthButton(Control control, const QString &name, int left, const QString &caption,
                          LayoutColour background)
{
    return {.control = control,
            .objectName = name,
            .left = left,
            .top = 6720,
            .width = 615,
            .height = 255,
            .caption = caption,
            .background = background,
            .text = windowText,
            .fontFamily = msSansSerif,
            .fontPointSize = 12,
            .border = true,
            .alignment = centred};
}

ControlLayout popupList(Control control, const QString &name, int left, int width, int height,
                        LayoutColour background)
{
    return {.control = control,
            .objectName = name,
            .left = left,
            .top = LayoutTable::hiddenTop,
            .width = width,
            .height = height,
            .background = background,
            .text = white,
            .fontFamily = arial,
            .fontPointSize = 9.75,
            .border = true};
}

QList<ControlLayout> buildControls()
{
    using namespace Texts;
    using namespace WindowTexts;
    return {
        {.control = Control::Band,
         .objectName = u"Figur2"_s,
         .left = 0,
         .top = 0,
         .width = 13940,
         .height = 735,
         .background = fixed(192, 192, 192)},

        topRow(Control::ExitButton, u"Bezeichnung6"_s, 120, 495, exitCaption, exitTooltip,
               fixed(0, 0, 255), fixed(255, 0, 0)),
        topRow(Control::FontsButton, u"Bezeichnung5"_s, 720, 495, fontsCaption, fontsTooltip,
               fixed(0, 128, 0), white),
        topRow(Control::FirstSwatch, u"Bezeichnung9"_s, 1320, 495, firstColourCaption,
               firstColourTooltip, fixed(0, 192, 0), white),
        topRow(Control::SecondSwatch, u"Bezeichnung10"_s, 1800, 495, secondColourCaption,
               secondColourTooltip, fixed(0, 0, 255), white),
        topRow(Control::LetterEntryButton, u"Label1"_s, 2400, 1095, letterEntryCaption,
               letterEntryTooltip, fixed(255, 255, 0), windowText),
        topRow(Control::LetterSequence, u"abc"_s, 3600, 7095, letterSequencePlaceholder,
               letterSequenceTooltip, windowBackground, windowText),
        topRow(Control::OrderMode, u"Bezeichnung11"_s, 10800, 2415, orderAlphabetical,
               orderModeTooltip, fixed(255, 192, 192), windowText),
        topRow(Control::FilesButton, u"Bezeichnung2"_s, 13320, 495, fileChooserCaption,
               fileChooserTooltip, fixed(192, 64, 0), white),

        widthButton(Control::NarrowButton, u"Label2"_s, 120, narrowCaption, fixed(255, 128, 0)),
        widthButton(Control::MediumButton, u"Label3"_s, 840, mediumCaption, fixed(255, 0, 0)),
        widthButton(Control::WideButton, u"Label4"_s, 1560, wideCaption, fixed(192, 0, 192)),
        {.control = Control::FileName,
         .objectName = u"Bezeichnung1"_s,
         .left = 2280,
         .top = 6750,
         .width = 3015,
         .height = 285,
         .caption = defaultWordListFile,
         .background = fixed(224, 224, 224),
         .text = fixed(64, 64, 64),
         .fontFamily = msSansSerif,
         .fontPointSize = 8.25,
         .border = false,
         .alignment = Qt::AlignLeft | Qt::AlignTop},
        {.control = Control::WordCount,
         .objectName = u"Bezeichnung7"_s,
         .left = 12000,
         .top = 6720,
         .width = 1815,
         .height = 255,
         .caption = wordCountInitial,
         .tooltip = wordCountTooltip,
         .background = fixed(224, 224, 224),
         .text = windowText,
         .fontFamily = msSansSerif,
         .fontPointSize = 9.75,
         .border = false,
         .alignment = Qt::AlignRight | Qt::AlignTop},

        // Laid out at 24 pt, the field starts at the size bar's value instead, so that bar
        // and field never disagree.
        {.control = Control::WordField,
         .objectName = u"farbfeld"_s,
         .left = 360,
         .top = 960,
         .width = 13460,
         .height = 5655,
         .background = white,
         .fontFamily = arial,
         .fontPointSize = Settings::startFontSize,
         .border = true},
        // Overlaps the field's left border by 15 twips and lies in front of it.
        {.control = Control::SizeBar,
         .objectName = u"VBildlauf1"_s,
         .left = 120,
         .top = 960,
         .width = 255,
         .height = 5655},

        popupList(Control::FontList, u"Liste1"_s, 1200, 2295, 1470, fixed(0, 128, 0)),
        popupList(Control::FileList, u"Datei1"_s, 10800, 2535, 1950, fixed(192, 64, 0)),

        // Right of the file name, in the grey of the bottom row's texts: seen by a teacher who
        // looks for it, quiet for a child looking at the word.
        {.control = Control::ExtrasCue,
         .objectName = u"extrasCue"_s,
         .left = 5400,
         .top = 6750,
         .width = 1200,
         .height = 285,
         .caption = extrasCue,
         .background = fixed(224, 224, 224),
         .text = fixed(96, 96, 96),
         .fontFamily = msSansSerif,
         .fontPointSize = 8.25,
         .border = false,
         .alignment = Qt::AlignLeft | Qt::AlignTop},
        // In the free band below the word field, as tall as it allows: a child's target. It
        // overlaps no control in any width mode.
        {.control = Control::SpeakerButton,
         .objectName = u"speakerButton"_s,
         .left = 7200,
         .top = 6630,
         .width = 675,
         .height = 465,
         .tooltip = speakerTooltip,
         .background = fixed(255, 255, 192),
         .text = windowText,
         .fontFamily = msSansSerif,
         .fontPointSize = 8.25,
         .border = true},
    };
}

} // namespace

const std::array<WidthLayout, 3> LayoutTable::widths = {{
    // client, band, field, count left
    {13920, 13940, 13460, 12000}, // narrow "-"
    {16920, 16940, 16460, 15000}, // medium "- -"
    {19920, 19940, 19460, 18000}, // wide "- - -"
}};

QColor LayoutColour::resolve(const QPalette &desktop) const
{
    switch (source) {
    case Source::Fixed:
        return QColor(rgb);
    case Source::WindowBackground:
        return desktop.color(QPalette::Base);
    case Source::WindowText:
        return desktop.color(QPalette::Text);
    }
    return {};
}

QRect ControlLayout::pixelRect() const
{
    return Twips::toPixels(left, top, width, height);
}

QFont ControlLayout::font() const
{
    QFont font(fontFamily);
    font.setPointSizeF(fontPointSize);
    font.setBold(true);
    return font;
}

const QList<ControlLayout> &LayoutTable::controls()
{
    static const QList<ControlLayout> table = [] {
        QList<ControlLayout> rows = buildControls();
        // A row out of place would give a control another's geometry: every start fails instead.
        for (qsizetype i = 0; i < rows.size(); ++i) {
            if (rows[i].control != static_cast<Control>(i))
                qFatal("LayoutTable: row %lld is %s", qlonglong(i), qPrintable(rows[i].objectName));
        }
        return rows;
    }();
    return table;
}

const ControlLayout &LayoutTable::control(Control control)
{
    return controls().at(static_cast<qsizetype>(control));
}

const WidthLayout &LayoutTable::width(WidthMode mode)
{
    return widths.at(static_cast<std::size_t>(mode));
}
