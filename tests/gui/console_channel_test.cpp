// The console channel on its own, against a loopback console that plays the
// router's login dialogue: which reply comes out under which code, what a
// refused line leaves, and what the trace and the console log show of the
// password.

#include "app/console_channel.hpp"
#include "app/console_log_feed.hpp"
#include "core/session/console_log.hpp"
#include "core/session/trace.hpp"
#include "fake_console.hpp"
#include "scripted_messages.hpp"
#include "wait_for.hpp"

#include <QTcpSocket>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace tessel {
namespace {

using test::FakeConsole;
using test::WaitFor;

constexpr const char* Password = "s3cret";

class Channel : public ::testing::Test {
  protected:
    Channel()
        : trace_([this](std::string_view line) { traced_.emplace_back(line); }),
          channel_(&trace_, console_.Port(), &window_) {
        channel_.SetObserver(&feed_);
        QObject::connect(&channel_, &ConsoleChannel::Reply, &window_,
                         [this](ReplyAction action, const std::string&) {
                             replies_.emplace_back(action, channel_.Code());
                             Answer(action);
                         });
    }

    // What the window answers in the dialogue.
    void Answer(ReplyAction action) {
        if (action == ReplyAction::SendOne) {
            channel_.SendLine("1");
        } else if (action == ReplyAction::SendLoginName) {
            channel_.SendLine("admin");
        } else if (action == ReplyAction::SendPassword) {
            channel_.SendSecret(Password);
        }
    }

    void Open() {
        channel_.Open(QStringLiteral("127.0.0.1"), QStringLiteral("127.0.0.1"), Password);
    }

    // The console log's entries of a kind, as "text".
    std::vector<std::string> Logged(ConsoleLogKind kind) const {
        std::vector<std::string> texts;
        for (const ConsoleLogEntry& entry : log_.Entries()) {
            if (entry.kind == kind) {
                texts.push_back(entry.text);
            }
        }
        return texts;
    }

    bool Traced(const std::string& part) const {
        for (const std::string& line : traced_) {
            if (line.find(part) != std::string::npos) {
                return true;
            }
        }
        return false;
    }

    test::ScriptedMessages messages_;
    QWidget window_;
    std::vector<std::string> traced_;
    TraceLog trace_;
    ConsoleLog log_;
    ConsoleLogFeed feed_{log_, nullptr};
    FakeConsole console_{FakeConsole::Ending::CloseSilentlyOnQuit};
    ConsoleChannel channel_;
    std::vector<std::pair<ReplyAction, ReplyCode>> replies_;
};

TEST_F(Channel, DialogueRepliesComeWithTheirNextCodeAndThePasswordStaysOutOfTheTrace) {
    bool connected = false;
    QObject::connect(&channel_, &ConsoleChannel::Connected, &window_,
                     [&] { connected = channel_.Code() == ReplyCode::Disconnected; });
    Open();
    ASSERT_TRUE(WaitFor([&] { return channel_.Code() == ReplyCode::Idle; }, 10000));
    EXPECT_TRUE(connected);
    const std::vector<std::pair<ReplyAction, ReplyCode>> expected = {
        {ReplyAction::SendOne, ReplyCode::SendLogin},
        {ReplyAction::SendLoginName, ReplyCode::SendPassword},
        {ReplyAction::SendPassword, ReplyCode::SkipAfterPassword},
        {ReplyAction::LoginAccepted, ReplyCode::Idle},
    };
    EXPECT_EQ(replies_, expected);
    EXPECT_EQ(console_.Lines(), (std::vector<std::string>{"1", "admin", Password}));
    EXPECT_FALSE(Traced(Password));
    EXPECT_TRUE(Traced(std::string(MaskedSecret)));
    EXPECT_EQ(Logged(ConsoleLogKind::Sent),
              (std::vector<std::string>{"1", "admin", std::string(MaskedSecret)}));
    EXPECT_EQ(log_.SaveText().find(Password), std::string::npos);

    // "quit": the router closes without a word; the code is back before the
    // window hears of it.
    ReplyCode atDisconnect = ReplyCode::Quit;
    QObject::connect(&channel_, &ConsoleChannel::Disconnected, &window_,
                     [&] { atDisconnect = channel_.Code(); });
    ASSERT_TRUE(channel_.Send({"quit", ReplyCode::Quit}));
    EXPECT_EQ(channel_.Code(), ReplyCode::Quit);
    ASSERT_TRUE(WaitFor([&] { return !channel_.IsConnected(); }, 10000));
    EXPECT_EQ(atDisconnect, ReplyCode::Disconnected);
    EXPECT_EQ(channel_.Code(), ReplyCode::Disconnected);
}

TEST_F(Channel, ARefusedLineLeavesTheCodeAndTellsTheOperator) {
    ASSERT_TRUE(channel_.Send({"loadm  -w 1 eth0", ReplyCode::LoadMeterStart}));
    EXPECT_FALSE(channel_.Send({"sys name a\r\nco save", ReplyCode::System}));
    EXPECT_FALSE(channel_.SendLine(std::string("x\0y", 3)));
    EXPECT_EQ(channel_.Code(), ReplyCode::LoadMeterStart);
    ASSERT_EQ(messages_.boxes.size(), 2u);
    EXPECT_EQ(messages_.boxes[0].caption, QStringLiteral("Input error"));
    // On a closed connection a safe line counts as sent and goes nowhere;
    // a refused one is not even traced.
    EXPECT_TRUE(Traced("console not sent (not connected) \"loadm  -w 1 eth0"));
    EXPECT_FALSE(Traced("co save"));
    EXPECT_TRUE(replies_.empty());
    // The console log says what was not sent, and why; never the password.
    EXPECT_TRUE(channel_.SendSecret(Password));
    EXPECT_EQ(
        Logged(ConsoleLogKind::Refused),
        (std::vector<std::string>{
            "not connected: loadm  -w 1 eth0", "a line break or NUL in it: sys name a\\r\\nco save",
            "a line break or NUL in it: x\\x00y", "not connected: ********"}));
}

TEST_F(Channel, StopAbandonAndResetChangeOnlyTheCodesTheyConcern) {
    channel_.SetCodeForTest(ReplyCode::LoadMeterRow);
    channel_.StopReport();
    EXPECT_EQ(channel_.Code(), ReplyCode::LoadMeterRowStopped);
    channel_.StopReport();  // already stopped
    EXPECT_EQ(channel_.Code(), ReplyCode::LoadMeterRowStopped);

    channel_.Abandon(ReplyCode::BsDeleteBeforeAdd);  // another code waits
    EXPECT_EQ(channel_.Code(), ReplyCode::LoadMeterRowStopped);
    channel_.SetCodeForTest(ReplyCode::BsDeleteBeforeAdd);
    channel_.Abandon(ReplyCode::BsDeleteBeforeAdd);
    EXPECT_EQ(channel_.Code(), ReplyCode::Idle);

    channel_.Reset();
    EXPECT_EQ(channel_.Code(), ReplyCode::Disconnected);
}

}  // namespace
}  // namespace tessel
