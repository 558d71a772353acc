// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
// Long use of the real program: each of the other windows opened and closed
// a thousand times, the unit buttons pressed ten thousand times. The program
// must work as on the first round, and its memory must stay where it was
// after the first ten rounds: a round builds and destroys a whole window, so
// anything of a window that outlives it piles up here, also what a leak
// checker misses because something still points to it.

#include "guifixture.h"
#include "memoryuse.h"

#include "form2.h"
#include "frmabout1.h"
#include "web.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using calc::RuntimeError;

namespace {

// The sanitizer build runs these some ten times slower; a tenth of the rounds
// still shows a per-round growth against the same bounds.
#ifdef TARNWICK_SANITIZED
constexpr int WindowRounds = 100;
constexpr int Presses = 1000;
#else
constexpr int WindowRounds = 1000;
constexpr int Presses = 10000;
#endif
constexpr int WarmUpRounds = 10;

// A window kept alive per round would add far more than this, and so would a
// hundred bytes kept per press. The resident set also moves with the
// allocator's caching and the pixmaps' shared memory, hence its wider bound.
constexpr qint64 HeapGrowthBound = 512 * 1024;
constexpr qint64 ResidentGrowthBound = 4 * 1024 * 1024;

QByteArray describeGrowth(const MemoryUse &before, const MemoryUse &after)
{
    return QByteArray("heap ") + QByteArray::number(before.heapBytes) + " -> " + QByteArray::number(after.heapBytes)
           + ", resident " + QByteArray::number(before.residentBytes) + " -> "
           + QByteArray::number(after.residentBytes);
}

} // namespace

class TestLongUse : public GuiTestCase
{
    Q_OBJECT

    // Opens the window, lets it paint, closes it as its close box does, and
    // lets the unload happen.
    void openAndClose(WindowKind kind)
    {
        QWidget *window = program->showWindow(kind);
        QVERIFY(window);
        QCoreApplication::processEvents();
        QVERIFY(window->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!program->window(kind));
    }

    static void verifyFlat(const MemoryUse &before, const MemoryUse &after)
    {
        qInfo("%s", describeGrowth(before, after).constData());
        QVERIFY2(after.heapBytes - before.heapBytes <= HeapGrowthBound, describeGrowth(before, after));
#ifndef TARNWICK_SANITIZED
        // There, freed blocks wait in quarantine and count as resident.
        QVERIFY2(after.residentBytes - before.residentBytes <= ResidentGrowthBound, describeGrowth(before, after));
#endif
    }

private Q_SLOTS:
    void windowsOpenedAndClosedOverAndOver_data()
    {
        QTest::addColumn<WindowKind>("kind");
        QTest::newRow("end detail") << WindowKind::EndDetail;
        QTest::newRow("center detail") << WindowKind::CenterDetail;
        QTest::newRow("website") << WindowKind::Website;
    }

    void windowsOpenedAndClosedOverAndOver()
    {
        QFETCH(WindowKind, kind);

        MemoryUse warmedUp;
        for (int round = 1; round <= WindowRounds; ++round) {
            openAndClose(kind);
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(QStringLiteral("round %1").arg(round)));
            if (round == WarmUpRounds)
                warmedUp = memoryUse();
        }
        verifyFlat(warmedUp, memoryUse());

        // The window still opens, and the main window still calculates.
        openAndClose(kind);
        const KnownResult &known = KnownResults[1];
        program->pickCable(known.cable);
        program->box("Text12")->setText(known.frequency);
        QTest::mouseClick(program->control<QPushButton>(known.button()), Qt::LeftButton);
        QCOMPARE(program->resultTexts(), known.results);
        QVERIFY(program->errors.reports.empty());
    }

    // Feet and metric in turn, with one press in a hundred on a number
    // beyond the float range, so the error path runs as often as the rest.
    void unitButtonsPressedOverAndOver()
    {
        const KnownResult &feetResult = KnownResults[0];
        const KnownResult &metricResult = KnownResults[1];
        program->pickCable(feetResult.cable);
        auto *feet = program->control<QPushButton>(feetResult.button());
        auto *metric = program->control<QPushButton>(metricResult.button());

        MemoryUse warmedUp;
        for (int press = 1; press <= Presses; ++press) {
            const bool failing = press % 100 == 50;
            program->box("Text12")->setText(failing ? QStringLiteral("1E39") : feetResult.frequency);
            QTest::mouseClick(press % 2 ? feet : metric, Qt::LeftButton);
            if (!failing && program->resultTexts() != (press % 2 ? feetResult : metricResult).results)
                QFAIL(qPrintable(QStringLiteral("press %1: %2").arg(press).arg(program->resultTexts().join(u' '))));
            if (press == WarmUpRounds)
                warmedUp = memoryUse();
        }
        verifyFlat(warmedUp, memoryUse());
        QCOMPARE(program->errors.reports.size(), std::size_t(Presses / 100));
        QVERIFY(std::all_of(program->errors.reports.begin(), program->errors.reports.end(),
                            [](RuntimeError e) { return e == RuntimeError::Overflow; }));
    }
};

TARNWICK_GUI_TEST_MAIN(TestLongUse)
#include "tst_longuse.moc"
