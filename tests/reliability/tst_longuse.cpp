// SPDX-License-Identifier: MIT
// Long use of the real program: each of the other windows opened and closed
// a thousand times, the unit buttons pressed ten thousand times. The program
// must work as on the first round, and its memory must stay where it was
// after the first ten rounds: a round builds and destroys a whole window, so
// anything of a window that outlives it piles up here, also what a leak
// checker misses because something still points to it.

#include "../gui/guifixture.h"
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

enum class Kind { EndDetail, CenterDetail, Website };

const QStringList FeetResults = {"34", "7.774658", "25", "11.83099", "FEET", "FEET", "INCHES", "INCHES"};
const QStringList MetricResults = {"10", "54.92964", "7", "91.1972", "METERS", "METERS", "CM", "CM"};

QByteArray describeGrowth(const MemoryUse &before, const MemoryUse &after)
{
    return QByteArray("heap ") + QByteArray::number(before.heapBytes) + " -> " + QByteArray::number(after.heapBytes)
           + ", resident " + QByteArray::number(before.residentBytes) + " -> "
           + QByteArray::number(after.residentBytes);
}

} // namespace

class TestLongUse : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgram> program;

    // Opens the window, lets it paint, closes it as its close box does, and
    // lets the unload happen.
    template<typename Window>
    static void openAndClose(WindowInstance<Window> &instance)
    {
        instance.show();
        Window *window = instance.window();
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCoreApplication::processEvents();
        QVERIFY(window->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!instance.window());
    }

    void openAndClose(Kind kind)
    {
        switch (kind) {
        case Kind::EndDetail:
            return openAndClose(program->form1->endDetail());
        case Kind::CenterDetail:
            return openAndClose(program->form1->centerDetail());
        case Kind::Website:
            return openAndClose(program->form1->website());
        }
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
    void init()
    {
        program = std::make_unique<TestProgram>();
        program->form1->show();
        QVERIFY(QTest::qWaitForWindowExposed(program->form1.get()));
    }

    void cleanup()
    {
        program->verifyNoUnexpectedModal();
        program.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void windowsOpenedAndClosedOverAndOver_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::newRow("end detail") << Kind::EndDetail;
        QTest::newRow("center detail") << Kind::CenterDetail;
        QTest::newRow("website") << Kind::Website;
    }

    void windowsOpenedAndClosedOverAndOver()
    {
        QFETCH(Kind, kind);

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
        program->box("Text12")->setText(QStringLiteral("14.2"));
        QTest::mouseClick(program->control<QPushButton>("Command4"), Qt::LeftButton);
        QCOMPARE(program->box("Text2")->text(), QStringLiteral("10"));
        QVERIFY(program->errors.reports.empty());
    }

    // Feet and metric in turn, with one press in a hundred on a number
    // beyond the float range, so the error path runs as often as the rest.
    void unitButtonsPressedOverAndOver()
    {
        QListWidget *cables = program->control<QListWidget>("List1");
        QTest::mouseClick(cables->viewport(), Qt::LeftButton, {}, cables->visualItemRect(cables->item(1)).center());
        auto *feet = program->control<QPushButton>("Command3");
        auto *metric = program->control<QPushButton>("Command4");

        MemoryUse warmedUp;
        for (int press = 1; press <= Presses; ++press) {
            const bool failing = press % 100 == 50;
            program->box("Text12")->setText(failing ? QStringLiteral("1E39") : QStringLiteral("14.2"));
            QTest::mouseClick(press % 2 ? feet : metric, Qt::LeftButton);
            if (!failing && program->resultTexts() != (press % 2 ? FeetResults : MetricResults))
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
