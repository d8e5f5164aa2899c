#include "core/session/console_log.hpp"
#include "core/session/trace.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace tessel {
namespace {

using std::chrono::milliseconds;

// One step of a recorded console exchange: a line sent (the password as a
// secret) or a chunk received, each under the reply code it met.
struct Step {
    enum What { Send, SendSecret, Receive } what;
    ReplyCode code;
    std::string text;
};
using Exchange = std::vector<Step>;
// Delivers one received chunk to the log, in whatever pieces it likes.
using Deliver = std::function<void(ConsoleLog&, milliseconds, const std::string&, ReplyCode)>;

void Whole(ConsoleLog& log, milliseconds time, const std::string& chunk, ReplyCode code) {
    log.Received(time, chunk, code);
}

std::vector<ConsoleLogEntry> Replay(const Exchange& exchange, const Deliver& deliver = Whole) {
    ConsoleLog log;
    log.SetSecret("s3cret");
    milliseconds time{0};
    for (const Step& step : exchange) {
        time += milliseconds(250);
        if (step.what == Step::Receive) {
            deliver(log, time, step.text, step.code);
        } else {
            log.Sent(time, step.text, step.code, step.what == Step::SendSecret);
        }
    }
    // The next command flushes what the router left unfinished.
    log.Sent(time, "co save", ReplyCode::Idle);
    return {log.Entries().begin(), log.Entries().end()};
}

}  // namespace

void PrintTo(const ConsoleLogEntry& entry, std::ostream* out) {
    *out << entry.time.count() << " " << ConsoleLogKindText(entry.kind) << " \"" << entry.text
         << "\"" << (entry.marked ? " marked" : "");
}

namespace {

std::vector<std::string> MarkedTexts(const std::vector<ConsoleLogEntry>& entries) {
    std::vector<std::string> texts;
    for (const ConsoleLogEntry& entry : entries) {
        if (entry.marked) {
            texts.push_back(entry.text);
        }
    }
    return texts;
}

const std::string LongName(70, 'n');
const Exchange RefusedName = {
    {Step::Send, ReplyCode::System, "sys name " + LongName},
    {Step::Receive, ReplyCode::System,
     "sys name " + LongName +
         "\r\n\x1b[KError: sys name: at most 64 printable characters\r\nlab-1> "}};
// A redraw before the prompt and line ends of one byte.
const Exchange AcceptedName = {
    {Step::Send, ReplyCode::System, "sys name core-2"},
    {Step::Receive, ReplyCode::System, "sys name core-2\n\x1b[Kcore-2> "},
    {Step::Send, ReplyCode::Radio, "rf rf5.0 distance 5"},
    {Step::Receive, ReplyCode::Radio, "rf rf5.0 distance 5\r\r\ncore-2> "}};
// A command sent before the prompt came: the echo follows the prompt on its
// screen line. (Cut right after the prompt, the two are two entries, which
// is why this one is not among the cut replies below.)
const Exchange EchoBehindPrompt = {
    {Step::Send, ReplyCode::Radio, "rf rf5.0 distance 5"},
    {Step::Receive, ReplyCode::Radio, "core-2> rf rf5.0 distance 5\r\ncore-2> "}};
// A router that refuses in words of its own, and one that echoes the
// password: neither may change what the log shows.
const Exchange RefusedMtu = {
    {Step::Send, ReplyCode::Interfaces, "ifc eth0 mtu 20 up"},
    {Step::Receive, ReplyCode::Interfaces, "ifc eth0 mtu 20 up\r\nMTU out of range\r\nlab-1> "}};
const Exchange Login = {{Step::Receive, ReplyCode::Disconnected,
                         "\r\nLab router 1.0\r\n\r\n 1. Command line\r\nSelect: "},
                        {Step::Send, ReplyCode::SendLogin, "1"},
                        {Step::Receive, ReplyCode::SendLogin, "1\r\nLogin: "},
                        {Step::Send, ReplyCode::SendPassword, "s3cret"},
                        {Step::Receive, ReplyCode::SendPassword, "s3cret\r\nPassword: "},
                        {Step::SendSecret, ReplyCode::SkipAfterPassword, "s3cret"},
                        {Step::Receive, ReplyCode::SkipAfterPassword, "s3cret\r\n"},
                        {Step::Receive, ReplyCode::AwaitAccept,
                         "\r\nWelcome to lab-1\r\nSupport: www.tessel-lab.test\r\n\r\nlab-1> "}};

TEST(ConsoleLogJudgement, OnlyTextBesideTheEchoAndPromptMarksAReply) {
    const auto refused = Replay(RefusedName);
    EXPECT_EQ(MarkedTexts(refused),
              std::vector<std::string>{"Error: sys name: at most 64 printable characters"});
    ASSERT_EQ(refused.size(), 5u);
    EXPECT_EQ(refused[3].text, "lab-1> ");
    EXPECT_EQ(MarkedTexts(Replay(AcceptedName)), std::vector<std::string>{});
    EXPECT_EQ(MarkedTexts(Replay(EchoBehindPrompt)), std::vector<std::string>{});
    EXPECT_EQ(MarkedTexts(Replay(RefusedMtu)), std::vector<std::string>{"MTU out of range"});
}

TEST(ConsoleLogJudgement, TheLoginDialogueMarksNothingAndHidesThePassword) {
    const auto entries = Replay(Login);
    EXPECT_EQ(MarkedTexts(entries), std::vector<std::string>{});
    int masked = 0;
    for (const ConsoleLogEntry& entry : entries) {
        EXPECT_EQ(entry.text.find("s3cret"), std::string::npos) << entry.text;
        masked += entry.text == MaskedSecret ? 1 : 0;
    }
    // The login name that is the password too, its echo, the password and
    // the router's echo of it.
    EXPECT_EQ(masked, 4);
}

TEST(ConsoleLogJudgement, ReportsAndTablesAreNotJudged) {
    const auto entries = Replay({
        {Step::Send, ReplyCode::LoadMeterStart, "loadm  -w 1 eth0"},
        {Step::Receive, ReplyCode::LoadMeterStart, "loadm  -w 1 eth0\r\nLoad meter on eth0\r\n"},
        {Step::Receive, ReplyCode::LoadMeterRow, "  1s  12  10  30  5  1  1  2  3  13  8\r\n"},
        {Step::Send, ReplyCode::ArpTable, "arp view"},
        {Step::Receive, ReplyCode::ArpTable, "arp view\r\nARP cache:\r\n1 entries\r\nlab-1> "},
    });
    EXPECT_EQ(entries.size(), 10u);
    EXPECT_EQ(MarkedTexts(entries), std::vector<std::string>{});
}

TEST(ConsoleLogSplitting, AnyChunkingGivesTheSameEntries) {
    for (const Exchange* exchange : {&RefusedName, &AcceptedName, &RefusedMtu, &Login}) {
        const auto whole = Replay(*exchange);
        std::size_t longest = 0;
        for (const Step& step : *exchange) {
            longest = std::max(longest, step.text.size());
        }
        for (std::size_t at = 1; at < longest; ++at) {
            const auto split = Replay(*exchange, [at](ConsoleLog& log, milliseconds time,
                                                      const std::string& chunk, ReplyCode code) {
                log.Received(time, chunk.substr(0, at), code);
                log.Received(time, chunk.substr(std::min(at, chunk.size())), code);
            });
            ASSERT_EQ(split, whole) << "split at " << at << " of " << exchange->front().text;
        }
        const auto bytes = Replay(*exchange, [](ConsoleLog& log, milliseconds time,
                                                const std::string& chunk, ReplyCode code) {
            for (const char c : chunk) {
                log.Received(time, std::string(1, c), code);
            }
        });
        EXPECT_EQ(bytes, whole);
    }
}

TEST(ConsoleLogSplitting, APasswordLineFinishedAfterTheLoginStaysHidden) {
    ConsoleLog log;
    log.SetSecret("s3cret");
    log.Received(milliseconds(1), "s3c", ReplyCode::AwaitAccept);
    log.Received(milliseconds(2), "ret\r\nlab-1> ", ReplyCode::Idle);
    ASSERT_EQ(log.Entries().size(), 2u);
    EXPECT_EQ(log.Entries()[0].text, MaskedSecret);
}

TEST(ConsoleLogSplitting, ALineThatNeverEndsIsCutAtTheLimit) {
    ConsoleLog log;
    const std::string endless(ReplyLines::LineLimit * 2 + 5, 'x');
    for (std::size_t at = 0; at < endless.size(); at += 1000) {
        log.Received(milliseconds(1), endless.substr(at, 1000), ReplyCode::Idle);
    }
    ASSERT_EQ(log.Entries().size(), 2u);
    EXPECT_EQ(log.Entries()[1].text.size(), ReplyLines::LineLimit);
}

TEST(ConsoleLogStore, KeepsTheNewestLinesAndCountsUnreadMarks) {
    ConsoleLog log(3);
    log.Sent(milliseconds(1), "sys icmplimit 70000", ReplyCode::System);
    log.Received(milliseconds(2), "sys icmplimit 70000\r\nError: a\r\nError: b\r\nlab-1> ",
                 ReplyCode::System);
    ASSERT_EQ(log.Entries().size(), 3u);
    EXPECT_EQ(log.Entries().front().text, "Error: a");
    EXPECT_EQ(log.Unread(), 2u);
    log.MarkSeen();
    EXPECT_EQ(log.Unread(), 0u);
    log.Event(milliseconds(3), ConsoleLogKind::Connection, "disconnected");
    EXPECT_EQ(log.Entries().back().text, "disconnected");
    EXPECT_EQ(log.Entries().front().text, "Error: b");
    // Six lines came (the command, its echo, two errors, the prompt, the
    // event); what a view follows counts the dropped and cleared ones too.
    EXPECT_EQ(log.Appended(), 6u);
    log.Clear();
    EXPECT_TRUE(log.Entries().empty());
    EXPECT_EQ(log.Appended(), 6u);
}

TEST(ConsoleLogStore, FilterIgnoresCaseAndSaveWritesUtf8Lines) {
    ConsoleLog log;
    log.Received(milliseconds(3723004), "Error: r\xe9seau \xc4ND\r\n", ReplyCode::Idle);
    log.Refused(milliseconds(3723005), "sys name a\r\nb", "a line break");
    log.Event(milliseconds(3723006), ConsoleLogKind::SnmpFailure, "1.3.6.1.2.1.1.5.0 timed out");
    EXPECT_EQ(log.Filter("R\xc9SEAU \xe4nd").size(), 1u);
    EXPECT_EQ(log.Filter("ERROR").size(), 1u);
    EXPECT_EQ(log.Filter("").size(), 3u);
    EXPECT_EQ(log.Filter("1.3.6.1.2.1.1.5.0").front().kind, ConsoleLogKind::SnmpFailure);
    EXPECT_EQ(log.SaveText(),
              "  01:02:03.004  received  Error: r\xc3\xa9seau \xc3\x84ND\n"
              "  01:02:03.005  refused  a line break: sys name a\\r\\nb\n"
              "  01:02:03.006  snmp  1.3.6.1.2.1.1.5.0 timed out\n");
    // A marked reply keeps its mark in the file.
    log.Sent(milliseconds(3723007), "sys name x", ReplyCode::System);
    log.Received(milliseconds(3723008), "sys name x\r\nError: too long\r\nlab-1> ",
                 ReplyCode::System);
    EXPECT_NE(log.SaveText().find("! 01:02:03.008  received  Error: too long\n"),
              std::string::npos);
}

}  // namespace
}  // namespace tessel
