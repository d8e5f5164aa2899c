#include "core/console/console_line.hpp"
#include "core/console/help_texts.hpp"
#include "core/console/login_dialogue.hpp"
#include "core/console/reply_columns.hpp"
#include "core/console/reply_dispatch.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <tuple>

namespace tessel {
namespace {

using Tokens = std::vector<std::string>;

TEST(ConsoleReplyColumns, SeparatorsAndTheSkippedCharacter) {
    EXPECT_EQ(ReplyColumns("  12   34\r\n", 10), (Tokens{"12", "34"}));
    // One space between tokens loses the next token's first character.
    EXPECT_EQ(ReplyColumns("a bc  d", 10), (Tokens{"a", "c", "d"}));
    // Lines of one chunk go into one row; CR LF counts as one separator.
    EXPECT_EQ(ReplyColumns("  1  2\r\n  3  4\r\n", 10), (Tokens{"1", "2", "3", "4"}));
    // A token that runs into the end is delivered.
    EXPECT_EQ(ReplyColumns("  7  88", 10), (Tokens{"7", "88"}));
    EXPECT_EQ(ReplyColumns("", 10), Tokens{});
    EXPECT_EQ(ReplyColumns("     ", 10), Tokens{});
    EXPECT_EQ(ReplyColumns("x", 10), Tokens{"x"});
}

TEST(ConsoleReplyColumns, StopsAtNulAndAtTheCallersLimit) {
    const std::string withNul("  1  2\0  3", 10);
    EXPECT_EQ(ReplyColumns(withNul, 10), (Tokens{"1", "2"}));
    EXPECT_EQ(ReplyColumns("  1  2  3  4", 2), (Tokens{"1", "2"}));
    EXPECT_EQ(ReplyColumns("  1  2", 0), Tokens{});
    int calls = 0;
    ScanReplyColumns("  a  b  c", [&](std::string_view) { return ++calls < 1; });
    EXPECT_EQ(calls, 1);
}

TEST(ConsoleReplyColumns, NeverReadsPastTheEndOfAnyPrefix) {
    // Every prefix of a report line in a buffer of exactly its size: the
    // sanitizer build catches any over-read, and every token is a substring.
    const std::string line = "  eth0   12.5  100 \r\n  \r";
    for (std::size_t n = 0; n <= line.size(); ++n) {
        const std::string prefix = line.substr(0, n);
        const std::vector<char> exact(prefix.begin(), prefix.end());
        ScanReplyColumns(std::string_view(exact.data(), exact.size()), [&](std::string_view t) {
            EXPECT_FALSE(t.empty());
            EXPECT_NE(prefix.find(t), std::string::npos);
            return true;
        });
    }
}

TEST(ConsoleReplyDispatch, LoginDialogueAnswersChunksByCountNotContent) {
    ReplyCode state = ReplyCode::Disconnected;
    std::vector<ReplyAction> actions;
    for (const char* chunk : {"anything", "whatever", "x", "skipped www. too"}) {
        const ReplyStep step = DispatchReply(state, chunk);
        actions.push_back(step.action);
        state = step.nextState;
    }
    EXPECT_EQ(actions, (std::vector<ReplyAction>{ReplyAction::SendOne, ReplyAction::SendLoginName,
                                                 ReplyAction::SendPassword, ReplyAction::None}));
    EXPECT_EQ(state, ReplyCode::AwaitAccept);

    const ReplyStep accepted = DispatchReply(state, "Welcome, see www.example");
    EXPECT_EQ(accepted.action, ReplyAction::LoginAccepted);
    EXPECT_EQ(accepted.nextState, ReplyCode::Idle);

    // Part of a banner without the marker already counts as refusal.
    const ReplyStep partial = DispatchReply(state, "Welc");
    EXPECT_EQ(partial.action, ReplyAction::None);
    EXPECT_EQ(partial.nextState, ReplyCode::AwaitSorry);
}

TEST(ConsoleReplyDispatch, RefusedLoginWaitsForSorryEnablingLoginMeanwhile) {
    ReplyStep step = DispatchReply(ReplyCode::AwaitSorry, "Login incorrect");
    EXPECT_EQ(step.action, ReplyAction::EnableLogin);
    EXPECT_EQ(step.nextState, ReplyCode::AwaitSorry);
    step = DispatchReply(ReplyCode::AwaitSorry, "Sorry, try again\r\n");
    EXPECT_EQ(step.action, ReplyAction::LoginRefused);
    EXPECT_EQ(step.nextState, ReplyCode::Disconnected);
}

TEST(ConsoleLoginDialogue, OwnsTheCodesBelowIdleAndNoOther) {
    for (const ReplyCode code :
         {ReplyCode::Disconnected, ReplyCode::SendLogin, ReplyCode::SendPassword,
          ReplyCode::SkipAfterPassword, ReplyCode::AwaitSorry, ReplyCode::AwaitAccept}) {
        const auto step = LoginDialogueStep(code, "Sorry www.");
        ASSERT_TRUE(step.has_value()) << code;
        EXPECT_EQ(step->action, DispatchReply(code, "Sorry www.").action) << code;
        EXPECT_EQ(step->nextState, DispatchReply(code, "Sorry www.").nextState) << code;
        EXPECT_TRUE(BeforeLogin(code)) << code;
    }
    for (const ReplyCode code : {ReplyCode::Idle, ReplyCode::System, ReplyCode::ArpTable,
                                 ReplyCode::Quit, ReplyCode{1}, ReplyCode{-1}}) {
        EXPECT_FALSE(LoginDialogueStep(code, "Sorry www.").has_value()) << code;
    }
    // Once accepted, the console text is shown in the trace as it came.
    for (const ReplyCode code :
         {ReplyCode::Idle, ReplyCode::ArpTable, ReplyCode::Quit, ReplyCode::RmaTestRow}) {
        EXPECT_FALSE(BeforeLogin(code)) << code;
    }
}

TEST(ConsoleLoginDialogue, ARefusedPasswordGoesOutThreeTimesPerLoginPress) {
    RefusedPasswordLimit limit;
    limit.Start();
    int sends = 0;
    while (limit.MayRetry("wrong") && sends < 10) {
        limit.Sent("wrong");
        ++sends;
    }
    EXPECT_EQ(sends, 3);
    // A password corrected while the dialogue runs is tried; the next press
    // may send the refused one again.
    EXPECT_TRUE(limit.MayRetry("better"));
    limit.Start();
    EXPECT_TRUE(limit.MayRetry("wrong"));
}

TEST(ConsoleReplyDispatch, PromptDrivenCodesWaitForTheFirstPrompt) {
    for (const ReplyCode code : {ReplyCode::Radio, ReplyCode::CpeTable, ReplyCode::Interfaces,
                                 ReplyCode::Rma, ReplyCode::System, ReplyCode::BsList}) {
        ReplyStep step = DispatchReply(code, "sys name x\r\n");
        EXPECT_EQ(step.action, ReplyAction::None) << code;
        EXPECT_EQ(step.nextState, code);
        // The prompt character anywhere counts, also inside output text.
        step = DispatchReply(code, "value a>b\r\n");
        EXPECT_EQ(step.action, ReplyAction::CommandComplete) << code;
        EXPECT_EQ(step.nextState, ReplyCode::Idle);
    }
    // The base-station replace step answers any chunk and sets its own code.
    const ReplyStep bs = DispatchReply(ReplyCode::BsDeleteBeforeAdd, "");
    EXPECT_EQ(bs.action, ReplyAction::SendAddBsRecord);
}

TEST(ConsoleReplyDispatch, LengthThresholdsAndStreamingCodes) {
    EXPECT_EQ(DispatchReply(ReplyCode::InterfaceInfo, std::string(10, 'x')).action,
              ReplyAction::None);
    EXPECT_EQ(DispatchReply(ReplyCode::InterfaceInfo, std::string(10, 'x')).nextState,
              ReplyCode::InterfaceInfo);
    EXPECT_EQ(DispatchReply(ReplyCode::InterfaceInfo, std::string(11, 'x')).action,
              ReplyAction::ShowInterfaceInfo);
    EXPECT_EQ(DispatchReply(ReplyCode::ArpTable, std::string(15, 'x')).nextState,
              ReplyCode::ArpTable);
    const ReplyStep arp = DispatchReply(ReplyCode::ArpTable, std::string(16, 'x'));
    EXPECT_EQ(arp.action, ReplyAction::ArpTable);
    EXPECT_EQ(arp.nextState, ReplyCode::Idle);

    EXPECT_EQ(DispatchReply(ReplyCode::LoadMeterStart, "").nextState, ReplyCode::LoadMeterRow);
    EXPECT_EQ(DispatchReply(ReplyCode::LoadMeterRow, ">").nextState, ReplyCode::LoadMeterRow);
    EXPECT_EQ(DispatchReply(ReplyCode::RmaTestStart, "").action, ReplyAction::ClearRmaTest);
    EXPECT_EQ(DispatchReply(ReplyCode::RmaTestRow, "").nextState, ReplyCode::RmaTestRow);
    EXPECT_EQ(DispatchReply(ReplyCode::Quit, "").action, ReplyAction::CloseWindow);

    for (const ReplyCode unknown :
         {ReplyCode::Idle, ReplyCode{1}, ReplyCode{999}, ReplyCode{-1}, ReplyCode{1171}}) {
        const ReplyStep step = DispatchReply(unknown, "www. Sorry >");
        EXPECT_EQ(step.action, ReplyAction::None) << unknown;
        EXPECT_EQ(step.nextState, unknown);
    }
}

TEST(ConsoleReplyDispatch, StoppedReportsTakeRowsUntilThePromptThenIdle) {
    EXPECT_EQ(ReplyCodeAfterStop(ReplyCode::LoadMeterRow), ReplyCode::LoadMeterRowStopped);
    EXPECT_EQ(ReplyCodeAfterStop(ReplyCode::LoadMeterStart), ReplyCode::LoadMeterStartStopped);
    EXPECT_EQ(ReplyCodeAfterStop(ReplyCode::RmaTestRow), ReplyCode::RmaTestRowStopped);
    EXPECT_EQ(ReplyCodeAfterStop(ReplyCode::RmaTestStart), ReplyCode::RmaTestStartStopped);
    // Another sender's code already replaced the report's: nothing to stop.
    for (const ReplyCode other : {ReplyCode::Idle, ReplyCode::System, ReplyCode::ArpTable,
                                  ReplyCode::LoadMeterRowStopped}) {
        EXPECT_EQ(ReplyCodeAfterStop(other), other);
    }

    const std::tuple<ReplyCode, ReplyAction, ReplyCode> stopped[] = {
        {ReplyCode::LoadMeterStartStopped, ReplyAction::ClearLoadMeter,
         ReplyCode::LoadMeterRowStopped},
        {ReplyCode::LoadMeterRowStopped, ReplyAction::LoadMeterRow, ReplyCode::LoadMeterRowStopped},
        {ReplyCode::RmaTestStartStopped, ReplyAction::ClearRmaTest, ReplyCode::RmaTestRowStopped},
        {ReplyCode::RmaTestRowStopped, ReplyAction::RmaTestRow, ReplyCode::RmaTestRowStopped},
    };
    for (const auto& [code, action, next] : stopped) {
        // A last report, and a heading whose complete line holds ">".
        for (const char* chunk : {"  5s  1  2  3\r\n", "  replies  lev->  lev<-\r\n"}) {
            const ReplyStep step = DispatchReply(code, chunk);
            EXPECT_EQ(step.action, action) << code;
            EXPECT_EQ(step.nextState, next) << code << chunk;
        }
        // The chunk that brings the prompt is still judged, then idle.
        const ReplyStep last = DispatchReply(code, "\x1b[K\r\nrouter> ");
        EXPECT_EQ(last.action, action) << code;
        EXPECT_EQ(last.nextState, ReplyCode::Idle) << code;
    }
}

TEST(ConsoleReplyCollector, GathersArpAndInterfaceInfoUpToThePromptOnly) {
    EXPECT_TRUE(EndsAtPrompt("arp view\r\n2 entries\r\nr1> "));
    EXPECT_TRUE(EndsAtPrompt("r1>"));
    EXPECT_FALSE(EndsAtPrompt("a>b\r\n"));
    EXPECT_FALSE(EndsAtPrompt("a>b\r\nmore"));
    EXPECT_FALSE(EndsAtPrompt(""));
    EXPECT_FALSE(EndsAtPrompt("x\r\n  flags <UP,RUNNING> "));
    EXPECT_FALSE(EndsAtPrompt("x\r\nr1> ", "bs-north")) << "another router's prompt";

    ReplyCollector collector;
    for (const ReplyCode code : {ReplyCode::ArpTable, ReplyCode::InterfaceInfo}) {
        EXPECT_FALSE(collector.Take(code, "arp view\r\n").has_value()) << code;
        EXPECT_FALSE(collector.Take(code, "ARP cache:\r\n10.0.0.1 at 00:0b").has_value());
        EXPECT_FALSE(collector.Take(code, ":22:05:78:ff via eth0\r\n1 entries\r\nr1").has_value());
        EXPECT_EQ(collector.Take(code, "> "),
                  "arp view\r\nARP cache:\r\n10.0.0.1 at 00:0b:22:05:78:ff via eth0\r\n"
                  "1 entries\r\nr1> ");
        // The next reply starts afresh; one that comes whole passes whole.
        EXPECT_EQ(collector.Take(code, "x\r\nr1> "), "x\r\nr1> ");
        EXPECT_EQ(collector.Gathered(), 0u);
    }
    // Every other code judges each chunk by itself, prompt or not.
    for (const ReplyCode code :
         {ReplyCode::Idle, ReplyCode::System, ReplyCode::LoadMeterRow, ReplyCode::RmaTestRow,
          ReplyCode::AwaitAccept, ReplyCode::BsDeleteBeforeAdd}) {
        EXPECT_EQ(collector.Take(code, "part"), "part") << code;
    }
    // A change of code drops what was gathered under the old one.
    EXPECT_FALSE(collector.Take(ReplyCode::ArpTable, "stale\r\n").has_value());
    EXPECT_EQ(collector.Take(ReplyCode::System, "sys name x\r\nr1> "), "sys name x\r\nr1> ");
    EXPECT_EQ(collector.Take(ReplyCode::InterfaceInfo, "ifc eth0\r\nr1> "), "ifc eth0\r\nr1> ");
}

// The lab router's replies as recorded, with ">" and bytes above 127 in
// mid-reply: split at any byte before the prompt's ">", each is taken whole
// at the prompt and not before, whether the router's name is known or not.
TEST(ConsoleReplyCollector, RecordedRepliesSplitAtAnyByteAreTakenWholeAtThePrompt) {
    const std::pair<ReplyCode, std::string> recorded[] = {
        {ReplyCode::InterfaceInfo,
         "ifc rf5.0\r\n\x1b[Krf5.0: index 1, UP, mtu 1500, speed 54000 kbit/s\r\n"
         "  flags <UP,RUNNING>\r\n  description Sektor Nord, 90\xb0 <S\xfc"
         "d> gesperrt\r\n  hardware address 00:0b:22:50:00:01\r\n"
         "  inet 10.10.0.1 netmask 255.255.255.0 broadcast 10.10.0.255\r\n"
         "  radio: frequency 5180 MHz, bitrate 54000 kbit/s, SID 1A2B, power 17 dBm\r\n"
         "  input 420000 bytes/s, output 1150000 bytes/s\r\nbs-north> "},
        {ReplyCode::ArpTable,
         "arp view\r\nARP cache:\r\n192.168.1.254 at 00:1c:2e:aa:10:01 via eth0\r\n"
         "10.10.0.5 at 00:0b:22:05:78:ff via rf5.0\r\n2 entries\r\nbs-north> "},
    };
    for (const std::string name : {"bs-north", ""}) {
        ReplyCollector collector;
        collector.SetRouterName(name);
        for (const auto& [code, reply] : recorded) {
            for (std::size_t cut = 1; cut < reply.rfind('>'); ++cut) {
                ASSERT_FALSE(collector.Take(code, reply.substr(0, cut)).has_value())
                    << name << " ended after " << reply.substr(0, cut);
                ASSERT_EQ(collector.Take(code, reply.substr(cut)), reply) << name << cut;
            }
        }
    }
}

TEST(ConsoleReplyCollector, AReplyWithoutPromptIsJudgedAtTheLimit) {
    ReplyCollector collector;
    const std::string line = std::string(99, 'a') + "\r\n";
    std::size_t taken = 0;
    std::optional<std::string> reply;
    while (!reply) {
        reply = collector.Take(ReplyCode::ArpTable, line);
        taken += line.size();
        ASSERT_LE(taken, ReplyCollector::Limit + line.size());
    }
    EXPECT_GE(reply->size(), ReplyCollector::Limit);
    EXPECT_LT(reply->size(), ReplyCollector::Limit + line.size());
    EXPECT_EQ(collector.Gathered(), 0u);
}

TEST(ConsoleText, LineBytesEndWithCrLf) {
    EXPECT_EQ(ConsoleLineBytes("quit"), "quit\r\n");
    EXPECT_EQ(ConsoleLineBytes("\x1b"), "\x1b\r\n");
}

TEST(ConsoleText, InterfaceInfoDropsEchoPromptAndScreenControl) {
    EXPECT_EQ(InterfaceInfoText("ifc eth0\r\n\x1b[Keth0: up\r\nmtu 1500\r\nrouter>"),
              "eth0: up\r\nmtu 1500");
    // Only the body between the first and the last line end remains.
    EXPECT_EQ(InterfaceInfoText("ifc eth0\r\nrouter>"), "");
    EXPECT_EQ(InterfaceInfoText("no line ends at all"), "");
}

TEST(ConsoleHelpTexts, EveryButtonHasOneTextAndTheTwoKnownHints) {
    std::set<std::string_view> names;
    std::size_t longest = 0;
    for (const HelpText& help : AllHelpTexts()) {
        EXPECT_TRUE(names.insert(help.button).second) << help.button;
        EXPECT_FALSE(help.text.empty());
        longest = std::max(longest, help.text.size());
    }
    EXPECT_EQ(names.size(), 36u);
    EXPECT_EQ(HelpTextFor("SpeedButton24").size(), longest);
    EXPECT_EQ(longest, 193u);
    EXPECT_EQ(HelpTextFor("SpeedButton6"), "A system name of a router");
    EXPECT_TRUE(HelpTextFor("SpeedButton99").empty());
    EXPECT_EQ(HelpHintFor("SpeedButton1"), HelpTextFor("SpeedButton1"));
    EXPECT_EQ(HelpHintFor("SpeedButton2"),
              "The list of available frequencies for \nthe selected radio interface ");
}

}  // namespace
}  // namespace tessel
