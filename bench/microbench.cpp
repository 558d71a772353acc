// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
// The hot paths in nanoseconds: one press of the feet/inches button through
// the real main window (handler, calculation and the eight box writes), the
// same calculation against plain in-memory boxes (what the calculation costs
// without Qt), the two number conversions on typical and awkward texts, and
// the opening of each detail window.
//
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.

#include "benchmarkrun.h"
#include "guifixture.h"

#include "lengthcalculation.h"
#include "numbertext.h"

#include <QListWidget>
#include <QLineEdit>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

namespace {

// A typical frequency, in a cable whose velocity factor is below one, so the
// coax section differs from the overall length and every box gets a number.
constexpr auto Frequency = "14.2";

void BM_UnitButtonPress(benchmark::State &state)
{
    TestProgram program;
    program.form1->show();
    auto *list = program.control<QListWidget>("List1");
    auto *frequency = program.control<QLineEdit>("Text12");
    auto *button = program.control<QPushButton>("Command3");
    if (!list || !frequency || !button) {
        state.SkipWithError("main window controls not found");
        return;
    }
    list->setCurrentRow(0);
    frequency->setText(QString::fromLatin1(Frequency));
    QApplication::processEvents();

    for (auto _ : state)
        button->click();

    // Repaints were only scheduled while timing; doing them here keeps the
    // next case from paying for this one's.
    QApplication::processEvents();
    if (!program.errors.reports.empty())
        state.SkipWithError("the press reported an error");
    else if (program.control<QLineEdit>("Text2")->text().isEmpty())
        state.SkipWithError("the press wrote no length");
}
BENCHMARK(BM_UnitButtonPress);

// The same press followed by what the user waits for next: the event loop
// repainting the boxes that changed. Not part of the press target, but it
// shows where the rest of a press's cost lies.
void BM_UnitButtonPressAndRepaint(benchmark::State &state)
{
    TestProgram program;
    program.form1->show();
    auto *button = program.control<QPushButton>("Command3");
    program.control<QListWidget>("List1")->setCurrentRow(0);
    program.control<QLineEdit>("Text12")->setText(QString::fromLatin1(Frequency));
    QApplication::processEvents();

    for (auto _ : state) {
        button->click();
        QApplication::processEvents();
    }
    if (!program.errors.reports.empty())
        state.SkipWithError("the press reported an error");
}
BENCHMARK(BM_UnitButtonPressAndRepaint);

// Opening a detail window as the user does, by its button, up to its first
// painted frame; then closing it, which unloads it, so every opening builds
// the window afresh.
void BM_OpenWindow(benchmark::State &state, WindowKind kind)
{
    TestProgram program;
    program.form1->show();
    auto *button = program.control<QPushButton>(TestProgram::openingButton(kind));
    QApplication::processEvents();

    for (auto _ : state) {
        button->click();
        QWidget *window = program.window(kind);
        if (!window) {
            state.SkipWithError("the button opened no window");
            return;
        }
        window->repaint();
        state.PauseTiming();
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK_CAPTURE(BM_OpenWindow, center_detail, WindowKind::CenterDetail);
BENCHMARK_CAPTURE(BM_OpenWindow, end_detail, WindowKind::EndDetail);
BENCHMARK_CAPTURE(BM_OpenWindow, website, WindowKind::Website);

void BM_UnitCalculationOnly(benchmark::State &state)
{
    for (auto _ : state) {
        // Not const: Google Benchmark 1.8 deprecates DoNotOptimize of a const value.
        calc::LengthResult result = calc::calculateLengths("14.2", 0.66f, calc::Units::FeetAndInches, ".");
        benchmark::DoNotOptimize(result);
        if (!result.split) {
            state.SkipWithError("the calculation returned no lengths");
            break;
        }
    }
}
BENCHMARK(BM_UnitCalculationOnly);

void BM_TextToFloat(benchmark::State &state, std::string_view text, std::string_view separator, bool accepted)
{
    for (auto _ : state) {
        calc::ParsedNumber parsed = calc::TextToFloat(text, separator); // not const, as above
        benchmark::DoNotOptimize(parsed);
    }
    if (calc::TextToFloat(text, separator).error.has_value() == accepted)
        state.SkipWithError("the text was not read as this case expects");
}
BENCHMARK_CAPTURE(BM_TextToFloat, frequency, std::string_view("14.2"), ".", true);
BENCHMARK_CAPTURE(BM_TextToFloat, comma_separator, std::string_view("7,05"), ",", true);
BENCHMARK_CAPTURE(BM_TextToFloat, blanks_sign_exponent, std::string_view("  -1.4225E+01 "), ".", true);
BENCHMARK_CAPTURE(BM_TextToFloat, forty_digits, std::string_view("3.141592653589793238462643383279502884197"), ".",
                  true);
BENCHMARK_CAPTURE(BM_TextToFloat, near_float_max, std::string_view("3.4028234E+38"), ".", true);
BENCHMARK_CAPTURE(BM_TextToFloat, denormal, std::string_view("1.4E-45"), ".", true);
BENCHMARK_CAPTURE(BM_TextToFloat, rejected, std::string_view("14.2 MHz"), ".", false);

void BM_FloatToText(benchmark::State &state, float value)
{
    for (auto _ : state) {
        std::string text = calc::FloatToText(value, ".");
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK_CAPTURE(BM_FloatToText, zero, 0.0f);
BENCHMARK_CAPTURE(BM_FloatToText, whole_feet, 32.0f);
BENCHMARK_CAPTURE(BM_FloatToText, inches, 7.605634f);
BENCHMARK_CAPTURE(BM_FloatToText, seven_digits, 1234567.0f);
BENCHMARK_CAPTURE(BM_FloatToText, small, 0.00012345f);
BENCHMARK_CAPTURE(BM_FloatToText, exponent_form, 3.4028235e38f);

constexpr double PressTargetNs = 20'000.0;

// The console table as usual, plus one line on the press target.
class TargetReporter final : public benchmark::ConsoleReporter
{
public:
    TargetReporter()
        : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular)
    {
    }

    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs)
            if (run.benchmark_name() == "BM_UnitButtonPress" && runWasMeasured(run)
                && run.time_unit == benchmark::kNanosecond)
                m_pressNs = run.GetAdjustedRealTime();
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        if (m_pressNs > 0)
            std::printf("\nunit-button press: %.0f ns (target < %.0f ns: %s)\n", m_pressNs, PressTargetNs,
                        m_pressNs < PressTargetNs ? "met" : "MISSED");
    }

private:
    double m_pressNs = 0;
};

// The offscreen platform cannot raise a window and says so whenever one is
// brought forward; thousands of window openings would bury the figures.
QtMessageHandler defaultMessageHandler = nullptr;

void dropRaiseNotices(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message != QLatin1StringView("This plugin does not support raise()"))
        defaultMessageHandler(type, context, message);
}

} // namespace

int main(int argc, char *argv[])
{
    defaultMessageHandler = qInstallMessageHandler(dropRaiseNotices);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    QApplication application(argc, argv);
    prepareApplication(application);
    TargetReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
