// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
// Opens the main window and the three windows of its buttons on a real X
// server, as a user would, and prints for each window what it asks the
// window manager for, read back from the server after it was mapped:
//   <objectName> <build> state=<atom,...> transient=<0|1>
// The end detail window is built twice, the second time after it was
// closed, to show that a rebuilt window asks again.

#include "../gui/guifixture.h"

#include "form2.h"
#include "frmabout1.h"
#include "web.h"

#include <QPushButton>
#include <QTextStream>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace {
xcb_connection_t *connection()
{
    return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
}

xcb_atom_t atom(const char *name)
{
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
        connection(), xcb_intern_atom(connection(), 0, std::uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return result;
}

QString atomName(xcb_atom_t value)
{
    xcb_get_atom_name_reply_t *reply =
        xcb_get_atom_name_reply(connection(), xcb_get_atom_name(connection(), value), nullptr);
    QString name;
    if (reply)
        name = QString::fromLatin1(xcb_get_atom_name_name(reply), xcb_get_atom_name_name_length(reply));
    std::free(reply);
    return name;
}

QStringList windowState(xcb_window_t window)
{
    QStringList names;
    xcb_get_property_reply_t *reply = xcb_get_property_reply(
        connection(), xcb_get_property(connection(), 0, window, atom("_NET_WM_STATE"), XCB_ATOM_ATOM, 0, 1024),
        nullptr);
    if (reply && reply->format == 32) {
        const auto *atoms = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply));
        for (int i = 0; i < xcb_get_property_value_length(reply) / 4; ++i)
            names << atomName(atoms[i]);
    }
    std::free(reply);
    names.sort();
    return names;
}

bool isTransient(xcb_window_t window)
{
    xcb_get_property_reply_t *reply = xcb_get_property_reply(
        connection(), xcb_get_property(connection(), 0, window, XCB_ATOM_WM_TRANSIENT_FOR, XCB_ATOM_WINDOW, 0, 1),
        nullptr);
    const bool transient = reply && xcb_get_property_value_length(reply) > 0;
    std::free(reply);
    return transient;
}

bool report(QTextStream &out, QWidget *window, int build)
{
    if (!window || !QTest::qWaitForWindowExposed(window))
        return false;
    xcb_flush(connection());
    const auto id = static_cast<xcb_window_t>(window->winId());
    out << window->objectName() << ' ' << build << " state=" << windowState(id).join(u',')
        << " transient=" << int(isTransient(id)) << Qt::endl;
    return true;
}
}

int main(int argc, char *argv[])
{
    // On the X server it is started on.
    return runGuiTestProgram(argc, argv, GuiTestEnvironment{.beforeStart = nullptr}, [] {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            return 2;

        TestProgram program;
        program.form1->show();
        const auto press = [&](const char *button) { program.control<QPushButton>(button)->click(); };
        press("Command2");
        press("Command1");
        press("mnuWeb");

        QTextStream out(stdout);
        bool ok = report(out, program.form1, 1) && report(out, program.form1->centerDetail().window(), 1)
                  && report(out, program.form1->endDetail().window(), 1)
                  && report(out, program.form1->website().window(), 1);

        program.form1->endDetail().window()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        press("Command1");
        ok = ok && report(out, program.form1->endDetail().window(), 2);
        return ok ? 0 : 1;
    });
}
