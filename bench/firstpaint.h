// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#pragma once

class QObject;

// Tells a waiting parent process the moment a program has put its first frame
// on screen: one byte on a pipe, after which the program ends at once, so the
// parent's wait4() sees the peak memory of start-up and nothing after it.
//
// "First frame" is the first paint of a top-level widget, counted once that
// paint and the flush to the platform that follows it have both returned:
// the report is posted from inside the paint and delivered by the next turn
// of the event loop.
//
// Install it right after the QApplication exists and before any window is
// shown. The reporter is owned by the application.
QObject *reportFirstPaintTo(int fileDescriptor);

// Takes "--first-paint-fd=N" out of the command line, so that QApplication
// never sees it, and returns N; -1 when it is not there, for a run that is
// watched from outside instead.
int takeFirstPaintOption(int &argc, char **argv);
