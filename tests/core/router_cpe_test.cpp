#include <gtest/gtest.h>

#include <string>

#include "core/router/cpe_commands.hpp"

namespace tessel {
namespace {

CpeForm Form() {
    return {"rf4.0", "cpe1", "00:0B:22:05:78:FF", "10.0.0.5", true};
}

TEST(CpeForm, BothFaultsInOneBoxMacFirst) {
    CpeForm form = Form();
    EXPECT_EQ(CpeFormErrorText(form), "");
    form.mac = "00-0B-22-05-78-FF";
    EXPECT_EQ(CpeFormErrorText(form), "MAC-address is incorrect\r\n");
    form.ipAddress = "10.0.0.256";
    EXPECT_EQ(CpeFormErrorText(form), "MAC-address is incorrect\r\nIP-address is incorrect");
    form.mac = "000b220578ff";
    EXPECT_EQ(CpeFormErrorText(form), "IP-address is incorrect");
}

TEST(CpeForm, NameThatWouldSplitTheCommandIsRefused) {
    CpeForm form = Form();
    form.name = "cpe1\r\nco save";
    EXPECT_EQ(CpeFormErrorText(form), "CPE name is incorrect");
    form.ipAddress = "";
    EXPECT_EQ(CpeFormErrorText(form), "IP-address is incorrect\r\nCPE name is incorrect");
    form.name = std::string("cpe\0x", 5);
    form.mac = "bad";
    EXPECT_EQ(CpeFormErrorText(form),
              "MAC-address is incorrect\r\nIP-address is incorrect\r\nCPE name is incorrect");
}

TEST(CpeForm, QuestionListsTheForm) {
    EXPECT_EQ(NewCpeQuestion(Form()),
              "Do you wish to configure new CPE?\r\nInterface: rf4.0\r\nMAC-address: "
              "00:0B:22:05:78:FF\r\nIP-address: 10.0.0.5\r\nName: cpe1");
}

TEST(CpeForm, AddLine) {
    CpeForm form = Form();
    auto add = CpeAddCommand(form);
    EXPECT_EQ(add.line, "rma ab rf4.0 000B220578FF ip=10.0.0.5 name=cpe1 -ena");
    EXPECT_EQ(add.replyState, ReplyCode{40});
    form.mac = "00:0b:22:05:78:ff";
    form.enabled = false;
    form.name = "";
    EXPECT_EQ(CpeAddCommand(form).line, "rma ab rf4.0 000b220578ff ip=10.0.0.5 name= -dis");
}

TEST(CpeForm, DeleteLineNamesTheShownRadioAndNeedsAMac) {
    const auto line = CpeDeleteCommand("rf5.0", {"000B220578FF", "10.0.0.5", "cpe1"});
    ASSERT_TRUE(line.has_value());
    EXPECT_EQ(line->line, "rma ab rf5.0 000B220578FF ip=10.0.0.5 name=cpe1 -del");
    EXPECT_EQ(line->replyState, ReplyCode{40});
    EXPECT_FALSE(CpeDeleteCommand("rf5.0", {"", "10.0.0.5", "cpe1"}).has_value());
    // Without a radio the line would name none.
    EXPECT_FALSE(CpeDeleteCommand("", {"000B220578FF", "10.0.0.5", "cpe1"}).has_value());
}

TEST(CpeForm, FormWithoutARadioOrWithOnlyColonsIsRefused) {
    CpeForm form = Form();
    form.interfaceName.clear();
    EXPECT_EQ(CpeFormErrorText(form), std::string(kNoRadioInterface));
    form.mac = "::::::::::::";
    EXPECT_EQ(CpeFormErrorText(form),
              "MAC-address is incorrect\r\n" + std::string(kNoRadioInterface));
}

TEST(CpeForm, GridAndLegend) {
    const auto columns = CpeGridColumns();
    ASSERT_EQ(columns.size(), 14u);
    EXPECT_EQ(columns[cpe_column::Mac].header, "MAC-address");
    EXPECT_EQ(columns[cpe_column::LevelFromBar].header, "Lev->");
    EXPECT_EQ(columns[cpe_column::LevelToBar].header, "Lev-<");
    EXPECT_TRUE(columns[cpe_column::LevelToBar].hiddenWhenEmpty);
    EXPECT_EQ(columns[cpe_column::LevelToBar].kind, ReportColumnKind::LevelBar);
    EXPECT_EQ(columns[cpe_column::Registered].kind, ReportColumnKind::CheckBox);
    EXPECT_EQ(columns[cpe_column::Enabled].header, "E");
    EXPECT_EQ(CpeLegendLines[2], "\"Lev<-\" column - amplitude to this CPE (0..16)");
    EXPECT_EQ(CpeLegendLines[6], "\"E\" column - CHECKED means  that CPE is enabled");
}

}  // namespace
}  // namespace tessel
