// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QtGlobal>

// A PATH of the test's own for as long as this lives; the PATH it found
// comes back afterwards, also when a check failed on the way.
class ScopedPath
{
public:
    explicit ScopedPath(const QByteArray &path)
        : m_found(qgetenv("PATH"))
    {
        qputenv("PATH", path);
    }
    ~ScopedPath() { qputenv("PATH", m_found); }
    ScopedPath(const ScopedPath &) = delete;
    ScopedPath &operator=(const ScopedPath &) = delete;

private:
    QByteArray m_found;
};
