// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

// The one instance of a window kind. Showing it builds the window from its
// description when it is not loaded; closing the window unloads it (the
// window and whatever was typed into it are destroyed), and the next show
// builds it afresh. A window that is open is brought to the front instead.
template<typename Window>
class WindowInstance
{
public:
    using Factory = std::function<std::unique_ptr<Window>()>;

    explicit WindowInstance(Factory create)
        : m_create(std::move(create))
    {
    }
    WindowInstance(const WindowInstance &) = delete;
    WindowInstance &operator=(const WindowInstance &) = delete;
    ~WindowInstance() { delete m_window.data(); }

    // Shown modeless and without owner: the window is free-standing, neither
    // kept above nor minimized with the window that opened it.
    void show()
    {
        const QWidget *opener = QApplication::activeWindow();
        const bool building = !m_window;
        if (building) {
            m_window = m_create().release();
            m_window->setAttribute(Qt::WA_DeleteOnClose);
        }
        m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
        m_window->show();
        m_window->raise();
        m_window->activateWindow();
        // Opened by someone at the keyboard, it shows where its focus is from
        // the start, as the window it was opened from does.
        if (building && opener && opener->testAttribute(Qt::WA_KeyboardFocusChange))
            m_window->setAttribute(Qt::WA_KeyboardFocusChange);
    }

    // The loaded window, or null while it is not loaded.
    Window *window() const { return m_window.data(); }

private:
    Factory m_create;
    QPointer<Window> m_window;
};
