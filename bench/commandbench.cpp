// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
// Command-line benchmark: how much a calculation in the terminal costs over
// the cheapest answer the program gives, `tarnwick --version`, which starts
// no window, no platform plugin and no font system either; and how long a
// sweep of 10000 frequencies to CSV takes. The three commands run
// interleaved, in turn, with no display in their environment; the
// calculation is compared with --version run by run.
#include "pairedstats.h"
#include "probelaunch.h"

#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr double CalculationExtraTargetMs = 5.0;
constexpr double SweepTargetMs = 300.0;

// The wall time of one run, or a negative number when it failed.
double timeOnce(std::vector<std::string> arguments)
{
    std::vector<std::string> variables = baseEnvironment();
    std::vector<char *> argv = pointers(arguments);
    std::vector<char *> envp = pointers(variables);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    const double start = nowMs();
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (failed || waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1.0;
    return nowMs() - start;
}

} // namespace

int main(int argc, char *argv[])
{
    const std::string program = argc > 1 ? argv[1] : TARNWICK_SHIPPED_PROGRAM;
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 30;
    const std::vector<std::vector<std::string>> commands{
        {program, "--version"},
        {program, "-f", "14.2", "-c", "RG-8x"},
        {program, "--from=0.001", "--to=10", "--step=0.001", "-c", "RG-8x", "--format=csv"},
    };
    std::vector<std::vector<double>> times(commands.size());
    for (int run = -2; run < runs; ++run) {
        for (std::size_t i = 0; i < commands.size(); ++i) {
            const std::size_t which = (i + std::size_t(std::max(run, 0))) % commands.size();
            const double ms = timeOnce(commands[which]);
            if (ms < 0) {
                std::fprintf(stderr, "%s failed\n", commands[which][1].c_str());
                return 1;
            }
            if (run >= 0)
                times[which].push_back(ms);
        }
    }

    const char *labels[] = {"tarnwick --version", "tarnwick -f 14.2 -c RG-8x", "10000-row sweep to CSV"};
    std::printf("Command line, %d runs each, interleaved, no display: median [quartiles] ms\n", runs);
    for (std::size_t i = 0; i < commands.size(); ++i) {
        const Spread spread = spreadOf(times[i]);
        std::printf("  %-28s %7.2f  [%6.2f – %6.2f]\n", labels[i], spread.median, spread.lowerQuartile,
                    spread.upperQuartile);
    }
    const Spread extra = spreadOf(pairedDifferences(times[1], times[0]));
    const double sweep = spreadOf(times[2]).median;
    std::printf("  calculation over --version, paired: %+.2f ms [%+.2f – %+.2f] (target ≤ +%.0f: %s)\n", extra.median,
                extra.lowerQuartile, extra.upperQuartile, CalculationExtraTargetMs,
                extra.median <= CalculationExtraTargetMs ? "met" : "MISSED");
    std::printf("  sweep of 10000 rows to CSV: %.1f ms (target ≤ %.0f: %s)\n", sweep, SweepTargetMs,
                sweep <= SweepTargetMs ? "met" : "MISSED");
    return 0;
}
