// The streaming utilities and the routing tab built alone over a fake page
// host: the console lines and reply codes they leave, the buttons they lock,
// and the grids they fill.

#include "core/console/reply_dispatch.hpp"
#include "core/router/arp_parse.hpp"
#include "core/router/load_meter.hpp"
#include "core/router/rma_test.hpp"
#include "core/session/session.hpp"
#include "fake_page_host.hpp"
#include "fire_timer.hpp"
#include "utilities/load_meter_page.hpp"
#include "utilities/report_chart_window.hpp"
#include "utilities/rma_test_page.hpp"
#include "viewkit/append_rows.hpp"
#include "viewkit/column_mapper.hpp"
#include "views/routing/arp_group.hpp"
#include "views/routing/routing_page.hpp"
#include "wait_for.hpp"
#include "widgets/grid_view.hpp"
#include "widgets/spin_editor.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace tessel {
namespace {

using Lines = std::vector<std::string>;

const std::string Escape = "\x1b";

// An agent holding fixed values; GetNext answers in the order of the OID
// texts, which is the numeric order for the few values a test gives it.
SnmpTransport AgentOf(std::map<std::string, std::string> values) {
    auto held = std::make_shared<std::map<std::string, std::string>>(std::move(values));
    SnmpTransport transport;
    transport.get = [held](const std::string& oid, const std::string&, const std::string&,
                           std::string& value) {
        const auto found = held->find(oid);
        if (found == held->end()) {
            return false;
        }
        value = found->second;
        return true;
    };
    transport.getNext = [held](std::string& oid, const std::string&, const std::string&,
                               std::string& value) {
        const auto next = held->upper_bound(oid);
        if (next == held->end()) {
            return false;
        }
        oid = next->first;
        value = next->second;
        return true;
    };
    return transport;
}

class UtilityPages : public ::testing::Test {
  protected:
    UtilityPages() { host.AddConsoleButton(&windowButton); }

    bool Locked(std::initializer_list<QWidget*> widgets) const {
        for (QWidget* widget : widgets) {
            if (widget->isEnabled()) {
                return false;
            }
        }
        return !windowButton.isEnabled();
    }
    bool Unlocked(std::initializer_list<QWidget*> widgets) const {
        for (QWidget* widget : widgets) {
            if (!widget->isEnabled()) {
                return false;
            }
        }
        return windowButton.isEnabled();
    }

    test::FakePageHost host;
    Session session{SnmpTransport{}};
    // One of the window's console buttons ("Save all").
    QPushButton windowButton;
};

TEST_F(UtilityPages, LoadMeterRunsUnderItsStartCodeUntilStop) {
    LoadMeterPage page(session, host);
    page.SetInterfaceNames({"eth0", "rf5.0"}, 1);
    ASSERT_EQ(page.loadMeterInterfaceCombo_->count(), 2);
    EXPECT_EQ(page.loadMeterInterfaceCombo_->currentText(), "rf5.0");
    page.loadMeterIntervalSpin_->setValue(2);

    page.loadMeterStartButton_->click();
    EXPECT_EQ(host.lines, Lines{"loadm  -w 2 rf5.0"});
    EXPECT_EQ(host.code, ReplyCode::LoadMeterStart);
    EXPECT_TRUE(Locked(
        {page.loadMeterStartButton_, page.loadMeterInterfaceCombo_, page.loadMeterIntervalSpin_}));
    // "Stop" and "KBytes" stay usable while it runs.
    EXPECT_TRUE(page.loadMeterStopButton_->isEnabled());
    EXPECT_TRUE(page.loadMeterKbytesCheck_->isEnabled());

    // Reports: the first clears the old rows, then one row each; the last
    // row is the current one. A redraw adds nothing.
    page.loadMeterGrid_->AppendRow({"", "old"});
    page.ConsoleReply(ReplyAction::ClearLoadMeter, "loadm  -w 2 rf5.0\r\n");
    EXPECT_EQ(page.loadMeterGrid_->RowCount(), 0);
    page.ConsoleReply(ReplyAction::LoadMeterRow, "  rf5.0  12  10  30  5  1  1  2  3  13  8\r\n");
    page.ConsoleReply(ReplyAction::LoadMeterRow, "\x1b[K  rf5.0  1  1\r\n");
    page.ConsoleReply(ReplyAction::LoadMeterRow, "  rf5.0  14  11  30  6  2  1  2  4  16  10\r\n");
    ASSERT_EQ(page.loadMeterGrid_->RowCount(), 2);
    EXPECT_EQ(page.loadMeterGrid_->Cell(0, 1), "12");
    EXPECT_EQ(page.loadMeterGrid_->Cell(1, 1), "14");
    EXPECT_EQ(page.loadMeterGrid_->Cell(1, 10), "10");
    EXPECT_EQ(page.loadMeterGrid_->currentIndex().row(), 1);

    host.code = ReplyCode::LoadMeterRow;
    page.loadMeterStopButton_->click();
    EXPECT_EQ(host.lines, (Lines{"loadm  -w 2 rf5.0", Escape}));
    EXPECT_EQ(host.code, ReplyCode::LoadMeterRowStopped);
    ASSERT_TRUE(test::FireTimer(page.StopPause()));
    EXPECT_TRUE(Unlocked(
        {page.loadMeterStartButton_, page.loadMeterInterfaceCombo_, page.loadMeterIntervalSpin_}));
}

TEST_F(UtilityPages, StopKeepsTheWindowRunningAndUnlocksAfterTheRoutersPause) {
    LoadMeterPage page(session, host);
    page.SetInterfaceNames({"eth0"}, 0);
    page.loadMeterStartButton_->click();
    // Queued before "Stop": it runs while the page is still locked.
    bool ranWhileLocked = false;
    QTimer::singleShot(0, &page, [&] { ranWhileLocked = Locked({page.loadMeterStartButton_}); });
    QElapsedTimer clock;
    clock.start();
    page.loadMeterStopButton_->click();
    EXPECT_LT(clock.elapsed(), ReportStopPauseMs / 2);
    EXPECT_TRUE(Locked(
        {page.loadMeterStartButton_, page.loadMeterInterfaceCombo_, page.loadMeterIntervalSpin_}));
    EXPECT_FALSE(page.loadMeterStopButton_->isEnabled());
    ASSERT_TRUE(test::WaitFor([&] { return Unlocked({page.loadMeterStartButton_}); }));
    EXPECT_GE(clock.elapsed(), ReportStopPauseMs);
    EXPECT_TRUE(ranWhileLocked);
    EXPECT_EQ(host.lines, (Lines{"loadm  -w 1 eth0", Escape}));
}

TEST_F(UtilityPages, AReportStartedInAnothersPauseKeepsTheConsoleButtonsLocked) {
    LoadMeterPage meter(session, host);
    meter.SetInterfaceNames({"eth0"}, 0);
    RmaTestPage rma(session, host);
    rma.SetRadioNames({"rf5.0"}, 0);
    meter.loadMeterStartButton_->click();
    meter.loadMeterStopButton_->click();
    rma.rmaTestStartButton_->click();
    // The meter's pause ends (twice over: its tick, then a late one): its own
    // controls come back, the window's buttons stay the link test's.
    ASSERT_TRUE(test::FireTimer(meter.StopPause()));
    ASSERT_TRUE(test::FireTimer(meter.StopPause()));
    EXPECT_TRUE(meter.loadMeterStartButton_->isEnabled());
    EXPECT_FALSE(windowButton.isEnabled());
    // The link test's end gives them back.
    rma.ReportEnded(ReplyCode::RmaTestRow);
    EXPECT_TRUE(Unlocked({rma.rmaTestStartButton_, meter.loadMeterStartButton_}));
}

TEST_F(UtilityPages, RmaTestRefusedOrWithoutRadioLeavesEverythingAsItWas) {
    RmaTestPage page(session, host);
    page.rmaTestMacEdit_->setText("000B220578FF");

    // No radio: the operator is told, nothing is sent.
    page.SetRadioNames({}, -1);
    page.rmaTestStartButton_->click();
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, QString::fromLatin1(RmaTestNoInterfaceText));
    EXPECT_EQ(host.boxes[0].caption, "Error");
    EXPECT_TRUE(host.lines.empty());

    // Refused by the window: the code and every button as before.
    page.SetRadioNames({"rf5.0", "rf2.0"}, 1);
    host.refuseLines = true;
    page.rmaTestStartButton_->click();
    EXPECT_TRUE(host.lines.empty());
    EXPECT_EQ(host.code, ReplyCode::Idle);
    EXPECT_TRUE(
        Unlocked({page.rmaTestStartButton_, page.rmaTestMacEdit_, page.rmaTestPacketLengthSpin_}));

    host.refuseLines = false;
    page.rmaTestMulticastCheck_->setChecked(true);
    page.rmaTestStartButton_->click();
    EXPECT_EQ(host.lines, Lines{"rma rf2.0 test 000B220578FF 256 mcast "});
    EXPECT_EQ(host.code, ReplyCode::RmaTestStart);
    EXPECT_TRUE(
        Locked({page.rmaTestStartButton_, page.rmaTestMacEdit_, page.rmaTestPacketLengthSpin_}));
    EXPECT_TRUE(page.rmaTestStopButton_->isEnabled());

    page.ConsoleReply(ReplyAction::RmaTestRow, "  10  12  9  1%  2%  (98)  3ms  0  99\r\n");
    page.ConsoleReply(ReplyAction::RmaTestRow, "  replies  12  9  1%  (98)\r\n");
    ASSERT_EQ(page.rmaTestGrid_->RowCount(), 1);
    EXPECT_EQ(page.rmaTestGrid_->Cell(0, 8), "(98)");

    // Stopped before the first report: the start code takes its stopped form.
    page.rmaTestStopButton_->click();
    EXPECT_EQ(host.lines.back(), Escape);
    EXPECT_EQ(host.code, ReplyCode::RmaTestStartStopped);
    ASSERT_TRUE(test::FireTimer(page.StopPause()));
    EXPECT_TRUE(
        Unlocked({page.rmaTestStartButton_, page.rmaTestMacEdit_, page.rmaTestPacketLengthSpin_}));
}

// The points of a page's chart, line by line.
std::vector<std::size_t> ChartPoints(const QWidget& page, const char* window) {
    std::vector<std::size_t> points;
    for (const ReportSeries& series : page.findChild<ReportChartWindow*>(window)->Data().Series()) {
        points.push_back(series.points.Points().size());
    }
    return points;
}

TEST_F(UtilityPages, ChartsFollowARunsRowsAndKeepThemUntilTheNextStart) {
    LoadMeterPage meter(session, host);
    meter.SetInterfaceNames({"eth0"}, 0);
    meter.loadMeterKbytesCheck_->setChecked(true);
    meter.loadMeterStartButton_->click();
    meter.ConsoleReply(ReplyAction::ClearLoadMeter, "loadm  -B  -w 1 eth0\r\n");
    meter.ConsoleReply(ReplyAction::LoadMeterRow, "  eth0  12  10  30  5  1  1  2  3  13  8\r\n");
    meter.ConsoleReply(ReplyAction::LoadMeterRow, "\x1b[K  eth0  1  1\r\n");
    meter.ConsoleReply(ReplyAction::LoadMeterRow, "  eth0  14  11  30  6  2  1  2  4  16  10\r\n");
    meter.ChartButton->click();
    auto* chart = meter.findChild<ReportChartWindow*>("LoadMeterChart");
    EXPECT_TRUE(chart->isVisible());
    EXPECT_EQ(chart->Data().Series()[0].name, "eth0 input");
    EXPECT_EQ(chart->Data().Series()[0].unit, "KBytes/s");
    EXPECT_EQ(chart->Data().Series()[1].points.Points().back().value, 2);
    EXPECT_EQ(ChartPoints(meter, "LoadMeterChart"), (std::vector<std::size_t>(4, 2)));

    // "Stop" keeps the run; a start the window refuses is no new run; the
    // next one is, in its own unit.
    meter.loadMeterStopButton_->click();
    ASSERT_TRUE(test::FireTimer(meter.StopPause()));
    meter.loadMeterKbytesCheck_->setChecked(false);
    host.refuseLines = true;
    meter.loadMeterStartButton_->click();
    EXPECT_EQ(ChartPoints(meter, "LoadMeterChart"), (std::vector<std::size_t>(4, 2)));
    host.refuseLines = false;
    meter.loadMeterStartButton_->click();
    EXPECT_EQ(ChartPoints(meter, "LoadMeterChart"), (std::vector<std::size_t>(4, 0)));
    EXPECT_EQ(chart->Data().Series()[0].unit, "kbit/s");

    RmaTestPage rma(session, host);
    rma.SetRadioNames({"rf5.0"}, 0);
    rma.rmaTestStartButton_->click();
    rma.ConsoleReply(ReplyAction::RmaTestRow, "  9/10  12  11  10%  0%  (95%)  3ms  1\r\n");
    EXPECT_EQ(ChartPoints(rma, "RmaTestChart"), (std::vector<std::size_t>(3, 1)));
    EXPECT_EQ(rma.ChartButton->text(), "Chart");
}

TEST_F(UtilityPages, ArpGroupAsksOnTheConsoleAndItsReplyReplacesTheGrid) {
    RoutingPage page(session, host);
    ArpGroup* arp = page.ArpTableGroup();
    // Its button joins the window's console buttons, after those before it.
    EXPECT_EQ(host.consoleButtons,
              (std::vector<QAbstractButton*>{&windowButton, arp->refreshArpTableButton_}));

    host.refuseLines = true;
    arp->refreshArpTableButton_->click();
    EXPECT_EQ(host.code, ReplyCode::Idle);
    host.refuseLines = false;
    arp->refreshArpTableButton_->click();
    EXPECT_EQ(host.lines, Lines{"arp view"});
    EXPECT_EQ(host.code, ReplyCode::ArpTable);

    const std::string table =
        "arp view\r\n"
        "10.0.0.1 at 00:0b:22:05:78:ff via eth0\r\n"
        "192.168.1.20 at 00:11:22:33:44:55 via rf4.0\r\n"
        "router> ";
    arp->arpTableGrid_->AppendRow({"", "stale"});
    page.ConsoleReply(ReplyAction::ArpTable, table);
    ASSERT_EQ(arp->arpTableGrid_->RowCount(), 2);
    EXPECT_EQ(arp->arpTableGrid_->Cell(0, 1), "eth0");
    EXPECT_EQ(arp->arpTableGrid_->Cell(0, 2), "10.0.0.1");
    EXPECT_EQ(arp->arpTableGrid_->Cell(1, 3), "00:11:22:33:44:55");
    // Too short to be the table: the grid stays; other replies are not its.
    page.ConsoleReply(ReplyAction::ArpTable, "arp view\r\n");
    page.ConsoleReply(ReplyAction::LoadMeterRow, table);
    EXPECT_EQ(arp->arpTableGrid_->RowCount(), 2);
}

TEST_F(UtilityPages, RoutingTableNamesInterfacesFromTheRouterModel) {
    const std::string entry = "1.3.6.1.2.1.4.21.1.";
    const std::string route = "10.20.0.0";
    Session agent(AgentOf({{entry + "1." + route, route},
                           {entry + "2." + route, "2"},
                           {entry + "3." + route, "3"},
                           {entry + "7." + route, "10.10.0.7"},
                           {entry + "9." + route, "8"},
                           {entry + "11." + route, "255.255.0.0"}}));
    host.router.InterfaceNames = {"eth0", "rf2.0"};
    RoutingPage page(agent, host);
    page.refreshRoutingTableButton_->click();
    ASSERT_EQ(page.routingTableGrid_->RowCount(), 1);
    const QStringList expected = {"1",         "10.20.0.0", "rf2.0",      "3",
                                  "10.10.0.7", "rip",       "255.255.0.0"};
    for (int c = 0; c < expected.size(); ++c) {
        EXPECT_EQ(page.routingTableGrid_->Cell(0, c), expected[c]) << c;
    }
    // Nothing on the console: the table is read over SNMP.
    EXPECT_TRUE(host.lines.empty());
}

TEST(AppendRows, OneBlockOfByteExactCellsAfterTheRowsThere) {
    GridView grid;
    ApplyReportColumns(grid, ArpGridColumns());
    grid.AppendRow({"", "first"});
    QSignalSpy inserted(grid.model(), &QAbstractItemModel::rowsInserted);

    // A MAC address may arrive as raw bytes, NUL included; Latin-1 text
    // keeps its accents.
    const std::vector<ArpRow> rows = {{"eth0", "10.0.0.1", std::string("\x00\x0b\x22\xe9", 4)},
                                      {"caf\xe9", "10.0.0.2", "00:11"},
                                      {"rf4.0", "10.0.0.3", ""}};
    AppendRows(grid, rows, [](const ArpRow& row) {
        return Cells{{}, row.interfaceName, row.ipAddress, row.macAddress};
    });
    EXPECT_EQ(inserted.count(), 1);
    ASSERT_EQ(grid.RowCount(), 4);
    EXPECT_EQ(grid.Cell(0, 1), "first");
    EXPECT_EQ(grid.Cell(1, 3), QString::fromLatin1("\x00\x0b\x22\xe9", 4));
    EXPECT_EQ(grid.Cell(1, 3).size(), 4);
    EXPECT_EQ(grid.Cell(2, 1), QStringLiteral("caf\u00e9"));
    EXPECT_EQ(grid.Cell(3, 1), "rf4.0");

    // Rows that are their cells already.
    const std::vector<std::array<std::string, 3>> plain = {{"", "a", "b"}};
    AppendRows(grid, plain);
    AppendRow(grid, plain[0]);
    ASSERT_EQ(grid.RowCount(), 6);
    EXPECT_EQ(grid.Cell(5, 2), "b");
}

}  // namespace
}  // namespace tessel
