// The interfaces and IP addresses groups against the lab router: the tables
// and lists after login, row selection, the alias, update and information
// commands, and the re-read that shows the router's result.

#include "app/interface_info_window.hpp"
#include "logged_in_window.hpp"
#include "views/interfaces/interfaces_page.hpp"
#include "widgets/grid_view.hpp"
#include "widgets/spin_editor.hpp"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QSignalSpy>

namespace tessel {
namespace {

using test::LoggedInWindow;
using test::WaitFor;

enum { IpInterface = 1, IpAddress, IpMask, IpIndex };
enum { IfName = 1, IfMtu, IfState, IfSpare };

class InterfacesPageTest : public LoggedInWindow {
  protected:
    void SetUp() override {
        LoggedInWindow::SetUp();
        if (HasFatalFailure()) {
            return;
        }
        page = Find<InterfacesPage>("TabSheet2");
        ASSERT_NE(page, nullptr);
    }

    static QStringList Row(const GridView* grid, int row, int columns) {
        QStringList cells;
        for (int c = 1; c < columns; ++c) {
            cells.append(grid->Cell(row, c));
        }
        return cells;
    }
    static int FindRow(const GridView* grid, int column, const QString& text) {
        for (int r = 0; r < grid->RowCount(); ++r) {
            if (grid->Cell(r, column) == text) {
                return r;
            }
        }
        return -1;
    }
    static QStringList Items(const QComboBox* box) {
        QStringList items;
        for (int i = 0; i < box->count(); ++i) {
            items.append(box->itemText(i));
        }
        return items;
    }
    static void SelectRow(GridView* grid, int row) {
        ASSERT_GE(row, 0);
        grid->setCurrentIndex(grid->model()->index(row, 1));
    }

    InterfacesPage* page = nullptr;
};

TEST_F(InterfacesPageTest, TablesAndListsShowTheRouter) {
    const QStringList all = {"rf5.0", "rf2.0", "eth0", "eth1", "lo0", "tun0", "vlan10"};
    EXPECT_EQ(
        form->Router().InterfaceNames,
        std::vector<std::string>({"rf5.0", "rf2.0", "eth0", "eth1", "lo0", "tun0", "vlan10"}));
    // Tunnels and VLANs take no alias; the second entry is preselected.
    EXPECT_EQ(Items(page->aliasInterfaceCombo_),
              QStringList({"rf5.0", "rf2.0", "eth0", "eth1", "lo0"}));
    EXPECT_EQ(page->aliasInterfaceCombo_->currentIndex(), 1);

    ASSERT_EQ(page->ipTableGrid_->RowCount(), 8);
    EXPECT_EQ(Row(page->ipTableGrid_, 0, 5),
              QStringList({"rf5.0", "10.10.0.1", "255.255.255.0", "1"}));
    const int tunnel = FindRow(page->ipTableGrid_, IpAddress, QStringLiteral("10.99.0.1"));
    EXPECT_EQ(Row(page->ipTableGrid_, tunnel, 5),
              QStringList({"tun0", "10.99.0.1", "255.255.255.252", "6"}));
    EXPECT_TRUE(page->ipTableGrid_->isColumnHidden(IpIndex));

    ASSERT_EQ(page->interfacesGrid_->RowCount(), 7);
    EXPECT_EQ(Row(page->interfacesGrid_, 3, 5), QStringList({"eth1", "1500", "down", ""}));
    EXPECT_EQ(Row(page->interfacesGrid_, 4, 5), QStringList({"lo0", "16384", "up", ""}));
    EXPECT_EQ(Row(page->interfacesGrid_, 6, 5), QStringList({"vlan10", "1496", "up", ""}));
    EXPECT_TRUE(page->interfacesGrid_->isColumnHidden(IfSpare));

    // The load meter's list holds every interface, the first selected; it
    // is filled again by every read.
    auto* loadMeter = Find<QComboBox>("ComboBox14");
    ASSERT_NE(loadMeter, nullptr);
    EXPECT_EQ(Items(loadMeter), all);
    EXPECT_EQ(loadMeter->currentIndex(), 0);
    loadMeter->setCurrentIndex(3);
    QSignalSpy announced(page, &InterfacesPage::InterfaceNamesChanged);
    form->OnRefreshAll();
    ASSERT_EQ(announced.count(), 1);
    EXPECT_EQ(announced.at(0).at(0).toStringList(), all);
    EXPECT_EQ(announced.at(0).at(1).toInt(), 0);
    EXPECT_EQ(Items(loadMeter), all);
    EXPECT_EQ(loadMeter->currentIndex(), 0);
    EXPECT_EQ(page->ipTableGrid_->RowCount(), 8) << "a re-read replaces the rows";
    SaveScreenshot(form->pageTabs_->widget(1), "tab-interfaces.png");
}

TEST_F(InterfacesPageTest, SelectingAnAddressRowFillsTheAliasForm) {
    SelectRow(page->ipTableGrid_,
              FindRow(page->ipTableGrid_, IpAddress, QStringLiteral("192.168.1.2")));
    EXPECT_EQ(page->aliasAddressEdit_->text(), "192.168.1.2");
    EXPECT_EQ(page->aliasMaskEdit_->text(), "255.255.255.0");
    EXPECT_EQ(page->aliasInterfaceCombo_->currentText(), "eth0");

    SelectRow(page->ipTableGrid_, FindRow(page->ipTableGrid_, IpInterface, QStringLiteral("tun0")));
    EXPECT_EQ(page->aliasAddressEdit_->text(), "10.99.0.1");
    EXPECT_EQ(page->aliasMaskEdit_->text(), "255.255.255.252");
    EXPECT_EQ(page->aliasInterfaceCombo_->currentText(), "eth0")
        << "a tunnel row leaves the list alone";
}

TEST_F(InterfacesPageTest, AliasIsCreatedAndDeletedThroughTheRouter) {
    test::LoggedInWindow::Choose(page->aliasInterfaceCombo_, QStringLiteral("eth1"));
    TypeInto(page->aliasAddressEdit_, QStringLiteral("198.51.100.9"));
    page->aliasMaskEdit_->clear();
    std::size_t before = ConsoleLines().size();
    page->createAliasButton_->click();
    EXPECT_EQ(form->Console().Code(), ReplyCode::Interfaces);
    EXPECT_EQ(WaitForLines(before, 1), std::vector<std::string>{"ifc eth1 198.51.100.9/ alias"});
    int added = -1;
    ASSERT_TRUE(WaitFor([&] {
        added = FindRow(page->ipTableGrid_, IpAddress, QStringLiteral("198.51.100.9"));
        return added >= 0;
    }));
    EXPECT_EQ(Row(page->ipTableGrid_, added, 5),
              QStringList({"eth1", "198.51.100.9", "255.255.255.0", "4"}));
    EXPECT_TRUE(WaitIdle());

    SelectRow(page->ipTableGrid_, added);
    before = ConsoleLines().size();
    page->deleteAliasButton_->click();
    EXPECT_EQ(WaitForLines(before, 1),
              std::vector<std::string>{"ifc eth1 198.51.100.9/255.255.255.0 -alias"});
    EXPECT_TRUE(WaitFor([&] {
        return FindRow(page->ipTableGrid_, IpAddress, QStringLiteral("198.51.100.9")) < 0 &&
               page->ipTableGrid_->RowCount() == 8;
    }));
}

// Operators double-click, and re-reads move rows under the highlight: Delete
// removes the alias the form shows, once, and nothing after it is gone.
TEST_F(InterfacesPageTest, AliasDeleteActsOnceAndOnlyOnTheAliasTheFormShows) {
    GridView* grid = page->ipTableGrid_;
    ShowPage(page);
    ClickRow(grid, FindRow(grid, IpAddress, QStringLiteral("192.168.1.2")));
    ASSERT_EQ(page->aliasAddressEdit_->text(), "192.168.1.2");
    // Another hand removes an address above it; the re-read moves its row up.
    ASSERT_TRUE(
        SendAndWaitIdle({"ifc rf2.0 10.20.0.1/255.255.255.0 -alias", ReplyCode::Interfaces}));
    EXPECT_EQ(grid->Cell(grid->SelectedRow(), IpAddress), page->aliasAddressEdit_->text());

    const std::size_t before = ConsoleLines().size();
    DoubleClick(page->deleteAliasButton_);
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(grid->RowCount(), 6);
    EXPECT_EQ(grid->SelectedRow(), -1);
    page->deleteAliasButton_->click();
    EXPECT_EQ(LinesThroughMarker(before),
              (std::vector<std::string>{"ifc eth0 192.168.1.2/255.255.255.0 -alias", "co save"}));
}

// A press on the selected row brings back what the operator typed over.
TEST_F(InterfacesPageTest, PressingTheSelectedRowRefillsTheFormAndUpdateSendsOnce) {
    ShowPage(page);
    const int address = FindRow(page->ipTableGrid_, IpAddress, QStringLiteral("198.51.100.2"));
    ClickRow(page->ipTableGrid_, address);
    page->aliasAddressEdit_->setText(QStringLiteral("198.51.100.7"));
    ClickRow(page->ipTableGrid_, address);
    EXPECT_EQ(page->aliasAddressEdit_->text(), "198.51.100.2");
    const int eth1 = FindRow(page->interfacesGrid_, IfName, QStringLiteral("eth1"));
    ClickRow(page->interfacesGrid_, eth1);
    page->mtuSpin_->SetText(QStringLiteral("1400"));
    ClickRow(page->interfacesGrid_, eth1);
    EXPECT_EQ(page->mtuSpin_->Text(), "1500");

    page->mtuSpin_->SetText(QStringLiteral("1400"));
    const std::size_t before = ConsoleLines().size();
    DoubleClick(page->updateInterfaceButton_);
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(page->interfacesGrid_->Cell(eth1, IfMtu), "1400");
    EXPECT_EQ(LinesThroughMarker(before),
              (std::vector<std::string>{"ifc eth1 mtu 1400 down", "co save"}));
}

TEST_F(InterfacesPageTest, BadAddressOrMaskIsRefusedAndNothingIsSent) {
    const std::size_t before = ConsoleLines().size();
    const ReplyCode state = form->Console().Code();
    for (const char* address : {"10.0.0", "10.0.0.256", "10.0.0.1 "}) {
        TypeInto(page->aliasAddressEdit_, QLatin1String(address));
        page->aliasMaskEdit_->clear();
        page->createAliasButton_->click();
    }
    TypeInto(page->aliasAddressEdit_, QStringLiteral("10.0.0.1"));
    TypeInto(page->aliasMaskEdit_, QStringLiteral("255.255.0"));
    page->createAliasButton_->click();
    ASSERT_EQ(messages.boxes.size(), 4u);
    for (const auto& box : messages.boxes) {
        EXPECT_EQ(box.text, "IP-address or mask error");
        EXPECT_EQ(box.caption, "Error");
        EXPECT_FALSE(box.question);
    }
    EXPECT_EQ(form->Console().Code(), state);

    // Delete with no row selected does nothing either; Info show is the
    // marker that proves nothing went out before it.
    page->ipTableGrid_->setCurrentIndex({});
    page->deleteAliasButton_->click();
    page->interfacesGrid_->setCurrentIndex({});
    page->infoShowButton_->click();
    EXPECT_EQ(WaitForLines(before, 1), std::vector<std::string>{"ifc "});
}

TEST_F(InterfacesPageTest, UpdateChangesMtuAndStateAndTheTableFollows) {
    SelectRow(page->interfacesGrid_,
              FindRow(page->interfacesGrid_, IfName, QStringLiteral("eth1")));
    EXPECT_EQ(page->mtuSpin_->Text(), "1500");
    EXPECT_FALSE(page->enableInterfaceCheck_->isChecked());
    SelectRow(page->interfacesGrid_,
              FindRow(page->interfacesGrid_, IfName, QStringLiteral("eth0")));
    EXPECT_TRUE(page->enableInterfaceCheck_->isChecked());

    SelectRow(page->interfacesGrid_,
              FindRow(page->interfacesGrid_, IfName, QStringLiteral("eth1")));
    page->mtuSpin_->SetText(QStringLiteral("1400"));
    page->enableInterfaceCheck_->setChecked(true);
    const std::size_t before = ConsoleLines().size();
    page->updateInterfaceButton_->click();
    EXPECT_EQ(WaitForLines(before, 1), std::vector<std::string>{"ifc eth1 mtu 1400 up"});
    EXPECT_TRUE(WaitFor([&] {
        const int row = FindRow(page->interfacesGrid_, IfName, QStringLiteral("eth1"));
        return row >= 0 &&
               Row(page->interfacesGrid_, row, 4) == QStringList({"eth1", "1400", "up"});
    }));
}

// A row whose interface the router did not name, or no "Interface:" choice:
// "ifc  10.0.0.1/ alias" would be another command, so nothing goes out.
TEST_F(InterfacesPageTest, AliasWithoutAnInterfaceNameIsRefused) {
    const std::size_t before = ConsoleLines().size();
    page->aliasInterfaceCombo_->setCurrentIndex(-1);
    page->aliasAddressEdit_->setText(QStringLiteral("198.51.100.9"));
    page->aliasMaskEdit_->clear();
    page->createAliasButton_->click();
    page->ipTableGrid_->SetCell(0, IpInterface, QString());
    SelectRow(page->ipTableGrid_, 0);
    page->deleteAliasButton_->click();
    ASSERT_EQ(messages.boxes.size(), 2u);
    for (const auto& box : messages.boxes) {
        EXPECT_EQ(box.text, QStringLiteral("Interface name is empty"));
        EXPECT_EQ(box.caption, QStringLiteral("Error"));
    }
    page->interfacesGrid_->setCurrentIndex({});
    page->infoShowButton_->click();  // the marker: "ifc " alone
    EXPECT_EQ(WaitForLines(before, 1), std::vector<std::string>{"ifc "});
}

// lo0 reports an MTU of 16384, above the editor's 1580: it is shown and sent
// back as read, not as 0.
TEST_F(InterfacesPageTest, MtuAboveTheEditorsRangeIsShownAndSentAsRead) {
    SelectRow(page->interfacesGrid_, FindRow(page->interfacesGrid_, IfName, QStringLiteral("lo0")));
    EXPECT_EQ(page->mtuSpin_->Text(), "16384");
    const std::size_t before = ConsoleLines().size();
    page->updateInterfaceButton_->click();
    EXPECT_EQ(WaitForLines(before, 1), std::vector<std::string>{"ifc lo0 mtu 16384 up"});
}

TEST_F(InterfacesPageTest, InfoShowPutsTheRouterTextIntoTheInformationWindow) {
    InterfaceInfoWindow* info = form->InformationWindow();
    ASSERT_NE(info, nullptr);
    EXPECT_FALSE(info->isVisible());
    SelectRow(page->interfacesGrid_,
              FindRow(page->interfacesGrid_, IfName, QStringLiteral("eth0")));
    const std::size_t before = ConsoleLines().size();
    page->infoShowButton_->click();
    EXPECT_EQ(form->Console().Code(), ReplyCode::InterfaceInfo);
    EXPECT_EQ(WaitForLines(before, 1), std::vector<std::string>{"ifc eth0"});
    ASSERT_TRUE(WaitFor([&] { return info->isVisible(); }));
    const QString text = info->Information();
    EXPECT_TRUE(text.startsWith(QStringLiteral("eth0: index 3, UP, mtu 1500")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("inet 192.168.1.2 netmask 255.255.255.0")));
    EXPECT_FALSE(text.contains(QStringLiteral("bs-north>"))) << "the prompt line is dropped";
    EXPECT_EQ(form->Console().Code(), ReplyCode::Idle);
    info->interfaceInfoCloseButton_->click();
    EXPECT_FALSE(info->isVisible());
}

}  // namespace
}  // namespace tessel
