#include "core/session/program_request.hpp"

#include "core/session/command_line.hpp"
#include "core/text.hpp"

#include <gtest/gtest.h>

#include <regex>
#include <vector>

namespace tessel {
namespace {

ProgramRequest Recognize(std::vector<const char*> argv) {
    return RecognizeProgramRequest(static_cast<int>(argv.size()), argv.data());
}

TEST(SessionProgramRequest, HelpOrVersionOnlyAsTheSoleExactArgument) {
    EXPECT_EQ(Recognize({"tessel-manager", "--help"}), ProgramRequest::Help);
    EXPECT_EQ(Recognize({"/opt/my tools/tessel-manager", "--version"}), ProgramRequest::Version);

    // Everything else is the window's business, exactly as before.
    const std::vector<std::vector<const char*>> others = {
        {"tessel-manager"},
        {"tessel-manager", "--help", "--version"},
        {"tessel-manager", "--version", "--help"},
        {"tessel-manager", "--help", ""},
        {"tessel-manager", "-h"},
        {"tessel-manager", "-v"},
        {"tessel-manager", "--HELP"},
        {"tessel-manager", "--help "},
        {"tessel-manager", " --version"},
        {"tessel-manager", "--help=1"},
        {"tessel-manager", "--versions"},
        {"tessel-manager", ""},
        {"tessel-manager", "--host=h", "--login=l", "--password=p", "--community=--help"},
    };
    for (const auto& argv : others) {
        EXPECT_EQ(Recognize(argv), ProgramRequest::Run) << argv.size() << " " << argv.back();
    }
}

TEST(SessionProgramRequest, MissingArgumentsAreARunNotACrash) {
    EXPECT_EQ(RecognizeProgramRequest(0, nullptr), ProgramRequest::Run);
    EXPECT_EQ(RecognizeProgramRequest(2, nullptr), ProgramRequest::Run);
    const char* nullArgument[] = {"tessel-manager", nullptr};
    EXPECT_EQ(RecognizeProgramRequest(2, nullArgument), ProgramRequest::Run);
}

TEST(SessionProgramRequest, UsageShowsALoginLineThatTheParserAccepts) {
    const std::string usage = ManagerUsageText();
    ASSERT_EQ(usage.rfind("Usage: tessel-manager ", 0), 0u) << usage;
    ASSERT_EQ(usage.back(), '\n');

    // The login line, typed as shown, must log in: same options, same order,
    // one space apart.
    const std::string shown = "--host=" + TextBefore(TextAfter(usage, "  --host="), "\n");
    CommandLineValues values;
    ASSERT_TRUE(ParseCommandLine("tessel-manager " + shown, values)) << shown;
    EXPECT_EQ(values.host, "ADDRESS");
    EXPECT_EQ(values.login, "NAME");
    EXPECT_EQ(values.password, "PASSWORD");
    EXPECT_EQ(values.community, "COMMUNITY");

    for (const char* variable :
         {"TESSEL_SNMP_PORT=", "TESSEL_CONSOLE_PORT=", "TESSEL_QUIT_WHEN_SHOWN=",
          "TESSEL_ROUTER_SIM=", "TESSEL_TRACE="}) {
        EXPECT_EQ(CountOccurrences(usage, variable), 1u) << variable;
    }
    // Short enough to read on one terminal screen, no line wider than 80.
    std::size_t lineStart = 0;
    int lines = 0;
    for (std::size_t i = 0; i < usage.size(); ++i) {
        if (usage[i] == '\n') {
            EXPECT_LE(i - lineStart, 80u) << usage.substr(lineStart, i - lineStart);
            lineStart = i + 1;
            ++lines;
        }
    }
    EXPECT_LE(lines, 24);
}

TEST(SessionProgramRequest, VersionIsTheProgramNameAndADottedNumber) {
    const std::string version = ManagerVersionText();
    EXPECT_TRUE(std::regex_match(version, std::regex("tessel-manager [0-9]+\\.[0-9]+\\.[0-9]+\n")))
        << version;
}

}  // namespace
}  // namespace tessel
