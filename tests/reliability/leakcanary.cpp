// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
// Loses a block on purpose, allocated by our code in a handler that Qt's
// signal machinery calls, as every handler of the program is called. Its
// test passes only when LeakSanitizer reports the block: proof that the
// sanitizer build checks for leaks at all, and that the suppressions, which
// name functions of the libraries below us, cannot hide a leak of ours.

#include <QCoreApplication>
#include <QTimer>

namespace {

void *volatile sink = nullptr;

[[gnu::noinline]] void loseABlockOnPurpose()
{
    sink = new char[48];
    sink = nullptr;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QTimer::singleShot(0, &application, [] {
        loseABlockOnPurpose();
        QCoreApplication::quit();
    });
    return QCoreApplication::exec();
}
