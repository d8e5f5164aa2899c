#include "core/router/console_text.hpp"
#include "core/router/interface_commands.hpp"
#include "core/router/interface_rules.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace tessel {
namespace {

TEST(InterfaceRules, TunnelsAndVlansTakeNoAlias) {
    for (const char* name : {"eth0", "lo", "rf5.0", "Tun0", "VLAN2", "tu", "vla"}) {
        EXPECT_TRUE(CanCarryAlias(name)) << name;
    }
    for (const char* name : {"tun0", "vlan2", "gretun", "eth0.vlan10", "tunvlan"}) {
        EXPECT_FALSE(CanCarryAlias(name)) << name;
    }
}

TEST(InterfaceRules, NameOfAnIndexTextIsEmptyOutsideTheList) {
    const std::vector<std::string> names = {"lo", "eth0", "rf5.0"};
    EXPECT_EQ(InterfaceNameAt(names, "1"), "lo");
    EXPECT_EQ(InterfaceNameAt(names, "3"), "rf5.0");
    for (const char* index : {"0", "", "4", "-1", "100", "x", "2.5", "99999999999999999999"}) {
        EXPECT_EQ(InterfaceNameAt(names, index), "") << index;
    }
    EXPECT_EQ(InterfaceNameAt({}, "1"), "");
}

TEST(InterfaceRules, RowSelectionPicksTheAliasChoiceOrKeepsItForTunnels) {
    const std::vector<std::string> choices = {"lo", "eth0", "eth1", "eth0"};
    EXPECT_EQ(AliasChoiceForRow("eth0", choices), 1);  // the first equal entry
    EXPECT_EQ(AliasChoiceForRow("eth1", choices), 2);
    EXPECT_EQ(AliasChoiceForRow("eth9", choices), -1);
    EXPECT_EQ(AliasChoiceForRow("", choices), -1);
    EXPECT_EQ(AliasChoiceForRow("tun0", choices), std::nullopt);
    EXPECT_EQ(AliasChoiceForRow("vlan2", choices), std::nullopt);
}

TEST(InterfaceCommands, CreateAliasOnlyWithACheckedAddressAndMask) {
    const auto blankMask = CreateAliasCommand("eth0", "10.0.0.1", "");
    ASSERT_TRUE(blankMask);
    EXPECT_EQ(blankMask->line, "ifc eth0 10.0.0.1/ alias");
    EXPECT_EQ(blankMask->replyState, ReplyCode{50});

    const auto withMask = CreateAliasCommand("eth1", "192.168.7.1", "255.255.255.0");
    ASSERT_TRUE(withMask);
    EXPECT_EQ(withMask->line, "ifc eth1 192.168.7.1/255.255.255.0 alias");

    // Accepted by the loose check, so sent as typed.
    EXPECT_EQ(CreateAliasCommand("eth0", "$A.0.0.1", "")->line, "ifc eth0 $A.0.0.1/ alias");

    EXPECT_FALSE(CreateAliasCommand("eth0", "10.0.0.256", ""));
    EXPECT_FALSE(CreateAliasCommand("eth0", "", ""));
    EXPECT_FALSE(CreateAliasCommand("eth0", "10.0.0.1", "255.255.0"));
    EXPECT_FALSE(CreateAliasCommand("eth0", "10.0.0.1\r\nsys name x", ""));
}

TEST(InterfaceCommands, AliasWithoutAnInterfaceIsRefusedAndSaysWhy) {
    EXPECT_FALSE(CreateAliasCommand("", "10.0.0.1", ""));
    EXPECT_EQ(AliasFormError("", "10.0.0.1", ""), kNoInterfaceName);
    // The address is told about first, as the form reads.
    EXPECT_EQ(AliasFormError("", "10.0.0", ""), kAliasInputError);
    EXPECT_EQ(AliasFormError("eth0", "10.0.0.1", "255.0.0.0"), "");
    EXPECT_FALSE(DeleteAliasCommand("", "10.0.0.1", "255.0.0.0"));
}

TEST(InterfaceCommands, DeleteUpdateAndInfoLines) {
    const auto del = DeleteAliasCommand("eth0", "10.0.0.1", "255.0.0.0");
    ASSERT_TRUE(del);
    EXPECT_EQ(del->line, "ifc eth0 10.0.0.1/255.0.0.0 -alias");
    EXPECT_EQ(del->replyState, ReplyCode{50});
    EXPECT_EQ(DeleteAliasCommand("eth0", "10.0.0.1", "")->line, "ifc eth0 10.0.0.1/ -alias");

    const auto down = UpdateInterfaceCommand("eth0", "1500", false);
    ASSERT_TRUE(down);
    EXPECT_EQ(down->line, "ifc eth0 mtu 1500 down");
    EXPECT_EQ(down->replyState, ReplyCode{50});
    EXPECT_EQ(UpdateInterfaceCommand("rf5.0", "1580", true)->line, "ifc rf5.0 mtu 1580 up");
    EXPECT_EQ(UpdateInterfaceCommand("eth0", "", true)->line, "ifc eth0 mtu  up");
    EXPECT_FALSE(UpdateInterfaceCommand("", "1500", true));

    const auto info = InterfaceInfoCommand("eth0");
    EXPECT_EQ(info.line, "ifc eth0");
    EXPECT_EQ(info.replyState, ReplyCode{100});
    EXPECT_EQ(InterfaceInfoCommand("").line, "ifc ");
}

TEST(InterfaceCommands, CellTextWithALineBreakIsDetectable) {
    // Grid cells come from the router; a name with a line break must not
    // reach the console as two commands.
    EXPECT_FALSE(IsSafeConsoleText(InterfaceInfoCommand("eth0\rsys name x").line));
    EXPECT_FALSE(IsSafeConsoleText(DeleteAliasCommand("eth0", "10.0.0.1", "\n")->line));
    EXPECT_TRUE(IsSafeConsoleText(UpdateInterfaceCommand("eth0", "1500", true)->line));
}

}  // namespace
}  // namespace tessel
