// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#pragma once

// Tells screen readers what the program's own kinds of control are: a form
// is a window, named by its caption; a text box reads whole and answers
// every query for its text; an announcer is heard at once. A control class
// can declare the role it plays with Q_CLASSINFO("AccessibleRole", "Link")
// or "Graphic": a graphic is an image, described by its accessible
// description; a link is named by its label text, and its press action
// calls the control's invokable click().
void installAccessibleFactory();
