// The routing table and the ARP group of the "Routing/ARP tables" tab,
// against the lab router.

#include "core/router/interface_commands.hpp"
#include "logged_in_window.hpp"
#include "views/routing/arp_group.hpp"
#include "views/routing/routing_page.hpp"
#include "widgets/grid_view.hpp"

#include <QPushButton>
#include <QTabWidget>

namespace tessel::test {
namespace {

class RoutingPageTest : public LoggedInWindow {
  protected:
    RoutingPageTest() : LoggedInWindow({.tickMs = TickMs}) {}
    // Each test logs in itself, some after setting the session up.
    void SetUp() override { StartWithoutLogin(); }

    // The grid row whose column holds text, -1 when none does.
    static int RowWith(const GridView& grid, int column, const QString& text) {
        for (int row = 0; row < grid.RowCount(); ++row) {
            if (grid.Cell(row, column) == text) {
                return row;
            }
        }
        return -1;
    }
};

TEST_F(RoutingPageTest, TableAfterLoginNamesInterfacesAndProtocols) {
    // The interfaces page fills the names the routes refer to; with it or
    // without it, the session's names are what the table shows.
    form->Router().InterfaceNames = {"rf5.0", "rf2.0", "eth0", "eth1", "lo0", "tun0", "vlan10"};
    LogIn();
    auto* grid = Find<GridView>("GridView6");
    ASSERT_NE(grid, nullptr);
    const QStringList headers = {"",         "Destination", "Interface", "Metric",
                                 "Next hop", "Proto",       "Mask"};
    ASSERT_EQ(grid->Model()->columnCount(), headers.size());
    for (int c = 0; c < headers.size(); ++c) {
        EXPECT_EQ(grid->Model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(),
                  headers[c]);
    }
    ASSERT_EQ(grid->RowCount(), 11);
    const int rip = RowWith(*grid, 1, "10.30.0.0");
    ASSERT_GE(rip, 0);
    EXPECT_EQ(grid->Cell(rip, 0), QString::number(rip + 1));
    EXPECT_EQ(grid->Cell(rip, 2), "rf5.0");
    EXPECT_EQ(grid->Cell(rip, 3), "2");
    EXPECT_EQ(grid->Cell(rip, 4), "10.10.0.7");
    EXPECT_EQ(grid->Cell(rip, 5), "rip");
    EXPECT_EQ(grid->Cell(rip, 6), "255.255.0.0");
    const int fallback = RowWith(*grid, 1, "0.0.0.0");
    ASSERT_GE(fallback, 0);
    EXPECT_EQ(grid->Cell(fallback, 2), "eth0");
    EXPECT_EQ(grid->Cell(fallback, 5), "netmgmt");
    EXPECT_EQ(grid->Cell(RowWith(*grid, 1, "127.0.0.0"), 5), "local");
    EXPECT_EQ(grid->Cell(RowWith(*grid, 1, "203.0.113.0"), 5), "ospf");
}

TEST_F(RoutingPageTest, UnknownInterfaceIndexGivesAnEmptyCellAndRefreshReadsAgain) {
    LogIn();
    auto* page = Find<RoutingPage>("TabSheet13");
    ASSERT_NE(page, nullptr);
    // Only the first two names are known: routes on other interfaces show
    // an empty interface cell instead of a wrong name.
    form->Router().InterfaceNames = {"rf5.0", "rf2.0"};
    const std::size_t before = SnmpRequestsFor("1.3.6.1.2.1.4.21.1.9.");
    page->refreshRoutingTableButton_->click();
    EXPECT_TRUE(RequestsReach("1.3.6.1.2.1.4.21.1.9.", before + 11));
    ASSERT_EQ(page->routingTableGrid_->RowCount(), 11);
    EXPECT_EQ(page->routingTableGrid_->Cell(RowWith(*page->routingTableGrid_, 1, "10.20.0.0"), 2),
              "rf2.0");
    EXPECT_EQ(page->routingTableGrid_->Cell(RowWith(*page->routingTableGrid_, 1, "0.0.0.0"), 2),
              "");
}

TEST_F(RoutingPageTest, NewAliasShowsItsRouteOnceTheRouterAnswers) {
    LogIn();
    auto* grid = Find<GridView>("GridView6");
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(RowWith(*grid, 1, "172.16.5.0"), -1);
    // An interface command answered by the prompt re-reads the routes.
    form->SendCommand(CreateAliasCommand("eth1", "172.16.5.1", "255.255.255.0").value());
    ASSERT_TRUE(WaitFor([&] { return RowWith(*grid, 1, "172.16.5.0") >= 0; }));
    EXPECT_EQ(grid->RowCount(), 12);
    EXPECT_EQ(grid->Cell(RowWith(*grid, 1, "172.16.5.0"), 6), "255.255.255.0");
    EXPECT_EQ(form->Console().Code(), ReplyCode::Idle);
}

TEST_F(RoutingPageTest, ArpTableAfterLoginAndOnRefresh) {
    LogIn();
    auto* arp = Find<ArpGroup>("ArpGroup");
    ASSERT_NE(arp, nullptr);
    EXPECT_EQ(arp->title(), "ARP Table");
    ASSERT_TRUE(WaitFor([&] { return arp->arpTableGrid_->RowCount() == 6; }));
    EXPECT_TRUE(Received("arp view"));
    EXPECT_EQ(arp->arpTableGrid_->Cell(0, 1), "eth0");
    EXPECT_EQ(arp->arpTableGrid_->Cell(0, 2), "192.168.1.254");
    EXPECT_EQ(arp->arpTableGrid_->Cell(0, 3), "00:1c:2e:aa:10:01");
    EXPECT_EQ(arp->arpTableGrid_->Cell(5, 1), "vlan10");
    EXPECT_EQ(arp->arpTableGrid_->Cell(5, 2), "192.168.10.33");

    // "Refresh table" asks again and the grid is replaced, not extended.
    const auto asked = ConsoleLines().size();
    arp->refreshArpTableButton_->click();
    EXPECT_EQ(form->Console().Code(), ReplyCode::ArpTable);
    ASSERT_TRUE(WaitIdle());
    const auto lines = ConsoleLines();
    ASSERT_EQ(lines.size(), asked + 1);
    EXPECT_EQ(lines.back(), "arp view");
    EXPECT_EQ(arp->arpTableGrid_->RowCount(), 6);
}

TEST_F(RoutingPageTest, RefreshAllLeavesTheTablesAlone) {
    LogIn();
    auto* grid = Find<GridView>("GridView6");
    ASSERT_NE(grid, nullptr);
    const std::size_t routeReads = SnmpRequestsFor("1.3.6.1.2.1.4.21.1.");
    const std::size_t qosReads = SnmpRequestsFor("1.3.6.1.4.1.3942.1.1.4.1.1.");
    form->OnRefreshAll();
    EXPECT_EQ(SnmpRequestsFor("1.3.6.1.2.1.4.21.1."), routeReads);
    EXPECT_EQ(SnmpRequestsFor("1.3.6.1.4.1.3942.1.1.4.1.1."), qosReads);
    EXPECT_EQ(grid->RowCount(), 11);
}

}  // namespace
}  // namespace tessel::test
