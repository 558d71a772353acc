// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
// Start-up benchmark: how long from exec until the main window's first frame,
// and how much memory at the peak, for the program and for floors (a bare Qt
// window from the same tree and flags, then with the program's look, then
// painting one line of text), under a real X server (Xvfb) and under the
// offscreen platform.
//
// Each run starts a probe with a pipe on the command line, takes the time
// just before the spawn and again when the probe's one byte arrives, and
// reads the peak RSS from wait4(). Every run starts every subject once, in
// an order that changes from run to run, and the program is compared with
// its floor run by run: on a machine that others share, the load shifts from
// second to second, and two subjects started a moment apart see about the
// same load, while two medians taken minutes apart need not.
//
// Deliberately no Qt here: a spawned child starts with its parent's peak RSS
// as the floor of its own ru_maxrss (the kernel carries the high-water mark
// over exec), so the launcher has to stay far below what it measures.

#include "pairedstats.h"
#include "probelaunch.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <sys/resource.h>

namespace fs = std::filesystem;

namespace {

// Against the floor that paints a line of text, under Xvfb.
constexpr double StartupRatioTarget = 1.20;
constexpr double RssAllowanceMiB = 3.5;

std::vector<double> series(const Subject &subject, double Sample::*figure)
{
    std::vector<double> values;
    for (const Sample &sample : subject.samples)
        values.push_back(sample.*figure);
    return values;
}

void printSubject(const Subject &subject)
{
    const Spread wall = spreadOf(series(subject, &Sample::ms));
    const Spread cpu = spreadOf(series(subject, &Sample::cpuMs));
    const Spread rss = spreadOf(series(subject, &Sample::rssMiB));
    std::printf("  %-40s %7.1f  [%6.1f – %6.1f]  %7.1f   %7.1f  [%5.1f – %5.1f]\n", subject.label.c_str(), wall.median,
                wall.lowerQuartile, wall.upperQuartile, cpu.median, rss.median, rss.lowerQuartile, rss.upperQuartile);
}

struct Comparison {
    std::string label;
    std::size_t program;
    std::size_t floor;
    bool heldToTargets;
};

struct Verdict {
    double ratio;
    double extraMiB;
    bool timeMet() const { return ratio <= StartupRatioTarget; }
    bool memoryMet() const { return extraMiB <= RssAllowanceMiB; }
};

// One program against its floor, run by run: the wall-time ratio and
// difference, the CPU-time ratio and the peak-RSS difference.
Verdict printComparison(const Comparison &comparison, const std::vector<Subject> &subjects)
{
    const Subject &program = subjects[comparison.program];
    const Subject &floor = subjects[comparison.floor];
    const auto ratios = [&](double Sample::*figure) {
        return spreadOf(pairedRatios(series(program, figure), series(floor, figure)));
    };
    const auto differences = [&](double Sample::*figure) {
        return spreadOf(pairedDifferences(series(program, figure), series(floor, figure)));
    };
    const Spread wallRatio = ratios(&Sample::ms);
    const Spread wallExtra = differences(&Sample::ms);
    const Spread cpuRatio = ratios(&Sample::cpuMs);
    const Spread rssExtra = differences(&Sample::rssMiB);
    std::printf("  %-40s %5.2f  [%4.2f – %4.2f]  %+6.1f  [%+6.1f – %+6.1f]  %5.2f   %+5.1f  [%+5.1f – %+5.1f]\n",
                comparison.label.c_str(), wallRatio.median, wallRatio.lowerQuartile, wallRatio.upperQuartile,
                wallExtra.median, wallExtra.lowerQuartile, wallExtra.upperQuartile, cpuRatio.median, rssExtra.median,
                rssExtra.lowerQuartile, rssExtra.upperQuartile);
    return {wallRatio.median, rssExtra.median};
}

void printVerdict(const std::string &label, const Verdict &verdict)
{
    std::printf("  %s: %.2f x wall (target ≤ %.2f: %s), %+.1f MiB (target ≤ +%.1f: %s)\n", label.c_str(), verdict.ratio,
                StartupRatioTarget, verdict.timeMet() ? "met" : "MISSED", verdict.extraMiB, RssAllowanceMiB,
                verdict.memoryMet() ? "met" : "MISSED");
}

// The order of the subjects in a run. Rotating one fixed order would still
// start each subject right after the same neighbour every run, and what a
// probe leaves behind (warm caches, a busy X server, the clock speed after a
// heavy one) would land on its follower alone. These rows of a Williams
// square (0, 1, n-1, 2, n-2, ... shifted by the run, and mirrored every
// other n runs) put every subject in every slot, and right after every
// other subject, equally often over 2n runs.
std::vector<std::size_t> runOrder(std::size_t run, std::size_t subjectCount)
{
    std::vector<std::size_t> order(subjectCount);
    for (std::size_t slot = 0; slot < subjectCount; ++slot) {
        const std::size_t step = (slot + 1) / 2;
        const std::size_t unshifted = slot % 2 ? step : (subjectCount - step) % subjectCount;
        order[slot] = (unshifted + run) % subjectCount;
    }
    if (run / subjectCount % 2)
        std::reverse(order.begin(), order.end());
    return order;
}

void usage(const char *name)
{
    std::fprintf(stderr,
                 "usage: %s [--runs N] [--warmup N] [--no-xvfb] [--no-offscreen] [--tarnwick PATH]\n"
                 "          [--probe LABEL=PATH]... [--samples FILE]\n"
                 "  Starts every subject once per run, in an order that changes from run to\n"
                 "  run, and prints start-up time to first paint and peak RSS as median\n"
                 "  [interquartile range]; then, run by run, the program against the floor\n"
                 "  that paints a line of text, against the targets (%.2f x wall, +%.1f MiB)\n"
                 "  under Xvfb. Each --probe adds a program that takes --first-paint-fd=N (a\n"
                 "  candidate change, say), held to the same targets in the same runs.\n"
                 "  --samples writes every measured start to FILE, tab-separated with a header.\n"
                 "  Exits 1 if a probe fails, 2 on a bad argument or FILE, 0 otherwise\n"
                 "  (targets missed are printed, not failed).\n",
                 name, StartupRatioTarget, RssAllowanceMiB);
}

} // namespace

int main(int argc, char *argv[])
{
    int runs = 30;
    int warmup = 2;
    bool withXvfb = true;
    bool withOffscreen = true;
    const fs::path here = fs::canonical("/proc/self/exe").parent_path();
    const fs::path pluginDir = here / "plugins";
    fs::path shipped = TARNWICK_SHIPPED_PROGRAM;
    std::vector<std::pair<std::string, std::string>> extraProbes; // label, program
    const char *samplesPath = nullptr;
    for (int i = 1; i < argc; ++i) {
        const std::string_view a(argv[i]);
        const bool hasValue = i + 1 < argc;
        if (a == "--runs" && hasValue) {
            runs = std::max(1, std::atoi(argv[++i]));
        } else if (a == "--warmup" && hasValue) {
            warmup = std::max(0, std::atoi(argv[++i]));
        } else if (a == "--no-xvfb") {
            withXvfb = false;
        } else if (a == "--no-offscreen") {
            withOffscreen = false;
        } else if (a == "--tarnwick" && hasValue) {
            shipped = argv[++i];
        } else if (a == "--probe" && hasValue && std::string_view(argv[i + 1]).find('=') != std::string_view::npos) {
            const std::string_view value(argv[++i]);
            const std::size_t equals = value.find('=');
            extraProbes.emplace_back(value.substr(0, equals), value.substr(equals + 1));
        } else if (a == "--samples" && hasValue) {
            samplesPath = argv[++i];
        } else {
            usage(argv[0]);
            return 2;
        }
    }

    FILE *samplesFile = nullptr;
    if (samplesPath) {
        samplesFile = std::fopen(samplesPath, "w");
        if (!samplesFile) {
            std::fprintf(stderr, "cannot write %s: %s\n", samplesPath, std::strerror(errno));
            return 2;
        }
        std::fprintf(samplesFile, "platform\trun\tslot\tsubject\twall_ms\tcpu_ms\trss_mib\n");
    }

    std::optional<Xvfb> server;
    std::vector<Platform> platforms;
    if (withXvfb) {
        server = startXvfb();
        if (server)
            platforms.push_back({"xvfb",
                                 "xcb on Xvfb :" + std::to_string(server->display),
                                 true,
                                 {"QT_QPA_PLATFORM=xcb", "DISPLAY=:" + std::to_string(server->display)}});
        else
            std::fprintf(stderr, "skipping the Xvfb runs (package xvfb)\n");
    }
    if (withOffscreen)
        platforms.push_back({"offscreen", "offscreen", false, {"QT_QPA_PLATFORM=offscreen"}});

    enum { Floor, Look, Text, Probe, ProbePlugin, ShippedPlugin, FirstExtra };
    bool allRan = true;
    std::optional<bool> allMet; // judged only where the targets apply
    for (const Platform &platform : platforms) {
        std::vector<Subject> subjects{
            {"floor: bare QWidget", (here / "tarnwick_probe_floor").string(), false, {}},
            {"floor + forms look", (here / "tarnwick_probe_look").string(), false, {}},
            {"floor + forms look + a line of text", (here / "tarnwick_probe_text").string(), false, {}},
            {"tarnwick (probe)", (here / "tarnwick_probe_tarnwick").string(), false, {}},
            {"tarnwick (probe), via plugin", (here / "tarnwick_probe_tarnwick").string(), true, {}},
            {"tarnwick (shipped binary), via plugin", shipped.string(), true, {}},
        };
        for (const auto &[label, program] : extraProbes)
            subjects.push_back({label, program, false, {}});

        for (int run = -warmup; run < runs && allRan; ++run) {
            const std::vector<std::size_t> order = runOrder(std::size_t(std::max(run, 0)), subjects.size());
            for (std::size_t slot = 0; slot < order.size(); ++slot) {
                Subject &subject = subjects[order[slot]];
                const std::optional<Sample> sample = runOnce(subject, platform, pluginDir);
                if (!sample) {
                    allRan = false;
                    break;
                }
                if (run < 0)
                    continue;
                subject.samples.push_back(*sample);
                if (samplesFile)
                    std::fprintf(samplesFile, "%s\t%d\t%zu\t%s\t%.3f\t%.3f\t%.3f\n", platform.name.c_str(), run + 1,
                                 slot + 1, subject.label.c_str(), sample->ms, sample->cpuMs, sample->rssMiB);
            }
        }
        if (!allRan)
            break;

        std::printf("\nStart-up to first paint, %s: %d runs after %d warm-up, subjects interleaved\n",
                    platform.label.c_str(), runs, warmup);
        std::printf("  %-40s %-26s  %-7s   %s\n", "median [quartiles] of the runs", "wall ms", "CPU ms", "RSS MiB");
        for (const Subject &subject : subjects)
            printSubject(subject);

        // The headline is the program against the floor that already pays for
        // the font system, which any program showing text does; the two steps
        // of that floor and the probe's stand-in check come after it.
        std::vector<Comparison> comparisons{
            {"tarnwick / floor with a line of text", Probe, Text, true},
            {"forms look / bare floor", Look, Floor, false},
            {"a line of text / forms look", Text, Look, false},
            {"shipped binary / probe, both via plugin", ShippedPlugin, ProbePlugin, false},
        };
        for (std::size_t i = FirstExtra; i < subjects.size(); ++i)
            comparisons.push_back({subjects[i].label + " / floor with a line of text", i, Text, true});

        std::printf("\n  %-40s %-20s  %-25s  %-5s   %s\n", "paired run by run: median [quartiles]", "wall x",
                    "wall +ms", "CPU x", "RSS +MiB");
        std::vector<std::pair<std::string, Verdict>> verdicts;
        for (const Comparison &comparison : comparisons) {
            const Verdict verdict = printComparison(comparison, subjects);
            if (comparison.heldToTargets && platform.targetsApply)
                verdicts.emplace_back(comparison.label, verdict);
        }
        if (!verdicts.empty())
            std::printf("\n");
        for (const auto &[label, verdict] : verdicts) {
            printVerdict(label, verdict);
            allMet = allMet.value_or(true) && verdict.timeMet() && verdict.memoryMet();
        }
    }
    if (server)
        stopXvfb(*server);
    if (samplesFile)
        std::fclose(samplesFile);

    rusage self{};
    getrusage(RUSAGE_SELF, &self);
    std::printf("\n(peak RSS of this launcher: %.1f MiB; a child's figure cannot go below it)\n",
                double(self.ru_maxrss) / 1024.0);
    if (!allRan)
        return 1;
    if (allMet)
        std::printf("start-up targets under Xvfb (against the floor with a line of text): %s\n",
                    *allMet ? "all met" : "not all met");
    else
        std::printf("start-up targets not judged: they apply under Xvfb, which did not run\n");
    return 0;
}
