// The console session without sockets: chunks, gaps, line handling.

#include <gtest/gtest.h>

#include "console_session.hpp"
#include "sim_fixture.hpp"

namespace tessel::sim {
namespace {

std::string Joined(const std::vector<ConsoleChunk>& chunks) {
    std::string all;
    for (const ConsoleChunk& c : chunks) {
        all += c.bytes;
    }
    return all;
}

class Session : public ::testing::Test {
  protected:
    Session()
        : state_(test::BundledState()), session_(state_, ConsoleSettings{"op", "s3cret", 25, 64}) {}

    void LogIn() {
        session_.Start();
        session_.Receive("1\r\n");
        session_.Receive("op\r\n");
        ASSERT_NE(Joined(session_.Receive("s3cret\r\n")).find("www."), std::string::npos);
        ASSERT_TRUE(session_.LoggedIn());
    }

    RouterState state_;
    ConsoleSession session_;
};

TEST_F(Session, DialogueChunksCarryTheConfiguredGap) {
    const auto greeting = session_.Start();
    ASSERT_EQ(greeting.size(), 1u);
    const auto login = session_.Receive("1\r\n");
    ASSERT_EQ(login.size(), 1u);
    EXPECT_EQ(login[0].gapBeforeMs, 25);
    session_.Receive("op\r\n");
    const auto accepted = session_.Receive("s3cret\r\n");
    ASSERT_EQ(accepted.size(), 2u);
    EXPECT_EQ(accepted[0].bytes, "\r\n");
    EXPECT_EQ(accepted[1].gapBeforeMs, 25);
    EXPECT_EQ(accepted[1].bytes.substr(accepted[1].bytes.size() - 10), "bs-north> ");
}

TEST_F(Session, RefusalNeedsTheRightNameAndPassword) {
    session_.Start();
    session_.Receive("1\r\n");
    session_.Receive("admin\r\n");
    const auto refused = session_.Receive("s3cret\r\n");
    ASSERT_EQ(refused.size(), 4u);
    EXPECT_EQ(Joined(refused).find("www."), std::string::npos);
    EXPECT_NE(refused[2].bytes.find("Sorry"), std::string::npos);
    EXPECT_NE(refused[3].bytes.find("Select: "), std::string::npos);
    EXPECT_FALSE(session_.LoggedIn());
    // Commands are not executed before login.
    session_.Receive("1\r\n");
    session_.Receive("op\r\n");
    session_.Receive("sys name evil\r\n");
    EXPECT_EQ(state_.system.name, "bs-north");
}

TEST_F(Session, LinesEndWithCrLfCrOrLfAndMaySpanReads) {
    LogIn();
    EXPECT_EQ(Joined(session_.Receive("sys loc")), "");
    EXPECT_EQ(Joined(session_.Receive("ation A\r")).rfind("sys location A\r\n", 0), 0u);
    EXPECT_EQ(Joined(session_.Receive("\nsys location B\n")).rfind("sys location B\r\n", 0), 0u)
        << "the LF after a CR is not an empty line";
    EXPECT_EQ(state_.system.location, "B");
    const auto lines = session_.TakeLines();
    EXPECT_EQ(lines.back(), "sys location B");
    EXPECT_TRUE(session_.TakeStateChanged());
    EXPECT_FALSE(session_.TakeStateChanged());
}

TEST_F(Session, OverlongLinesAreDiscardedWholeWithoutGrowingTheBuffer) {
    LogIn();
    const std::string flood(10000, 'x');
    EXPECT_EQ(Joined(session_.Receive(flood)), "");
    EXPECT_EQ(Joined(session_.Receive(flood)), "");
    const std::string reply = Joined(session_.Receive("sys name tail\r\nsys name ok\r\n"));
    EXPECT_NE(reply.find("Error: line too long"), std::string::npos);
    EXPECT_EQ(state_.system.name, "ok") << "the tail of the long line is not executed";
    EXPECT_EQ(reply.find("sys name tail\r\nSystem"), std::string::npos);
}

TEST_F(Session, EscStopsAStreamMidLineAndTheRestOfItsLineIsDropped) {
    LogIn();
    session_.Receive("loadm  -B  -w 2 eth0\r\n");
    EXPECT_EQ(session_.StreamIntervalSeconds(), 2);
    const auto report = session_.Tick();
    ASSERT_EQ(report.size(), 1u);
    EXPECT_EQ(report[0].bytes.substr(0, 5), "  2s ");
    const std::string stop = Joined(session_.Receive("\x1b\r\n"));
    EXPECT_EQ(stop.rfind("\x1b[K", 0), 0u);
    EXPECT_EQ(session_.StreamIntervalSeconds(), 0);
    EXPECT_TRUE(session_.Tick().empty());
    // A stray ESC with nothing running answers nothing at all.
    EXPECT_EQ(Joined(session_.Receive("\x1b\r\n")), "");
}

TEST_F(Session, ACommandDuringAStreamStopsItAndStillRuns) {
    LogIn();
    session_.Receive("rma rf5.0 test 000B220578FF 100 mcast\r\n");
    EXPECT_EQ(session_.StreamIntervalSeconds(), 1);
    ASSERT_TRUE(state_.system.fastroute);
    const std::string reply = Joined(session_.Receive("sys nofastroute\r\n"));
    EXPECT_NE(reply.find("Stopped"), std::string::npos);
    EXPECT_FALSE(state_.system.fastroute);
    EXPECT_EQ(session_.StreamIntervalSeconds(), 0);
}

TEST_F(Session, QuitAsksToCloseAndCountsCommands) {
    LogIn();
    session_.Receive("\r\n\r\nco save\r\n");
    EXPECT_EQ(session_.CommandCount(), 1u) << "empty lines are not commands";
    const std::string bye = Joined(session_.Receive("quit\r\nsys name late\r\n"));
    EXPECT_TRUE(session_.WantsClose());
    EXPECT_NE(bye.find("Bye."), std::string::npos);
    EXPECT_EQ(state_.system.name, "bs-north") << "nothing runs after quit";
}

}  // namespace
}  // namespace tessel::sim
