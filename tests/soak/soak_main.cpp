// tessel-soak: the fault-injection soak of the manager against the lab
// router, offscreen. Prints what each scenario measured and every failed
// check; exits 1 when a check failed.
//
//   tessel-soak [--scenario drops|chunks|silent|reset|malformed|all]
//               [--seconds N] [--timeout-ms N] [--seed N] [--rss-growth-mb N]

#include "scenarios.hpp"

#include <QApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

using namespace tessel::soak;

struct Named {
    const char* name;
    Scenario run;
};

constexpr Named Scenarios[] = {{"drops", DroppedRequests},
                               {"chunks", SplitConsoleOutput},
                               {"silent", SilentRouter},
                               {"reset", ConsoleReset},
                               {"malformed", MalformedReplies}};

[[noreturn]] void Usage(const char* problem) {
    std::fprintf(stderr,
                 "%s\nusage: tessel-soak [--scenario drops|chunks|silent|reset|malformed|all]"
                 " [--seconds N] [--timeout-ms N] [--seed N] [--rss-growth-mb N]\n",
                 problem);
    std::exit(2);
}

long Number(const char* text, long low, long high) {
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || value < low || value > high) {
        Usage("a number is out of range");
    }
    return value;
}

// The offscreen platform says so each time a window is raised or resized;
// that is expected here and would bury the figures.
void QuietPlatformNotices(QtMsgType type, const QMessageLogContext& context,
                          const QString& message) {
    if (message.startsWith(QStringLiteral("This plugin does not support"))) {
        return;
    }
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // The logins here must not land in the user's list of recent routers.
    const QTemporaryDir config;
    setenv("XDG_CONFIG_HOME", config.path().toLocal8Bit().constData(), 1);
    qInstallMessageHandler(QuietPlatformNotices);
    QApplication application(argc, argv);
    std::string scenario = "all";
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (i + 1 >= argc) {
            Usage("every option takes a value");
        }
        const char* value = argv[++i];
        if (arg == "--scenario") {
            scenario = value;
        } else if (arg == "--seconds") {
            options.seconds = static_cast<int>(Number(value, 1, 86400));
        } else if (arg == "--timeout-ms") {
            options.timeoutMs = static_cast<int>(Number(value, 10, 5000));
        } else if (arg == "--seed") {
            options.seed = Number(value, 0, 1L << 40);
        } else if (arg == "--rss-growth-mb") {
            options.rssGrowthLimitKb = Number(value, 1, 4096) * 1024;
        } else {
            Usage("unknown option");
        }
    }
    int ran = 0;
    int failed = 0;
    for (const Named& named : Scenarios) {
        if (scenario != "all" && scenario != named.name) {
            continue;
        }
        ++ran;
        std::printf("[%s] running for about %d s ...\n", named.name, options.seconds);
        std::fflush(stdout);
        const Findings findings = named.run(options);
        for (const std::string& figure : findings.figures) {
            std::printf("[%s] %s\n", named.name, figure.c_str());
        }
        for (const std::string& failure : findings.failures) {
            std::printf("[%s] FAILED: %s\n", named.name, failure.c_str());
        }
        std::printf("[%s] %s\n", named.name, findings.failures.empty() ? "ok" : "FAILED");
        std::fflush(stdout);
        failed += findings.failures.empty() ? 0 : 1;
    }
    if (ran == 0) {
        Usage("unknown scenario");
    }
    return failed == 0 ? 0 : 1;
}
