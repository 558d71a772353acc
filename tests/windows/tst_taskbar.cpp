// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
// Which windows the task bar lists is up to the window manager, which reads
// it from the window's state on the X server. So this test runs on an X
// server of its own and reads that state back from the windows the program
// mapped.

#include "guifixture.h"

#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {
struct FreeDeleter {
    void operator()(void *reply) const { std::free(reply); }
};
template<typename Reply>
using ReplyPtr = std::unique_ptr<Reply, FreeDeleter>;

xcb_connection_t *connection()
{
    return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
}

QString atomName(xcb_atom_t atom)
{
    const ReplyPtr<xcb_get_atom_name_reply_t> reply(
        xcb_get_atom_name_reply(connection(), xcb_get_atom_name(connection(), atom), nullptr));
    return reply ? QString::fromLatin1(xcb_get_atom_name_name(reply.get()), xcb_get_atom_name_name_length(reply.get()))
                 : QString();
}

// A property of the window as the X server holds it, as 32-bit values.
QList<quint32> windowProperty(QWidget *window, xcb_atom_t name, xcb_atom_t type)
{
    const ReplyPtr<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection(), xcb_get_property(connection(), 0, xcb_window_t(window->winId()), name, type, 0, 1024), nullptr));
    if (!reply || reply->format != 32)
        return {};
    const auto *values = static_cast<const quint32 *>(xcb_get_property_value(reply.get()));
    return QList<quint32>(values, values + xcb_get_property_value_length(reply.get()) / 4);
}

QStringList windowState(QWidget *window)
{
    const char name[] = "_NET_WM_STATE";
    const ReplyPtr<xcb_intern_atom_reply_t> atom(xcb_intern_atom_reply(
        connection(), xcb_intern_atom(connection(), 0, std::uint16_t(std::strlen(name)), name), nullptr));
    QStringList names;
    for (const quint32 state : windowProperty(window, atom ? atom->atom : xcb_atom_t(XCB_ATOM_NONE), XCB_ATOM_ATOM))
        names << atomName(state);
    return names;
}
} // namespace

class TestTaskbar : public GuiTestCase
{
    Q_OBJECT

    // Mapped, not waited on to become active: the X server has no window
    // manager to activate it.
    QWidget *map(WindowKind kind)
    {
        if (kind == WindowKind::Main)
            program->form1->show();
        else
            program->control<QPushButton>(TestProgram::openingButton(kind))->click();
        QWidget *window = program->window(kind);
        return window && QTest::qWaitForWindowExposed(window) ? window : nullptr;
    }

private Q_SLOTS:
    void initTestCase() { QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb")); }
    void init() { program = std::make_unique<TestProgram>(); }

    void onlyTheEndDetailStaysOutOfTheTaskbar_data()
    {
        QTest::addColumn<WindowKind>("kind");
        QTest::addColumn<bool>("builtAgain");
        QTest::addColumn<bool>("skipsTaskbar");
        QTest::newRow("main window") << WindowKind::Main << false << false;
        QTest::newRow("center detail") << WindowKind::CenterDetail << false << false;
        QTest::newRow("end detail") << WindowKind::EndDetail << false << true;
        QTest::newRow("end detail built again") << WindowKind::EndDetail << true << true;
        QTest::newRow("website") << WindowKind::Website << false << false;
    }

    void onlyTheEndDetailStaysOutOfTheTaskbar()
    {
        QFETCH(WindowKind, kind);
        QFETCH(bool, builtAgain);
        QFETCH(bool, skipsTaskbar);
        QWidget *window = map(kind);
        if (builtAgain && window) {
            window->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            window = map(kind);
        }
        QVERIFY(window);
        xcb_flush(connection());

        const QStringList state = windowState(window);
        QCOMPARE(state.contains(u"_NET_WM_STATE_SKIP_TASKBAR"), skipsTaskbar);
        QCOMPARE(state.contains(u"_NET_WM_STATE_SKIP_PAGER"), skipsTaskbar);
        // Free-standing: tied to no other window and not kept above one.
        QVERIFY(windowProperty(window, XCB_ATOM_WM_TRANSIENT_FOR, XCB_ATOM_WINDOW).isEmpty());
        QVERIFY(!state.contains(u"_NET_WM_STATE_ABOVE"));
    }
};

// On the X server it is started on.
TARNWICK_GUI_TEST_MAIN_IN(TestTaskbar, GuiTestEnvironment{.beforeStart = nullptr})
#include "tst_taskbar.moc"
