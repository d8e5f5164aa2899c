#include "core/session/command_line.hpp"

#include <gtest/gtest.h>

namespace tessel {
namespace {

CommandLineValues Parse(const std::string& line, bool& complete) {
    CommandLineValues values;
    complete = ParseCommandLine(line, values);
    return values;
}

TEST(SessionCommandLine, AllFourInOrderAreTakenAndTheCommunityKeepsItsSpaces) {
    bool complete = false;
    const auto v = Parse(
        "/usr/bin/tessel-manager --host=10.0.0.1 --login=admin --password=s3cret "
        "--community=my public  one ",
        complete);
    EXPECT_TRUE(complete);
    EXPECT_EQ(v.host, "10.0.0.1");
    EXPECT_EQ(v.login, "admin");
    EXPECT_EQ(v.password, "s3cret");
    EXPECT_EQ(v.community, "my public  one ");
}

TEST(SessionCommandLine, QuotedProgramPathEndsAtItsClosingQuote) {
    bool complete = false;
    const auto v = Parse(
        "\"/opt/my tools/tessel-manager\" --host=h --login=l --password=p --community=c", complete);
    EXPECT_TRUE(complete);
    EXPECT_EQ(v.host, "h");
    EXPECT_EQ(v.community, "c");

    // A quoted path alone, or with only the separator after it, has no arguments.
    for (const char* line : {"\"/opt/my tools/tessel-manager\"", "\"/opt/x\" ", "\"unclosed"}) {
        const auto none = Parse(line, complete);
        EXPECT_FALSE(complete) << line;
        EXPECT_TRUE(none.host.empty() && none.login.empty() && none.password.empty() &&
                    none.community.empty())
            << line;
    }
}

TEST(SessionCommandLine, UnquotedPathWithoutArgumentsGivesFourEmptyValues) {
    bool complete = true;
    const auto v = Parse("tessel-manager", complete);
    EXPECT_FALSE(complete);
    EXPECT_TRUE(v.host.empty() && v.login.empty() && v.password.empty() && v.community.empty());
}

TEST(SessionCommandLine, IncompleteOrReorderedOptionsAreNotAccepted) {
    bool complete = true;
    // The host as the last option is not followed by a space: empty.
    auto v = Parse("tm --login=l --password=p --community=c --host=h", complete);
    EXPECT_FALSE(complete);
    EXPECT_TRUE(v.host.empty());

    // A missing community.
    v = Parse("tm --host=h --login=l --password=p", complete);
    EXPECT_FALSE(complete);
    EXPECT_EQ(v.host, "h");
    EXPECT_EQ(v.login, "l");
    EXPECT_TRUE(v.password.empty());  // not followed by a space

    // An empty value.
    Parse("tm --host=h --login= --password=p --community=c", complete);
    EXPECT_FALSE(complete);

    // Login before host: each option is looked for only after the earlier ones.
    v = Parse("tm --login=l --host=h --password=p --community=c", complete);
    EXPECT_FALSE(complete);
}

TEST(SessionCommandLine, JoinedArgumentsRoundTripThroughTheParser) {
    const char* argv[] = {"/opt/my tools/tm", "--host=127.0.0.1", "--login=a", "--password=b",
                          "--community=pub lic"};
    const std::string line = JoinCommandLine(5, argv);
    EXPECT_EQ(line.front(), '"');
    CommandLineValues v;
    EXPECT_TRUE(ParseCommandLine(line, v));
    EXPECT_EQ(v.host, "127.0.0.1");
    EXPECT_EQ(v.community, "pub lic");

    const char* plain[] = {"tm"};
    EXPECT_EQ(JoinCommandLine(1, plain), "tm");
}

}  // namespace
}  // namespace tessel
