// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

class QWidget;

// Tells screen readers a sentence at once, wherever the focus is, without
// showing anything, taking the focus or adding a stop to the tab order: what
// a calculation found, for a user who cannot see the boxes it filled.
// Where Qt has announcements (6.8 on), the window announces it. Before that,
// what screen readers speak wherever the focus is, is a notification coming
// into view: this object is one, named by the sentence, and says it comes
// into view each time, with no widget to show.
class Announcer final : public QObject
{
    Q_OBJECT

public:
    explicit Announcer(QWidget *window);

    void announce(const QString &sentence);
    // The sentence announced last.
    QString sentence() const { return m_sentence; }

private:
    QString m_sentence;
};
