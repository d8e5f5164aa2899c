#pragma once

// Wall and CPU clocks for the exchange benchmarks, and their one printout
// format, so that our client, the raw floor and the external walker are
// reported the same way and the script can compare them.

#include <sys/resource.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>

namespace tessel::bench {

// CPU time of this process in nanoseconds: the scheduler's own count from
// /proc/self/schedstat, or getrusage when that file is missing.
inline std::uint64_t CpuNanos() {
    if (std::FILE* file = std::fopen("/proc/self/schedstat", "r")) {
        unsigned long long onCpu = 0;
        const int read = std::fscanf(file, "%llu", &onCpu);
        std::fclose(file);
        if (read == 1) {
            return onCpu;
        }
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto micros = [](const timeval& t) {
        return static_cast<std::uint64_t>(t.tv_sec) * 1000000u +
               static_cast<std::uint64_t>(t.tv_usec);
    };
    return (micros(usage.ru_utime) + micros(usage.ru_stime)) * 1000u;
}

// CPU time of another process (the agent we talk to) in nanoseconds, from
// /proc/PID/schedstat; 0 when it cannot be read.
inline std::uint64_t ProcessCpuNanos(long pid) {
    if (pid <= 0) {
        return 0;
    }
    const std::string path = "/proc/" + std::to_string(pid) + "/schedstat";
    unsigned long long onCpu = 0;
    if (std::FILE* file = std::fopen(path.c_str(), "r")) {
        if (std::fscanf(file, "%llu", &onCpu) != 1) {
            onCpu = 0;
        }
        std::fclose(file);
    }
    return onCpu;
}

inline std::uint64_t WallNanos() {
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(
                                          std::chrono::steady_clock::now().time_since_epoch())
                                          .count());
}

// One line, key=value, for people and for scripts alike.
inline void Report(const char* label, std::uint64_t exchanges, std::uint64_t wallNs,
                   std::uint64_t cpuNs) {
    const double n = exchanges == 0 ? 1.0 : static_cast<double>(exchanges);
    const double seconds = static_cast<double>(wallNs) / 1e9;
    std::printf(
        "%s exchanges=%llu exchanges_per_s=%.0f wall_us_per_exchange=%.2f "
        "cpu_us_per_exchange=%.2f\n",
        label, static_cast<unsigned long long>(exchanges),
        seconds > 0 ? static_cast<double>(exchanges) / seconds : 0.0,
        static_cast<double>(wallNs) / 1e3 / n, static_cast<double>(cpuNs) / 1e3 / n);
}

}  // namespace tessel::bench
