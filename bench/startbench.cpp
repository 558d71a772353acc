// SPDX-License-Identifier: MIT
// Start-up benchmark: how long from exec until the main window's first frame,
// and how much memory at the peak, for the program and for the floor (a bare
// Qt window from the same tree and flags), under a real X server (Xvfb) and
// under the offscreen platform.
//
// Each run starts a probe with a pipe on the command line, takes the time
// just before the spawn and again when the probe's one byte arrives, and
// reads the peak RSS from wait4(). Subjects are interleaved run by run, so a
// slow spell of the machine lands on all of them alike.
//
// Deliberately no Qt here: a spawned child starts with its parent's peak RSS
// as the floor of its own ru_maxrss (the kernel carries the high-water mark
// over exec), so the launcher has to stay far below what it measures.

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

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

extern char **environ;

namespace fs = std::filesystem;

namespace {

constexpr double StartupRatioTarget = 1.25;
constexpr double RssAllowanceMiB = 4.0;
constexpr int RunTimeoutMs = 20'000;

double nowMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

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
    std::string label;
    std::vector<std::string> environment; // NAME=value set for every child
};

// The parent's environment without what the benchmark sets itself.
std::vector<std::string> baseEnvironment()
{
    static constexpr std::string_view Overridden[] = {
        "QT_QPA_PLATFORM=", "DISPLAY=", "QT_PLUGIN_PATH=", "QT_QPA_GENERIC_PLUGINS=", "WAYLAND_DISPLAY="};
    std::vector<std::string> result;
    for (char **entry = environ; *entry; ++entry) {
        const std::string_view variable(*entry);
        if (std::none_of(std::begin(Overridden), std::end(Overridden),
                         [&](std::string_view prefix) { return variable.starts_with(prefix); }))
            result.emplace_back(variable);
    }
    return result;
}

std::vector<char *> pointers(std::vector<std::string> &strings)
{
    std::vector<char *> result;
    for (std::string &s : strings)
        result.push_back(s.data());
    result.push_back(nullptr);
    return result;
}

std::string readAll(int fd)
{
    std::string text;
    char buffer[4096];
    lseek(fd, 0, SEEK_SET);
    ssize_t n;
    while ((n = read(fd, buffer, sizeof buffer)) > 0)
        text.append(buffer, std::size_t(n));
    return text;
}

// One start of one subject. Nothing on failure; what the child printed is
// shown then, since a probe that never paints is a broken set-up, not a figure.
std::optional<Sample> runOnce(const Subject &subject, const Platform &platform, const fs::path &pluginDir)
{
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0) {
        std::perror("pipe2");
        return std::nullopt;
    }
    // Only the write end goes to the child, so it must survive the exec.
    fcntl(pipeFds[1], F_SETFD, 0);
    const int errors = memfd_create("probe-stderr", MFD_CLOEXEC);

    std::vector<std::string> environment = baseEnvironment();
    environment.insert(environment.end(), platform.environment.begin(), platform.environment.end());
    std::vector<std::string> arguments{subject.program};
    if (subject.throughPlugin) {
        environment.push_back("QT_PLUGIN_PATH=" + pluginDir.string());
        environment.push_back("QT_QPA_GENERIC_PLUGINS=tarnwickfirstpaint:" + std::to_string(pipeFds[1]));
    } else {
        arguments.push_back("--first-paint-fd=" + std::to_string(pipeFds[1]));
    }
    std::vector<char *> argv = pointers(arguments);
    std::vector<char *> envp = pointers(environment);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    if (errors >= 0)
        posix_spawn_file_actions_adddup2(&actions, errors, STDERR_FILENO);

    pid_t pid = 0;
    const double start = nowMs();
    const int spawnError = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (spawnError != 0) {
        std::fprintf(stderr, "cannot start %s: %s\n", argv[0], std::strerror(spawnError));
        close(pipeFds[0]);
        if (errors >= 0)
            close(errors);
        return std::nullopt;
    }

    pollfd waitFor{pipeFds[0], POLLIN, 0};
    int ready;
    do
        ready = poll(&waitFor, 1, RunTimeoutMs);
    while (ready < 0 && errno == EINTR);
    char byte = 0;
    const bool painted = ready == 1 && read(pipeFds[0], &byte, 1) == 1;
    const double end = nowMs();
    close(pipeFds[0]);
    if (!painted)
        kill(pid, SIGKILL);

    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) { }
    const bool cleanExit = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (!painted || !cleanExit) {
        std::fprintf(stderr, "%s (%s): %s\n", subject.label.c_str(), platform.label.c_str(),
                     painted ? "did not exit cleanly after its first paint" : "no first paint");
        if (errors >= 0)
            std::fprintf(stderr, "%s", readAll(errors).c_str());
    }
    if (errors >= 0)
        close(errors);
    if (!painted || !cleanExit)
        return std::nullopt;
    const auto toMs = [](const timeval &t) { return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3; };
    return Sample{end - start, toMs(usage.ru_utime) + toMs(usage.ru_stime), double(usage.ru_maxrss) / 1024.0};
}

struct Summary {
    double median, min, max;
};

Summary summarize(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
    return {median, values.front(), values.back()};
}

Summary timeOf(const Subject &s)
{
    std::vector<double> v;
    for (const Sample &x : s.samples)
        v.push_back(x.ms);
    return summarize(v);
}

Summary cpuOf(const Subject &s)
{
    std::vector<double> v;
    for (const Sample &x : s.samples)
        v.push_back(x.cpuMs);
    return summarize(v);
}

Summary rssOf(const Subject &s)
{
    std::vector<double> v;
    for (const Sample &x : s.samples)
        v.push_back(x.rssMiB);
    return summarize(v);
}

void printRow(const Subject &s)
{
    const Summary t = timeOf(s);
    const Summary c = cpuOf(s);
    const Summary r = rssOf(s);
    std::printf("  %-40s %7.1f  [%6.1f – %6.1f]  %7.1f   %6.1f  [%5.1f – %5.1f]\n", s.label.c_str(), t.median, t.min,
                t.max, c.median, r.median, r.min, r.max);
}

// The program against its floor: the ratio of median times and the
// difference of median peaks, each with its target.
bool printComparison(const char *label, const Subject &program, const Subject &floor, bool withTargets)
{
    const double ratio = timeOf(program).median / timeOf(floor).median;
    const double cpuRatio = cpuOf(program).median / cpuOf(floor).median;
    const double extra = rssOf(program).median - rssOf(floor).median;
    const bool timeMet = ratio <= StartupRatioTarget;
    const bool rssMet = extra <= RssAllowanceMiB;
    if (withTargets)
        std::printf("  %-40s %5.2f x wall (≤ %.2f: %s), %5.2f x CPU   %+5.1f MiB (≤ +%.0f: %s)\n", label, ratio,
                    StartupRatioTarget, timeMet ? "met" : "MISSED", cpuRatio, extra, RssAllowanceMiB,
                    rssMet ? "met" : "MISSED");
    else
        std::printf("  %-40s %5.2f x wall,                %5.2f x CPU   %+5.1f MiB\n", label, ratio, cpuRatio, extra);
    return timeMet && rssMet;
}

// An X server of our own for the run; the display number comes back on a
// pipe once the server accepts connections.
struct Xvfb {
    pid_t pid = 0;
    int display = -1;
};

std::optional<Xvfb> startXvfb()
{
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        return std::nullopt;
    fcntl(fds[1], F_SETFD, 0);
    std::vector<std::string> arguments{
        "Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", "1280x1024x24", "-nolisten", "tcp", "-noreset"};
    std::vector<char *> argv = pointers(arguments);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawnError = posix_spawnp(&pid, "Xvfb", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (spawnError != 0) {
        close(fds[0]);
        std::fprintf(stderr, "cannot start Xvfb: %s\n", std::strerror(spawnError));
        return std::nullopt;
    }
    std::string number;
    pollfd waitFor{fds[0], POLLIN, 0};
    char c;
    while (poll(&waitFor, 1, 10'000) == 1 && read(fds[0], &c, 1) == 1 && c != '\n')
        number += c;
    close(fds[0]);
    if (number.empty()) {
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
        std::fprintf(stderr, "Xvfb did not come up\n");
        return std::nullopt;
    }
    return Xvfb{pid, std::atoi(number.c_str())};
}

void stopXvfb(const Xvfb &server)
{
    kill(server.pid, SIGTERM);
    waitpid(server.pid, nullptr, 0);
}

void usage(const char *name)
{
    std::fprintf(stderr,
                 "usage: %s [--runs N] [--warmup N] [--no-xvfb] [--no-offscreen] [--tarnwick PATH]\n"
                 "          [--probe LABEL=PATH]...\n"
                 "  Prints start-up time to first paint and peak RSS, as median [min – max],\n"
                 "  for the program and the bare-window floor. Each --probe adds a program\n"
                 "  that takes --first-paint-fd=N (a candidate change, say), compared with the\n"
                 "  floor in the same runs. Exits 1 if a probe fails, 0 otherwise (targets\n"
                 "  missed are printed, not failed).\n",
                 name);
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
        } else {
            usage(argv[0]);
            return 2;
        }
    }

    std::optional<Xvfb> server;
    std::vector<Platform> platforms;
    if (withXvfb) {
        server = startXvfb();
        if (server)
            platforms.push_back({"xcb on Xvfb :" + std::to_string(server->display),
                                 {"QT_QPA_PLATFORM=xcb", "DISPLAY=:" + std::to_string(server->display)}});
        else
            std::fprintf(stderr, "skipping the Xvfb runs (package xvfb)\n");
    }
    if (withOffscreen)
        platforms.push_back({"offscreen", {"QT_QPA_PLATFORM=offscreen"}});

    enum { Floor, Look, Text, Probe, FloorPlugin, ProbePlugin, ShippedPlugin, FirstExtra };
    bool allRan = true;
    bool allMet = true;
    for (const Platform &platform : platforms) {
        std::vector<Subject> subjects{
            {"floor: bare QWidget", (here / "tarnwick_probe_floor").string(), false, {}},
            {"floor + forms look", (here / "tarnwick_probe_look").string(), false, {}},
            {"floor + forms look + a line of text", (here / "tarnwick_probe_text").string(), false, {}},
            {"tarnwick (probe)", (here / "tarnwick_probe_tarnwick").string(), false, {}},
            {"floor, via plugin", (here / "tarnwick_probe_floor").string(), true, {}},
            {"tarnwick (probe), via plugin", (here / "tarnwick_probe_tarnwick").string(), true, {}},
            {"tarnwick (shipped binary), via plugin", shipped.string(), true, {}},
        };
        for (const auto &[label, program] : extraProbes)
            subjects.push_back({label, program, false, {}});

        for (int run = -warmup; run < runs && allRan; ++run) {
            for (Subject &subject : subjects) {
                const std::optional<Sample> sample = runOnce(subject, platform, pluginDir);
                if (!sample) {
                    allRan = false;
                    break;
                }
                if (run >= 0)
                    subject.samples.push_back(*sample);
            }
        }
        if (!allRan)
            break;

        std::printf("\nStart-up to first paint, %s: %d runs each after %d warm-up\n", platform.label.c_str(), runs,
                    warmup);
        std::printf("  %-40s %7s  [%6s – %6s]  %7s   %6s  [%5s – %5s]\n", "", "wall ms", "min", "max", "CPU ms",
                    "RSS MiB", "min", "max");
        for (const Subject &subject : subjects)
            printRow(subject);
        allMet &= printComparison("tarnwick / floor", subjects[Probe], subjects[Floor], true);
        printComparison("forms look / floor", subjects[Look], subjects[Floor], false);
        printComparison("a line of text / floor", subjects[Text], subjects[Floor], false);
        // The same targets against a floor that has brought up the font system
        // too: what the program adds beyond what any program showing text pays.
        printComparison("tarnwick / floor with a line of text", subjects[Probe], subjects[Text], true);
        printComparison("shipped binary / floor, via plugin", subjects[ShippedPlugin], subjects[FloorPlugin], false);
        printComparison("shipped binary / probe, via plugin", subjects[ShippedPlugin], subjects[ProbePlugin], false);
        for (std::size_t i = FirstExtra; i < subjects.size(); ++i)
            printComparison((subjects[i].label + " / floor").c_str(), subjects[i], subjects[Floor], true);
    }
    if (server)
        stopXvfb(*server);

    rusage self{};
    getrusage(RUSAGE_SELF, &self);
    std::printf("\n(peak RSS of this launcher: %.1f MiB; a child's figure cannot go below it)\n",
                double(self.ru_maxrss) / 1024.0);
    if (!allRan)
        return 1;
    std::printf("start-up targets (tarnwick / floor): %s\n", allMet ? "all met" : "not all met");
    return 0;
}
