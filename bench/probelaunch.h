// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

// Starting a probe, on the platform and X server of the run, and timing it
// from exec to its first painted frame.

// Milliseconds on the monotonic clock.
double nowMs();
// The parent's environment without what the benchmarks set themselves: the
// display, the platform and the plugins.
std::vector<std::string> baseEnvironment();
// Arguments or an environment as exec takes them, null-terminated; valid
// while `strings` is.
std::vector<char *> pointers(std::vector<std::string> &strings);

struct Sample {
    double ms;
    double cpuMs; // user + system: what the probe itself ran, without waiting for a core
    double rssMiB;
};

struct Subject {
    std::string label;
    std::string program;
    bool throughPlugin; // watched by the generic plugin instead of reporting itself
    std::vector<Sample> samples;
};

struct Platform {
    std::string name; // in the samples file
    std::string label;
    bool targetsApply; // a real X server is what users start on; offscreen is for comparison
    std::vector<std::string> environment; // NAME=value set for every child
};

// One start of one subject. Nothing on failure; what the child printed is
// shown then, since a probe that never paints is a broken set-up, not a figure.
std::optional<Sample> runOnce(const Subject &subject, const Platform &platform, const std::filesystem::path &pluginDir);

// An X server of our own for the run; the display number comes back on a
// pipe once the server accepts connections.
struct Xvfb {
    pid_t pid = 0;
    int display = -1;
};

std::optional<Xvfb> startXvfb();
void stopXvfb(const Xvfb &server);
