#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QPalette>
#include <QRect>
#include <QString>

#include <array>

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

// One control of the main window as laid out: geometry in twips from the top-left corner of
// the client area, and its look. Every font is bold.
struct ControlLayout
{
    enum class Kind
    {
        Band,      // the grey rectangle behind the top row
        Label,     // a label; most of them act as buttons
        WordField, // the white field the word is drawn into
        SizeBar,   // the vertical scroll bar that sets the font size
        PopupList  // a list parked out of sight until its button shows it
    };

    QString name{};
    Kind kind = Kind::Label;
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
    int windowWidth; // outer width, a frame of 45 twips on each side included
    int clientWidth;
    int bandWidth;
    int fieldWidth;
    int countLeft;
};

// Every value of the main window's layout, in one table that reads like its description.
// The word queue, the current word and the two start-up measurements are not controls here:
// the engine and the window keep them as data.
class LayoutTable
{
public:
    // Every control, from back to front: the band, the labels, the word field, the size bar,
    // the pop-up lists. Later rows lie in front of earlier ones.
    static const QList<ControlLayout> &controls();
    // The row of the named control; the name must be one of the table.
    static const ControlLayout &control(QStringView name);

    static const WidthLayout &width(WidthMode mode);

    static constexpr int clientWidth = 13920;
    static constexpr int clientHeight = 7110;
    static constexpr int frameWidth = 45;
    static constexpr QRgb windowBackground = qRgb(224, 224, 224);

    static constexpr QRgb bandOutline = qRgb(128, 128, 128);
    static constexpr int bandOutlinePixels = 3;

    // Top edges of a pop-up list: shown level with the top row, or hidden below the window.
    static constexpr int shownTop = 120;
    static constexpr int hiddenTop = 9000;

    static constexpr int sizeBarMinimum = 18;
    static constexpr int sizeBarMaximum = 200;
    static constexpr int sizeBarStep = 2;
    static constexpr int sizeBarStart = 48;

private:
    static const std::array<WidthLayout, 3> widths;
};
