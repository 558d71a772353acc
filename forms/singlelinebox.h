// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

// A single-line box takes no line breaks, as a browser's text field takes
// none: whatever reaches it pasted, dropped or from an input method has them
// removed, with the cursor after what was inserted. A number copied from a
// terminal, a spreadsheet cell or a web page carries the line break after it,
// which the box would otherwise hold unseen, drawn as a blank. Blanks and
// tabs stay. Other widgets are left as they are.
void keepOnOneLine(QWidget *widget);
