// The "BS" and "CPE" pages on their own, on a fake host and a scripted
// router: what they send under which code, the boxes they show, and what
// they announce to the other pages.

#include "core/console/reply_dispatch.hpp"
#include "core/recording_reader.hpp"
#include "core/router/cpe_commands.hpp"
#include "core/session/session.hpp"
#include "core/snmp/oids.hpp"
#include "fake_page_host.hpp"
#include "views/bs/bs_page.hpp"
#include "views/cpe/cpe_page.hpp"
#include "widgets/grid_view.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <string>

namespace tessel {
namespace {

using test::RecordingReader;

const QString NoRadio =
    QStringLiteral("The router has no radio interface to apply this setting to.");

SnmpTransport Over(RecordingReader& reader) {
    return {[&reader](const std::string& oid, const std::string&, const std::string&,
                      std::string& value) { return reader.Get(oid, value); },
            [&reader](std::string& oid, const std::string&, const std::string&,
                      std::string& value) { return reader.GetNext(oid, value); }};
}

class OnHost : public ::testing::Test {
  protected:
    RecordingReader router;
    Session session{Over(router)};
    test::FakePageHost host;
};

class BsPageOnHost : public OnHost {
  protected:
    void SetUp() override {
        // One unit on the first radio, none on the second.
        const std::string cpe = oids::CpeEntry;
        const std::string index = ".1.0.11.34.5.120.255";
        router.Set(cpe + "1" + index, "0.11.34.5.120.255");
        router.Set(cpe + "2" + index, "farm-east");
        router.Set(cpe + "4" + index, "10.10.0.5");
        page.SetRadioNames({QStringLiteral("rf5.0"), QStringLiteral("rf2.0")}, 0);
    }

    BsPage page{session, host};
};

TEST_F(BsPageOnHost, ReadTellsWhetherPwrctlMayBeUsed) {
    QSignalSpy allowed(&page, &BsPage::PwrctlAllowedChanged);
    page.ReadCpeTable();
    ASSERT_EQ(page.cpeTableGrid_->RowCount(), 1);
    EXPECT_EQ(page.cpeTableGrid_->Cell(0, cpe_column::Mac), QStringLiteral("000B220578FF"));
    page.SetRadioNames({QStringLiteral("rf5.0"), QStringLiteral("rf2.0")}, 1);
    EXPECT_EQ(page.cpeRadioCombo_->currentIndex(), 1);
    page.ReadCpeTable();
    EXPECT_EQ(page.cpeTableGrid_->RowCount(), 0);
    ASSERT_EQ(allowed.size(), 2);
    EXPECT_FALSE(allowed[0][0].toBool());
    EXPECT_TRUE(allowed[1][0].toBool());
}

TEST_F(BsPageOnHost, DeleteSendsTheRowsLineUnderItsCode) {
    page.ReadCpeTable();
    page.cpeTableGrid_->selectRow(0);
    host.refuseLines = true;
    page.deleteCpeButton_->click();
    EXPECT_EQ(host.code, ReplyCode::Idle);
    EXPECT_TRUE(host.lines.empty());

    host.refuseLines = false;
    page.deleteCpeButton_->click();
    ASSERT_EQ(host.lines.size(), 1u);
    EXPECT_EQ(host.lines[0], "rma ab rf5.0 000B220578FF ip=10.10.0.5 name=farm-east -del");
    EXPECT_EQ(host.code, ReplyCode::CpeTable);
    EXPECT_TRUE(host.boxes.empty());
    // New, Update and Delete are locked with the other console buttons.
    EXPECT_EQ(host.consoleButtons.size(), 3u);
}

TEST_F(BsPageOnHost, DeleteWithoutARadioRefusesInABox) {
    page.ReadCpeTable();
    // The radio list read again, now empty.
    page.SetRadioNames({}, -1);
    page.cpeTableGrid_->selectRow(0);
    page.deleteCpeButton_->click();
    EXPECT_TRUE(host.lines.empty());
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, NoRadio);
    EXPECT_EQ(host.boxes[0].caption, QStringLiteral("Input error"));
}

class CpePageOnHost : public OnHost {
  protected:
    void SetUp() override {
        page.SetRadioNames({QStringLiteral("rf4.0"), QStringLiteral("rf2.0")}, 0);
        page.bsFrequenciesList_->addItem(QStringLiteral("2462"));
        page.bsSidEdit_->setText(QStringLiteral("2C"));
        page.bsRequestedSpeedEdit_->setText(QStringLiteral("5500"));
    }

    CpePage page{session, host};
};

TEST_F(CpePageOnHost, AddLineIsShownUnderTheHostsTitleThenSent) {
    host.router.RadioBand = {2, 1};
    page.createOrUpdateBsRecordButton_->click();
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, QStringLiteral("rma bs rf4.0 2C/5500 2462"));
    EXPECT_EQ(host.boxes[0].caption, host.Title());
    ASSERT_EQ(host.lines.size(), 1u);
    EXPECT_EQ(host.lines[0], "rma bs rf4.0 2C/5500 2462");
    EXPECT_EQ(host.code, ReplyCode::BsList);
}

TEST_F(CpePageOnHost, SpeedIsCheckedAgainstTheHostsRadioBand) {
    host.router.RadioBand = {1, 2};  // 5500 is no band 1 speed
    page.createOrUpdateBsRecordButton_->click();
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].caption, QStringLiteral("Error"));
    EXPECT_EQ(host.boxes[0].text, QStringLiteral("Speed value is not correct"));
    EXPECT_TRUE(host.lines.empty());
}

TEST_F(CpePageOnHost, AddDueOnAReplyWithoutARadioAbandonsTheWaitingCode) {
    page.SetRadioNames({}, -1);
    host.code = ReplyCode::BsDeleteBeforeAdd;
    page.ConsoleReply(ReplyAction::SendAddBsRecord, "rma bs ... -del\r\n>");
    EXPECT_EQ(host.code, ReplyCode::Idle);
    EXPECT_TRUE(host.lines.empty());
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, NoRadio);
    EXPECT_EQ(host.boxes[0].caption, QStringLiteral("Error"));
}

// "RF frequencies:" lists the frequencies of the interface chosen on the
// radio page, found by its position among the host's interface names.
TEST_F(CpePageOnHost, RfFrequenciesFollowTheRadioPagesSelection) {
    const std::string frequencies = oids::FrequencyEntry;
    router.Set(frequencies + "2.1", "2412");
    router.Set(frequencies + "1.1", "2");
    router.Set(frequencies + "2.2", "5180");
    router.Set(frequencies + "1.2", "3");
    host.router.InterfaceNames = {"eth0", "rf4.0", "rf5.0"};

    page.SetRadioPageSelection(QStringLiteral("rf5.0"));
    page.ReadBsList();
    ASSERT_EQ(page.rfFrequenciesList_->count(), 1);
    EXPECT_EQ(page.rfFrequenciesList_->item(0)->text(), QStringLiteral("5180"));

    page.SetRadioPageSelection(QStringLiteral("rf4.0"));
    page.ReadBsList();
    ASSERT_EQ(page.rfFrequenciesList_->count(), 1);
    EXPECT_EQ(page.rfFrequenciesList_->item(0)->text(), QStringLiteral("2412"));
}

}  // namespace
}  // namespace tessel
