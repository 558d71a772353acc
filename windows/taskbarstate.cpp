// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#include "taskbarstate.h"

#ifdef TARNWICK_X11
#include <QGuiApplication>
#include <QWidget>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {
struct FreeDeleter {
    void operator()(void *reply) const { std::free(reply); }
};
template<typename Reply>
using ReplyPtr = std::unique_ptr<Reply, FreeDeleter>;

xcb_atom_t internAtom(xcb_connection_t *connection, const char *name)
{
    const ReplyPtr<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, std::uint16_t(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}
}

void keepOutOfTaskbar(QWidget &window)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return;

    const auto nativeWindow = static_cast<xcb_window_t>(window.winId());
    const xcb_atom_t netWmState = internAtom(connection, "_NET_WM_STATE");
    const std::array<xcb_atom_t, 2> wanted{internAtom(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
                                           internAtom(connection, "_NET_WM_STATE_SKIP_PAGER")};
    if (netWmState == XCB_ATOM_NONE)
        return;

    // Whatever else is already asked for stays.
    std::vector<xcb_atom_t> states;
    const ReplyPtr<xcb_get_property_reply_t> current(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, nativeWindow, netWmState, XCB_ATOM_ATOM, 0, 1024), nullptr));
    if (current && current->type == XCB_ATOM_ATOM && current->format == 32) {
        const auto *atoms = static_cast<const xcb_atom_t *>(xcb_get_property_value(current.get()));
        states.assign(atoms, atoms + xcb_get_property_value_length(current.get()) / int(sizeof(xcb_atom_t)));
    }
    for (const xcb_atom_t state : wanted) {
        if (state != XCB_ATOM_NONE && std::find(states.begin(), states.end(), state) == states.end())
            states.push_back(state);
    }
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, nativeWindow, netWmState, XCB_ATOM_ATOM, 32,
                        std::uint32_t(states.size()), states.data());
    xcb_flush(connection);
}
#else
void keepOutOfTaskbar(QWidget &)
{
}
#endif
