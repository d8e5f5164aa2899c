// Start-up of the manager: time from starting the process to its login window
// being painted, and the peak resident memory of the process. Runs the
// program N times with TESSEL_QUIT_WHEN_SHOWN=1 (it prints "shown" after its
// first paint and quits) and prints the figures.
//
//   startup_probe PATH/tessel-manager [runs]

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Run {
    double milliseconds = 0;
    long peakKiB = 0;
    bool ok = false;
};

Run StartOnce(const char* program) {
    Run run;
    int out[2];
    if (pipe(out) != 0) {
        return run;
    }
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        setenv("TESSEL_QUIT_WHEN_SHOWN", "1", 1);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    if (child < 0) {
        close(out[0]);
        return run;
    }
    std::string seen;
    char buffer[256];
    ssize_t n = 0;
    while (seen.find("shown") == std::string::npos &&
           (n = read(out[0], buffer, sizeof buffer)) > 0) {
        seen.append(buffer, static_cast<std::size_t>(n));
    }
    const auto shown = std::chrono::steady_clock::now();
    close(out[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    run.ok = seen.find("shown") != std::string::npos;
    run.milliseconds = std::chrono::duration<double, std::milli>(shown - start).count();
    run.peakKiB = usage.ru_maxrss;
    return run;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PATH/tessel-manager [runs]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10;
    StartOnce(argv[1]);  // warm the page cache and font caches once
    std::vector<double> times;
    long peak = 0;
    for (int i = 0; i < runs; ++i) {
        const Run run = StartOnce(argv[1]);
        if (!run.ok) {
            std::fprintf(stderr, "run %d: the window was never shown\n", i + 1);
            return 1;
        }
        times.push_back(run.milliseconds);
        peak = std::max(peak, run.peakKiB);
    }
    std::sort(times.begin(), times.end());
    std::printf(
        "start-up to login window shown, %d runs: median %.1f ms, min %.1f ms, "
        "max %.1f ms (target < 300 ms)\n",
        runs, times[times.size() / 2], times.front(), times.back());
    std::printf("peak resident memory: %.1f MB (target < 60 MB)\n", peak / 1024.0);
    return 0;
}
