// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QPalette>
#include <QRect>
#include <QString>

#include <array>

#include "settings.h"

// A colour of the layout: a fixed colour, or one of the desktop's colours for an ordinary
// window (white and black on a default desktop).
struct LayoutColour
{
    enum class Source
    {
        Fixed,
        WindowBackground,
        WindowText
    };

    Source source = Source::Fixed;
    QRgb rgb = 0;

    static constexpr LayoutColour fixed(int red, int green, int blue)
    {
        return {Source::Fixed, qRgb(red, green, blue)};
    }
    static constexpr LayoutColour windowBackground() { return {Source::WindowBackground, 0}; }
    static constexpr LayoutColour windowText() { return {Source::WindowText, 0}; }

    QColor resolve(const QPalette &desktop) const;
};

// The controls of the main window, from back to front as the layout table lists them.
enum class Control
{
    Band, // the grey rectangle behind the top row
    ExitButton,
    FontsButton,
    FirstSwatch,
    SecondSwatch,
    LetterEntryButton,
    LetterSequence,
    OrderMode,
    FilesButton,
    NarrowButton,
    MediumButton,
    WideButton,
    FileName,
    WordCount,
    WordField, // the white field the word is drawn into
    SizeBar,   // the vertical scroll bar that sets the font size
    FontList,  // pop-up lists, parked out of sight until their buttons show them
    FileList,
    // The extras' controls, hidden while their extras are off.
    ExtrasCue,     // a quiet note in the bottom row that extras are on
    SpeakerButton, // reads the word aloud
};

// One control of the main window as laid out: geometry in twips from the top-left corner of
// the client area, and its look. Every font is bold.
struct ControlLayout
{
    Control control{};
    QString objectName{}; // the control's given name, which assistive tools and checks use
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    QString caption{};
    QString tooltip{};
    LayoutColour background{};
    LayoutColour text = LayoutColour::windowText();
    QString fontFamily{};
    qreal fontPointSize = 0;
    bool border = false;
    Qt::Alignment alignment = Qt::AlignHCenter | Qt::AlignTop;

    QRect pixelRect() const;
    QFont font() const;
};

// The width modes of the window. Only the band, the word field and the word count follow
// the width; everything else stays where it is.
enum class WidthMode
{
    Narrow,
    Medium,
    Wide
};

struct WidthLayout
{
    int clientWidth;
    int bandWidth;
    int fieldWidth;
    int countLeft;
};

// Every value of the main window's layout, in one table that reads like its description.
// The word queue and the current word are not controls here: the engine keeps them as data.
class LayoutTable
{
public:
    // Every control, from back to front in the order of Control: the band, the labels, the
    // word field, the size bar, the pop-up lists. Later rows lie in front of earlier ones.
    static const QList<ControlLayout> &controls();
    static const ControlLayout &control(Control control);

    static const WidthLayout &width(WidthMode mode);

    static constexpr int clientWidth = 13920;
    static constexpr int clientHeight = 7110;
    static constexpr int frameWidth = 45;
    static constexpr QRgb windowBackground = qRgb(224, 224, 224);

    static constexpr QRgb bandOutline = qRgb(128, 128, 128);
    // The letter sequence's background while no entry fits it: amber, not the red of a list
    // that cannot be read.
    static constexpr QRgb noWordSignBackground = qRgb(255, 200, 64);
    static constexpr int bandOutlinePixels = 3;

    // Top edges of a pop-up list: shown level with the top row, or hidden below the window.
    static constexpr int shownTop = 120;
    static constexpr int hiddenTop = 9000;

    // The size bar runs over the font sizes of Settings, in steps of two points.
    static constexpr int sizeBarStep = 2;

private:
    static const std::array<WidthLayout, 3> widths;
};
