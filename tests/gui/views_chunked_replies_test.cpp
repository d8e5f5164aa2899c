// Replies that the router sends in many small pieces: the ARP table and the
// interface information are gathered up to the prompt and shown whole.

#include "app/interface_info_window.hpp"
#include "logged_in_window.hpp"
#include "views/interfaces/interfaces_page.hpp"
#include "views/routing/arp_group.hpp"
#include "widgets/grid_view.hpp"

namespace tessel {
namespace {

using test::LoggedInWindow;
using test::WaitFor;

class ChunkedReplies : public LoggedInWindow {
  protected:
    // Everything after the login dialogue comes in pieces of 1 to 64 bytes.
    ChunkedReplies()
        : LoggedInWindow({.arguments = {"--console-chunk", "random", "--seed", "11",
                                        "--console-chunk-after-login"}}) {}
};

TEST_F(ChunkedReplies, ArpTableAndInterfaceInformationShowWhole) {
    auto* arp = Find<ArpGroup>("ArpGroup");
    ASSERT_NE(arp, nullptr);
    // The reply to the load's "arp view" is in (the fixture waited for idle).
    ASSERT_EQ(arp->arpTableGrid_->RowCount(), 6);
    EXPECT_EQ(arp->arpTableGrid_->Cell(0, 2), "192.168.1.254");
    EXPECT_EQ(arp->arpTableGrid_->Cell(0, 3), "00:1c:2e:aa:10:01");
    EXPECT_EQ(arp->arpTableGrid_->Cell(5, 1), "vlan10");
    EXPECT_EQ(arp->arpTableGrid_->Cell(5, 2), "192.168.10.33");

    arp->arpTableGrid_->Clear();
    arp->refreshArpTableButton_->click();
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(arp->arpTableGrid_->RowCount(), 6);

    auto* page = Find<InterfacesPage>("TabSheet2");
    ASSERT_NE(page, nullptr);
    GridView* interfaces = page->interfacesGrid_;
    int rf = -1;
    for (int r = 0; r < interfaces->RowCount(); ++r) {
        rf = interfaces->Cell(r, 1) == QStringLiteral("rf5.0") ? r : rf;
    }
    ASSERT_GE(rf, 0);
    interfaces->setCurrentIndex(interfaces->model()->index(rf, 1));
    page->infoShowButton_->click();
    InterfaceInfoWindow* info = form->InformationWindow();
    ASSERT_TRUE(WaitFor([&] { return info->isVisible(); }));
    const QStringList lines = info->Information().split(QLatin1Char('\n'));
    ASSERT_GE(lines.size(), 4) << info->Information().toStdString();
    EXPECT_TRUE(lines.front().startsWith(QStringLiteral("rf5.0: index 1, UP")));
    EXPECT_TRUE(lines.back().startsWith(QStringLiteral("  input "))) << lines.back().toStdString();
    EXPECT_TRUE(info->Information().contains(QStringLiteral("  radio: frequency ")));
    EXPECT_EQ(form->Console().Code(), ReplyCode::Idle);
}

class OneByteReplies : public LoggedInWindow {
  protected:
    OneByteReplies()
        : LoggedInWindow({.arguments = {"--console-chunk", "1", "--console-chunk-after-login"}}) {}
};

// A read may end right after the ">" of the interface's flags or description.
TEST_F(OneByteReplies, InterfaceInformationHoldingAngleBracketsShowsWhole) {
    auto* page = Find<InterfacesPage>("TabSheet2");
    ASSERT_EQ(page->interfacesGrid_->Cell(0, 1), "rf5.0");
    page->interfacesGrid_->setCurrentIndex(page->interfacesGrid_->model()->index(0, 1));
    page->infoShowButton_->click();
    InterfaceInfoWindow* info = form->InformationWindow();
    ASSERT_TRUE(WaitFor([&] { return info->isVisible(); }));
    EXPECT_TRUE(info->Information().endsWith(
        QStringLiteral("  flags <UP,RUNNING>\n  description Sektor Nord, 90\u00b0 <S\u00fcd> "
                       "gesperrt\n  hardware address 00:0b:22:50:00:01\n"
                       "  inet 10.10.0.1 netmask 255.255.255.0 broadcast 10.10.0.255\n"
                       "  radio: frequency 5180 MHz, bitrate 54000 kbit/s, SID 1A2B, power 17 dBm\n"
                       "  input 420000 bytes/s, output 1150000 bytes/s")))
        << info->Information().toStdString();
}

}  // namespace
}  // namespace tessel
