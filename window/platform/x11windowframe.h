// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <qnamespace.h>

#include <chrono>
#include <cstdint>
#include <optional>

class QWidget;
struct xcb_connection_t;

// The frame an X11 window manager draws around a top-level window. Before the window first
// maps, it asks for a title bar with the caption only and learns the size of that frame, so
// the window can be centred with its real outer size and does not jump once it is mapped.
// On any platform but xcb (offscreen, Wayland) every operation does nothing. Under XWayland
// the compositor's own X11 window manager answers, or not: one that does not list the request
// for frame extents is not asked, one that lists it but stays silent costs at most extentsWait.
class X11WindowFrame
{
public:
    // The Motif window-manager hints: which parts of a frame a window asks for, and which
    // actions the window manager may offer for it.
    enum MotifFunction : std::uint32_t
    {
        FunctionResize = 1u << 1,
        FunctionMove = 1u << 2,
        FunctionMinimize = 1u << 3,
        FunctionMaximize = 1u << 4,
        FunctionClose = 1u << 5,
    };
    enum MotifDecoration : std::uint32_t
    {
        DecorationBorder = 1u << 1,
        DecorationTitle = 1u << 3,
    };

    // Gives up on the window manager's frame extents after this long: it may claim to
    // answer and never do, and the start must not wait for it.
    static constexpr std::chrono::milliseconds extentsWait{200};

    // For a top-level window that is created but not yet mapped (its first show event):
    // asks for a border and a title bar, allows the window's functions, and, when the window
    // manager tells the frame's extents in time, centres the frame on the window's screen.
    // Without them the window stays where it was placed.
    static void prepareFirstMap(QWidget *window);

    // The Motif functions of a window with these flags: it can always be moved, the rest as
    // its flags and size allow. Closing is offered only for a close button: a window with a
    // caption only is left through its own controls.
    static std::uint32_t allowedFunctions(Qt::WindowFlags flags, bool resizable);

    // The top-left corner of a frame with these extents around a client area of this size,
    // centred on the screen area; odd halves are rounded up and to the left.
    static QPoint centredFramePosition(const QRect &screen, const QSize &client,
                                       const QMargins &extents);

private:
    X11WindowFrame(xcb_connection_t *connection, std::uint32_t window);

    void setMotifHints(std::uint32_t functions, std::uint32_t decorations) const;
    std::optional<QMargins> requestFrameExtents(std::chrono::milliseconds wait) const;
    bool windowManagerSupports(std::uint32_t atom) const;
    std::optional<QMargins> frameExtents() const;

    xcb_connection_t *m_connection;
    std::uint32_t m_window;
    std::uint32_t m_root = 0;
    std::uint32_t m_motifHints = 0;
    std::uint32_t m_supported = 0;
    std::uint32_t m_requestExtents = 0;
    std::uint32_t m_extents = 0;
};
