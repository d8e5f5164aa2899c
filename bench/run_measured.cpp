// Runs another program and reports it in the same format as our own
// benchmarks: its CPU from wait4's resource usage (whole process, start-up
// included), its wall time, and as exchanges the lines it printed plus one
// (a walker prints one line per entry and makes one more request to see the
// subtree end), or BENCH_EXCHANGES when that is set (a program whose output
// is not one line per exchange, such as a JSON document).
//
//   run_measured LABEL PROGRAM [ARGS...]

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "exchange_meter.hpp"

extern char** environ;

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s LABEL PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    int out[2];
    if (::pipe(out) != 0) {
        return 1;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    const std::uint64_t wall0 = tessel::bench::WallNanos();
    pid_t child = 0;
    if (posix_spawnp(&child, argv[2], &actions, nullptr, argv + 2, environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", argv[2]);
        return 1;
    }
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    std::uint64_t lines = 0;
    char buffer[65536];
    for (ssize_t n; (n = ::read(out[0], buffer, sizeof buffer)) > 0;) {
        for (ssize_t i = 0; i < n; ++i) {
            lines += buffer[i] == '\n';
        }
    }
    ::close(out[0]);
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    const std::uint64_t wall = tessel::bench::WallNanos() - wall0;
    const auto nanos = [](const timeval& t) {
        return (static_cast<std::uint64_t>(t.tv_sec) * 1000000u +
                static_cast<std::uint64_t>(t.tv_usec)) *
               1000u;
    };
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || lines == 0) {
        std::fprintf(stderr, "%s failed or printed nothing\n", argv[2]);
        return 1;
    }
    const char* given = std::getenv("BENCH_EXCHANGES");
    const std::uint64_t exchanges =
        given != nullptr && *given != '\0' ? std::strtoull(given, nullptr, 10) : lines + 1;
    tessel::bench::Report(argv[1], exchanges, wall, nanos(usage.ru_utime) + nanos(usage.ru_stime));
    return 0;
}
