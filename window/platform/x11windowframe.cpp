// SPDX-License-Identifier: GPL-3.0-or-later
#include "x11windowframe.h"

#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <xcb/xcb.h>

#include <array>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>

namespace {

struct FreeDeleter
{
    void operator()(void *reply) const { std::free(reply); }
};
// A reply of the X server; xcb hands it over to be freed with free().
template <typename Reply> using Owned = std::unique_ptr<Reply, FreeDeleter>;

// Waits for the reply to a request; an error counts as no reply.
template <typename Reply, typename Cookie>
Owned<Reply> replyTo(xcb_connection_t *connection, Cookie cookie,
                     Reply *(*wait)(xcb_connection_t *, Cookie, xcb_generic_error_t **))
{
    xcb_generic_error_t *error = nullptr;
    Owned<Reply> reply(wait(connection, cookie, &error));
    std::free(error);
    return reply;
}

// The 32-bit values of a window's property of the given type; empty if it is not set.
QList<std::uint32_t> property(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t name,
                              xcb_atom_t type, std::uint32_t maxValues)
{
    const auto reply =
        replyTo(connection, xcb_get_property(connection, false, window, name, type, 0, maxValues),
                &xcb_get_property_reply);
    if (!reply || reply->type != type || reply->format != 32)
        return {};
    const auto *values = static_cast<const std::uint32_t *>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / 4;
    return QList<std::uint32_t>(values, values + count);
}

// The flags word of the Motif hints: which of the following fields count.
constexpr std::uint32_t motifHasFunctions = 1u << 0;
constexpr std::uint32_t motifHasDecorations = 1u << 1;

} // namespace

void X11WindowFrame::prepareFirstMap(QWidget *window)
{
    // The offscreen platform offers the same interface, without a connection.
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (QGuiApplication::platformName() != u"xcb" || !x11 || !x11->connection() ||
        !window->isWindow())
        return;
    const X11WindowFrame frame(x11->connection(), static_cast<std::uint32_t>(window->winId()));
    const bool resizable = window->minimumSize() != window->maximumSize();
    frame.setMotifHints(allowedFunctions(window->windowFlags(), resizable),
                        DecorationBorder | DecorationTitle);

    const std::optional<QMargins> extents = frame.requestFrameExtents(extentsWait);
    if (!extents)
        return;
    // The window manager counts device pixels, the widget device-independent ones.
    const qreal ratio = window->devicePixelRatioF();
    const QMargins scaled(qRound(extents->left() / ratio), qRound(extents->top() / ratio),
                          qRound(extents->right() / ratio), qRound(extents->bottom() / ratio));
    // A window that has been created places its client area (static gravity), the frame
    // around it.
    const QPoint outer = centredFramePosition(window->screen()->geometry(), window->size(), scaled);
    window->move(outer + QPoint(scaled.left(), scaled.top()));
}

std::uint32_t X11WindowFrame::allowedFunctions(Qt::WindowFlags flags, bool resizable)
{
    std::uint32_t functions = FunctionMove;
    if (flags.testFlag(Qt::WindowCloseButtonHint))
        functions |= FunctionClose;
    if (resizable)
        functions |= FunctionResize;
    if (flags.testFlag(Qt::WindowMinimizeButtonHint))
        functions |= FunctionMinimize;
    if (resizable && flags.testFlag(Qt::WindowMaximizeButtonHint))
        functions |= FunctionMaximize;
    return functions;
}

QPoint X11WindowFrame::centredFramePosition(const QRect &screen, const QSize &client,
                                            const QMargins &extents)
{
    const QSize outer = client.grownBy(extents);
    return screen.topLeft() +
           QPoint((screen.width() - outer.width()) / 2, (screen.height() - outer.height()) / 2);
}

X11WindowFrame::X11WindowFrame(xcb_connection_t *connection, std::uint32_t window)
    : m_connection(connection), m_window(window)
{
    // All requests first, then the replies: one round trip instead of five.
    const auto geometry = xcb_get_geometry(connection, window);
    const std::array names = {"_MOTIF_WM_HINTS", "_NET_SUPPORTED", "_NET_REQUEST_FRAME_EXTENTS",
                              "_NET_FRAME_EXTENTS"};
    std::array<xcb_intern_atom_cookie_t, names.size()> cookies{};
    for (std::size_t i = 0; i < names.size(); ++i)
        cookies[i] = xcb_intern_atom(connection, false, std::strlen(names[i]), names[i]);

    if (const auto reply = replyTo(connection, geometry, &xcb_get_geometry_reply))
        m_root = reply->root;
    const std::array atoms = {&m_motifHints, &m_supported, &m_requestExtents, &m_extents};
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (const auto reply = replyTo(connection, cookies[i], &xcb_intern_atom_reply))
            *atoms[i] = reply->atom;
    }
}

void X11WindowFrame::setMotifHints(std::uint32_t functions, std::uint32_t decorations) const
{
    if (m_motifHints == XCB_ATOM_NONE)
        return;
    // flags, functions, decorations, input mode, status
    const std::array<std::uint32_t, 5> hints = {motifHasFunctions | motifHasDecorations, functions,
                                                decorations, 0, 0};
    xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, m_window, m_motifHints, m_motifHints,
                        32, hints.size(), hints.data());
    xcb_flush(m_connection);
}

std::optional<QMargins> X11WindowFrame::requestFrameExtents(std::chrono::milliseconds wait) const
{
    // Without a window manager, or with one that does not answer such requests, nobody
    // would ever set the extents: no wait at all.
    if (m_root == XCB_WINDOW_NONE || !windowManagerSupports(m_requestExtents))
        return std::nullopt;

    xcb_client_message_event_t request{};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = m_window;
    request.type = m_requestExtents;
    xcb_send_event(m_connection, false, m_root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char *>(&request));
    xcb_flush(m_connection);

    // The toolkit's own thread reads the events of the connection, so the answer is looked
    // for in the property itself rather than in its change notice.
    const QDeadlineTimer deadline(wait);
    for (;;) {
        if (std::optional<QMargins> extents = frameExtents())
            return extents;
        if (deadline.hasExpired())
            return std::nullopt;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

bool X11WindowFrame::windowManagerSupports(std::uint32_t atom) const
{
    if (atom == XCB_ATOM_NONE)
        return false;
    return property(m_connection, m_root, m_supported, XCB_ATOM_ATOM, 4096).contains(atom);
}

std::optional<QMargins> X11WindowFrame::frameExtents() const
{
    const QList<std::uint32_t> values =
        property(m_connection, m_window, m_extents, XCB_ATOM_CARDINAL, 4);
    if (values.size() != 4)
        return std::nullopt;
    // left, right, top, bottom
    return QMargins(int(values[0]), int(values[2]), int(values[1]), int(values[3]));
}
