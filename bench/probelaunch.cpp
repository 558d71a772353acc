// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#include "probelaunch.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

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

constexpr int RunTimeoutMs = 20'000;

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

}

double nowMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

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
