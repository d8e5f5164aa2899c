// Replies that the router sends in many small pieces: the ARP table and the
// interface information are gathered up to the prompt and shown whole.

#include "app/form2.hpp"
#include "logged_in_window.hpp"
#include "views/interfaces/interfaces_page.hpp"
#include "views/routing/arp_table_group.hpp"
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
    auto* arp = Find<TArpGroup>("ArpGroup");
    ASSERT_NE(arp, nullptr);
    // The reply to the load's "arp view" is in (the fixture waited for idle).
    ASSERT_EQ(arp->GridView7->RowCount(), 6);
    EXPECT_EQ(arp->GridView7->Cell(0, 2), "192.168.1.254");
    EXPECT_EQ(arp->GridView7->Cell(0, 3), "00:1c:2e:aa:10:01");
    EXPECT_EQ(arp->GridView7->Cell(5, 1), "vlan10");
    EXPECT_EQ(arp->GridView7->Cell(5, 2), "192.168.10.33");

    arp->GridView7->Clear();
    arp->Button38->click();
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(arp->GridView7->RowCount(), 6);

    auto* page = Find<TInterfacesPage>("TabSheet2");
    ASSERT_NE(page, nullptr);
    TGridView* interfaces = page->GridView4;
    int rf = -1;
    for (int r = 0; r < interfaces->RowCount(); ++r) {
        rf = interfaces->Cell(r, 1) == QStringLiteral("rf5.0") ? r : rf;
    }
    ASSERT_GE(rf, 0);
    interfaces->setCurrentIndex(interfaces->model()->index(rf, 1));
    page->Button33->click();
    TForm2* info = form->InformationWindow();
    ASSERT_TRUE(WaitFor([&] { return info->isVisible(); }));
    const QStringList lines = info->Information().split(QLatin1Char('\n'));
    ASSERT_GE(lines.size(), 4) << info->Information().toStdString();
    EXPECT_TRUE(lines.front().startsWith(QStringLiteral("rf5.0: index 1, UP")));
    EXPECT_TRUE(lines.back().startsWith(QStringLiteral("  input "))) << lines.back().toStdString();
    EXPECT_TRUE(info->Information().contains(QStringLiteral("  radio: frequency ")));
    EXPECT_EQ(form->Console().Code(), ReplyCode::Idle);
}

}  // namespace
}  // namespace tessel
