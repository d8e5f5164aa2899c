#include "core/router/change_buttons.hpp"
#include "core/router/console_text.hpp"
#include "core/router/system_commands.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessel {
namespace {

void ExpectCommand(const ConsoleCommand& command, const std::string& line, int replyState) {
    EXPECT_EQ(command.line, line);
    EXPECT_EQ(command.replyState, ReplyCode{replyState}) << line;
}

TEST(SystemCommands, TextRowsSendTheTextExactlyAsTyped) {
    ExpectCommand(SystemNameCommand("core-1"), "sys name core-1", 70);
    ExpectCommand(SystemNameCommand(" two  words "), "sys name  two  words ", 70);
    ExpectCommand(SystemLocationCommand("Roof, mast 3"), "sys location Roof, mast 3", 70);
    ExpectCommand(IcmpLimitCommand("-2.5"), "sys icmplimit -2.5", 70);
    ExpectCommand(IcmpLimitCommand(""), "sys icmplimit ", 70);
    EXPECT_FALSE(IsSafeConsoleText(SystemNameCommand("x\r\nsys fastroute").line));
}

TEST(SystemCommands, SwitchRows) {
    ExpectCommand(SystemSwitchCommand(SystemSwitch::Fastroute, true), "sys fastroute", 70);
    ExpectCommand(SystemSwitchCommand(SystemSwitch::Fastroute, false), "sys nofastroute", 70);
    ExpectCommand(SystemSwitchCommand(SystemSwitch::DropRedirects, true), "sys dropredirects", 70);
    ExpectCommand(SystemSwitchCommand(SystemSwitch::DropRedirects, false), "sys nodropredirects",
                  70);
    ExpectCommand(SystemSwitchCommand(SystemSwitch::SendRedirects, true), "sys sendredirects", 70);
    ExpectCommand(SystemSwitchCommand(SystemSwitch::SendRedirects, false), "sys nosendredirects",
                  70);
}

TEST(SystemCommands, RmaRows) {
    ExpectCommand(RmaStartCommand(true), "rma start", 60);
    ExpectCommand(RmaStartCommand(false), "rma stop", 60);
    ExpectCommand(*RmaRadioSwitchCommand("rf5.0", RmaRadioSwitch::Autobitrate, true),
                  "rma rf5.0 autobitrate", 60);
    ExpectCommand(*RmaRadioSwitchCommand("rf5.0", RmaRadioSwitch::Autobitrate, false),
                  "rma rf5.0 -autobitrate", 60);
    ExpectCommand(*RmaRadioSwitchCommand("rf5.1", RmaRadioSwitch::Polling, true), "rma rf5.1 poll",
                  60);
    ExpectCommand(*RmaRadioSwitchCommand("rf5.1", RmaRadioSwitch::Polling, false),
                  "rma rf5.1 -poll", 60);
}

TEST(SystemCommands, RadioSwitchesNeedARadio) {
    for (bool on : {true, false}) {
        EXPECT_FALSE(RmaRadioSwitchCommand("", RmaRadioSwitch::Autobitrate, on));
        EXPECT_FALSE(RmaRadioSwitchCommand("", RmaRadioSwitch::Polling, on));
    }
    EXPECT_FALSE(kNoRadioInterface.empty());
}

TEST(ChangeButtons, EnableRuleNeverDisablesToggleRuleFlips) {
    bool system = false;
    system = ChangeButtonAfterEdit(ChangeButtonRule::EnableOnEdit, false, system);  // type
    system = ChangeButtonAfterEdit(ChangeButtonRule::EnableOnEdit, false, system);  // delete
    EXPECT_TRUE(system);

    bool rma = false;
    rma = ChangeButtonAfterEdit(ChangeButtonRule::ToggleOnEdit, false, rma);  // tick
    EXPECT_TRUE(rma);
    rma = ChangeButtonAfterEdit(ChangeButtonRule::ToggleOnEdit, false, rma);  // untick
    EXPECT_FALSE(rma);
}

TEST(ChangeButtons, NothingMovesWhileTheGuardIsSet) {
    for (auto rule : {ChangeButtonRule::EnableOnEdit, ChangeButtonRule::ToggleOnEdit}) {
        for (bool enabled : {false, true}) {
            EXPECT_EQ(ChangeButtonAfterEdit(rule, true, enabled), enabled);
        }
    }
}

}  // namespace
}  // namespace tessel
