// The interfaces and IP addresses groups against the lab router: the tables
// and lists after login, row selection, the alias, update and information
// commands, and the re-read that shows the router's result.

#include "app/form2.hpp"
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

class InterfacesPage : public LoggedInWindow {
  protected:
    void SetUp() override {
        LoggedInWindow::SetUp();
        if (HasFatalFailure()) {
            return;
        }
        page = Find<TInterfacesPage>("TabSheet2");
        ASSERT_NE(page, nullptr);
    }

    static QStringList Row(const TGridView* grid, int row, int columns) {
        QStringList cells;
        for (int c = 1; c < columns; ++c) {
            cells.append(grid->Cell(row, c));
        }
        return cells;
    }
    static int FindRow(const TGridView* grid, int column, const QString& text) {
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
    static void SelectRow(TGridView* grid, int row) {
        ASSERT_GE(row, 0);
        grid->setCurrentIndex(grid->model()->index(row, 1));
    }

    TInterfacesPage* page = nullptr;
};

TEST_F(InterfacesPage, TablesAndListsShowTheRouter) {
    const QStringList all = {"rf5.0", "rf2.0", "eth0", "eth1", "lo0", "tun0", "vlan10"};
    EXPECT_EQ(
        form->Router().InterfaceNames,
        std::vector<std::string>({"rf5.0", "rf2.0", "eth0", "eth1", "lo0", "tun0", "vlan10"}));
    // Tunnels and VLANs take no alias; the second entry is preselected.
    EXPECT_EQ(Items(page->ComboBox6), QStringList({"rf5.0", "rf2.0", "eth0", "eth1", "lo0"}));
    EXPECT_EQ(page->ComboBox6->currentIndex(), 1);

    ASSERT_EQ(page->GridView1->RowCount(), 8);
    EXPECT_EQ(Row(page->GridView1, 0, 5),
              QStringList({"rf5.0", "10.10.0.1", "255.255.255.0", "1"}));
    const int tunnel = FindRow(page->GridView1, IpAddress, QStringLiteral("10.99.0.1"));
    EXPECT_EQ(Row(page->GridView1, tunnel, 5),
              QStringList({"tun0", "10.99.0.1", "255.255.255.252", "6"}));
    EXPECT_TRUE(page->GridView1->isColumnHidden(IpIndex));

    ASSERT_EQ(page->GridView4->RowCount(), 7);
    EXPECT_EQ(Row(page->GridView4, 3, 5), QStringList({"eth1", "1500", "down", ""}));
    EXPECT_EQ(Row(page->GridView4, 4, 5), QStringList({"lo0", "16384", "up", ""}));
    EXPECT_EQ(Row(page->GridView4, 6, 5), QStringList({"vlan10", "1496", "up", ""}));
    EXPECT_TRUE(page->GridView4->isColumnHidden(IfSpare));

    // The load meter's list holds every interface, the first selected; it
    // is filled again by every read.
    auto* loadMeter = Find<QComboBox>("ComboBox14");
    ASSERT_NE(loadMeter, nullptr);
    EXPECT_EQ(Items(loadMeter), all);
    EXPECT_EQ(loadMeter->currentIndex(), 0);
    loadMeter->setCurrentIndex(3);
    QSignalSpy announced(page, &TInterfacesPage::InterfaceNamesChanged);
    form->Button10Click();
    ASSERT_EQ(announced.count(), 1);
    EXPECT_EQ(announced.at(0).at(0).toStringList(), all);
    EXPECT_EQ(announced.at(0).at(1).toInt(), 0);
    EXPECT_EQ(Items(loadMeter), all);
    EXPECT_EQ(loadMeter->currentIndex(), 0);
    EXPECT_EQ(page->GridView1->RowCount(), 8) << "a re-read replaces the rows";
    SaveScreenshot(form->main->widget(1), "tab-interfaces.png");
}

TEST_F(InterfacesPage, SelectingAnAddressRowFillsTheAliasForm) {
    SelectRow(page->GridView1, FindRow(page->GridView1, IpAddress, QStringLiteral("192.168.1.2")));
    EXPECT_EQ(page->Edit3->text(), "192.168.1.2");
    EXPECT_EQ(page->Edit4->text(), "255.255.255.0");
    EXPECT_EQ(page->ComboBox6->currentText(), "eth0");

    SelectRow(page->GridView1, FindRow(page->GridView1, IpInterface, QStringLiteral("tun0")));
    EXPECT_EQ(page->Edit3->text(), "10.99.0.1");
    EXPECT_EQ(page->Edit4->text(), "255.255.255.252");
    EXPECT_EQ(page->ComboBox6->currentText(), "eth0") << "a tunnel row leaves the list alone";
}

TEST_F(InterfacesPage, AliasIsCreatedAndDeletedThroughTheRouter) {
    test::LoggedInWindow::Choose(page->ComboBox6, QStringLiteral("eth1"));
    TypeInto(page->Edit3, QStringLiteral("198.51.100.9"));
    page->Edit4->clear();
    std::size_t before = ConsoleLines().size();
    page->Button22->click();
    EXPECT_EQ(form->Console().Code(), ReplyCode::Interfaces);
    EXPECT_EQ(WaitForLines(before, 1), std::vector<std::string>{"ifc eth1 198.51.100.9/ alias"});
    int added = -1;
    ASSERT_TRUE(WaitFor([&] {
        added = FindRow(page->GridView1, IpAddress, QStringLiteral("198.51.100.9"));
        return added >= 0;
    }));
    EXPECT_EQ(Row(page->GridView1, added, 5),
              QStringList({"eth1", "198.51.100.9", "255.255.255.0", "4"}));
    EXPECT_TRUE(WaitIdle());

    SelectRow(page->GridView1, added);
    before = ConsoleLines().size();
    page->Button21->click();
    EXPECT_EQ(WaitForLines(before, 1),
              std::vector<std::string>{"ifc eth1 198.51.100.9/255.255.255.0 -alias"});
    EXPECT_TRUE(WaitFor([&] {
        return FindRow(page->GridView1, IpAddress, QStringLiteral("198.51.100.9")) < 0 &&
               page->GridView1->RowCount() == 8;
    }));
}

// Operators double-click, and re-reads move rows under the highlight: Delete
// removes the alias the form shows, once, and nothing after it is gone.
TEST_F(InterfacesPage, AliasDeleteActsOnceAndOnlyOnTheAliasTheFormShows) {
    TGridView* grid = page->GridView1;
    ShowPage(page);
    ClickRow(grid, FindRow(grid, IpAddress, QStringLiteral("192.168.1.2")));
    ASSERT_EQ(page->Edit3->text(), "192.168.1.2");
    // Another hand removes an address above it; the re-read moves its row up.
    ASSERT_TRUE(SendAndWaitIdle({"ifc rf2.0 10.20.0.1/255.255.255.0 -alias", reply::Interfaces}));
    EXPECT_EQ(grid->Cell(grid->SelectedRow(), IpAddress), page->Edit3->text());

    const std::size_t before = ConsoleLines().size();
    DoubleClick(page->Button21);
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(grid->RowCount(), 6);
    EXPECT_EQ(grid->SelectedRow(), -1);
    page->Button21->click();
    EXPECT_EQ(LinesThroughMarker(before),
              (std::vector<std::string>{"ifc eth0 192.168.1.2/255.255.255.0 -alias", "co save"}));
}

// A press on the selected row brings back what the operator typed over.
TEST_F(InterfacesPage, PressingTheSelectedRowRefillsTheFormAndUpdateSendsOnce) {
    ShowPage(page);
    const int address = FindRow(page->GridView1, IpAddress, QStringLiteral("198.51.100.2"));
    ClickRow(page->GridView1, address);
    page->Edit3->setText(QStringLiteral("198.51.100.7"));
    ClickRow(page->GridView1, address);
    EXPECT_EQ(page->Edit3->text(), "198.51.100.2");
    const int eth1 = FindRow(page->GridView4, IfName, QStringLiteral("eth1"));
    ClickRow(page->GridView4, eth1);
    page->SpinEditor3->SetText(QStringLiteral("1400"));
    ClickRow(page->GridView4, eth1);
    EXPECT_EQ(page->SpinEditor3->Text(), "1500");

    page->SpinEditor3->SetText(QStringLiteral("1400"));
    const std::size_t before = ConsoleLines().size();
    DoubleClick(page->Button20);
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(page->GridView4->Cell(eth1, IfMtu), "1400");
    EXPECT_EQ(LinesThroughMarker(before),
              (std::vector<std::string>{"ifc eth1 mtu 1400 down", "co save"}));
}

TEST_F(InterfacesPage, BadAddressOrMaskIsRefusedAndNothingIsSent) {
    const std::size_t before = ConsoleLines().size();
    const ReplyCode state = form->Console().Code();
    for (const char* address : {"10.0.0", "10.0.0.256", "10.0.0.1 "}) {
        TypeInto(page->Edit3, QLatin1String(address));
        page->Edit4->clear();
        page->Button22->click();
    }
    TypeInto(page->Edit3, QStringLiteral("10.0.0.1"));
    TypeInto(page->Edit4, QStringLiteral("255.255.0"));
    page->Button22->click();
    ASSERT_EQ(messages.boxes.size(), 4u);
    for (const auto& box : messages.boxes) {
        EXPECT_EQ(box.text, "IP-address or mask error");
        EXPECT_EQ(box.caption, "Error");
        EXPECT_FALSE(box.question);
    }
    EXPECT_EQ(form->Console().Code(), state);

    // Delete with no row selected does nothing either; Info show is the
    // marker that proves nothing went out before it.
    page->GridView1->setCurrentIndex({});
    page->Button21->click();
    page->GridView4->setCurrentIndex({});
    page->Button33->click();
    EXPECT_EQ(WaitForLines(before, 1), std::vector<std::string>{"ifc "});
}

TEST_F(InterfacesPage, UpdateChangesMtuAndStateAndTheTableFollows) {
    SelectRow(page->GridView4, FindRow(page->GridView4, IfName, QStringLiteral("eth1")));
    EXPECT_EQ(page->SpinEditor3->Text(), "1500");
    EXPECT_FALSE(page->CheckBox12->isChecked());
    SelectRow(page->GridView4, FindRow(page->GridView4, IfName, QStringLiteral("eth0")));
    EXPECT_TRUE(page->CheckBox12->isChecked());

    SelectRow(page->GridView4, FindRow(page->GridView4, IfName, QStringLiteral("eth1")));
    page->SpinEditor3->SetText(QStringLiteral("1400"));
    page->CheckBox12->setChecked(true);
    const std::size_t before = ConsoleLines().size();
    page->Button20->click();
    EXPECT_EQ(WaitForLines(before, 1), std::vector<std::string>{"ifc eth1 mtu 1400 up"});
    EXPECT_TRUE(WaitFor([&] {
        const int row = FindRow(page->GridView4, IfName, QStringLiteral("eth1"));
        return row >= 0 && Row(page->GridView4, row, 4) == QStringList({"eth1", "1400", "up"});
    }));
}

// A row whose interface the router did not name, or no "Interface:" choice:
// "ifc  10.0.0.1/ alias" would be another command, so nothing goes out.
TEST_F(InterfacesPage, AliasWithoutAnInterfaceNameIsRefused) {
    const std::size_t before = ConsoleLines().size();
    page->ComboBox6->setCurrentIndex(-1);
    page->Edit3->setText(QStringLiteral("198.51.100.9"));
    page->Edit4->clear();
    page->Button22->click();
    page->GridView1->SetCell(0, IpInterface, QString());
    SelectRow(page->GridView1, 0);
    page->Button21->click();
    ASSERT_EQ(messages.boxes.size(), 2u);
    for (const auto& box : messages.boxes) {
        EXPECT_EQ(box.text, QStringLiteral("Interface name is empty"));
        EXPECT_EQ(box.caption, QStringLiteral("Error"));
    }
    page->GridView4->setCurrentIndex({});
    page->Button33->click();  // the marker: "ifc " alone
    EXPECT_EQ(WaitForLines(before, 1), std::vector<std::string>{"ifc "});
}

// lo0 reports an MTU of 16384, above the editor's 1580: it is shown and sent
// back as read, not as 0.
TEST_F(InterfacesPage, MtuAboveTheEditorsRangeIsShownAndSentAsRead) {
    SelectRow(page->GridView4, FindRow(page->GridView4, IfName, QStringLiteral("lo0")));
    EXPECT_EQ(page->SpinEditor3->Text(), "16384");
    const std::size_t before = ConsoleLines().size();
    page->Button20->click();
    EXPECT_EQ(WaitForLines(before, 1), std::vector<std::string>{"ifc lo0 mtu 16384 up"});
}

TEST_F(InterfacesPage, InfoShowPutsTheRouterTextIntoTheInformationWindow) {
    TForm2* info = form->InformationWindow();
    ASSERT_NE(info, nullptr);
    EXPECT_FALSE(info->isVisible());
    SelectRow(page->GridView4, FindRow(page->GridView4, IfName, QStringLiteral("eth0")));
    const std::size_t before = ConsoleLines().size();
    page->Button33->click();
    EXPECT_EQ(form->Console().Code(), ReplyCode::InterfaceInfo);
    EXPECT_EQ(WaitForLines(before, 1), std::vector<std::string>{"ifc eth0"});
    ASSERT_TRUE(WaitFor([&] { return info->isVisible(); }));
    const QString text = info->Information();
    EXPECT_TRUE(text.startsWith(QStringLiteral("eth0: index 3, UP, mtu 1500")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("inet 192.168.1.2 netmask 255.255.255.0")));
    EXPECT_FALSE(text.contains(QLatin1Char('>'))) << "the prompt line is dropped";
    EXPECT_EQ(form->Console().Code(), ReplyCode::Idle);
    info->Button1->click();
    EXPECT_FALSE(info->isVisible());
}

}  // namespace
}  // namespace tessel
