// The built programs answer --help and --version on their own, with no
// display to open, and every other command line still reaches the window.

#include "support/run_program.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessel::test {
namespace {

const std::string Manager = TESSEL_MANAGER_PATH;
const std::string Version = TESSEL_PROJECT_VERSION;

// No display at all, and the X11 platform that would abort without one: a
// window created by mistake cannot go unnoticed.
ProgramResult RunWithoutDisplay(const std::vector<std::string>& args) {
    std::vector<std::string> argv = {
        "env", "-u", "DISPLAY", "-u", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM=xcb", Manager};
    argv.insert(argv.end(), args.begin(), args.end());
    return RunProgram(argv, std::chrono::seconds(30));
}

// Offscreen, quitting after the first paint: prints "shown" when the window
// came up.
ProgramResult RunWindow(const std::vector<std::string>& args) {
    std::vector<std::string> argv = {"env", "QT_QPA_PLATFORM=offscreen", "TESSEL_QUIT_WHEN_SHOWN=1",
                                     Manager};
    argv.insert(argv.end(), args.begin(), args.end());
    return RunProgram(argv, std::chrono::seconds(60));
}

TEST(ProgramOptions, HelpAlonePrintsTheUsageWithoutADisplay) {
    const ProgramResult r = RunWithoutDisplay({"--help"});
    EXPECT_EQ(r.exitCode, 0) << r.output;
    EXPECT_EQ(r.output.rfind("Usage: tessel-manager ", 0), 0u) << r.output;
    // The login options in the order the parser reads them.
    std::size_t at = 0;
    for (const char* option : {"--host=", "--login=", "--password=", "--community="}) {
        const std::size_t found = r.output.find(option, at);
        ASSERT_NE(found, std::string::npos) << option << " missing or out of order\n" << r.output;
        at = found;
    }
    EXPECT_NE(r.output.find("tessel-manager --snapshot --host=ADDRESS --community=COMMUNITY"),
              std::string::npos)
        << r.output;
    for (const char* variable : {"TESSEL_SNMP_PORT", "TESSEL_CONSOLE_PORT",
                                 "TESSEL_QUIT_WHEN_SHOWN", "TESSEL_ROUTER_SIM", "TESSEL_TRACE"}) {
        EXPECT_NE(r.output.find(variable), std::string::npos) << variable << "\n" << r.output;
    }
}

TEST(ProgramOptions, VersionAlonePrintsTheProjectVersionWithoutADisplay) {
    const ProgramResult r = RunWithoutDisplay({"--version"});
    EXPECT_EQ(r.exitCode, 0) << r.output;
    EXPECT_EQ(r.output, "tessel-manager " + Version + "\n");
}

TEST(ProgramOptions, AnAnswerThatCannotBeWrittenFailsTheExitCode) {
    for (const char* option : {"--version", "--help"}) {
        const ProgramResult r =
            RunProgram({"sh", "-c", "exec \"$0\" \"$1\" >/dev/full", Manager, option});
        EXPECT_EQ(r.exitCode, 1) << option << "\n" << r.output;
    }
}

TEST(ProgramOptions, OtherCommandLinesStillOpenTheWindow) {
    // Neither option alone: the window's own command-line rules apply, and
    // an incomplete login line opens the empty form.
    const std::vector<std::vector<std::string>> lines = {
        {},
        {"--help", "--version"},
        {"--version", "extra"},
        {"-h"},
        {"--help "},
        {"--host=--help", "--login=--version"},
    };
    for (const auto& args : lines) {
        const ProgramResult r = RunWindow(args);
        EXPECT_EQ(r.exitCode, 0) << r.output;
        EXPECT_NE(r.output.find("shown"), std::string::npos) << r.output;
        EXPECT_EQ(r.output.find("Usage:"), std::string::npos) << r.output;
        EXPECT_EQ(r.output.find(Version), std::string::npos) << r.output;
    }
}

// The bitmap embedded in the program, so the window has its icon even when
// no icon theme or SVG plugin is installed.
TEST(ProgramOptions, TheWindowCarriesTheEmbeddedIcon) {
    const ProgramResult r = RunWindow({});
    EXPECT_EQ(r.exitCode, 0) << r.output;
    EXPECT_NE(r.output.find("\nicon 128x128\n"), std::string::npos) << r.output;
}

#ifdef TESSEL_ROUTER_SIM_BINARY
TEST(ProgramOptions, LabRouterReportsTheSameVersion) {
    const ProgramResult r = RunProgram({TESSEL_ROUTER_SIM_BINARY, "--version"});
    EXPECT_EQ(r.exitCode, 0) << r.output;
    EXPECT_EQ(r.output, "tessel-router-sim " + Version + "\n");
}
#endif

}  // namespace
}  // namespace tessel::test
