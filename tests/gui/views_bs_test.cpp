// The "BS" tab against the lab router in base-station mode: the CPE table as
// the router reports it, the configuration form's checks, questions and
// command lines, and the auto-update that runs only while the tab is shown.

#include "fire_timer.hpp"
#include "logged_in_window.hpp"
#include "viewkit/controls.hpp"
#include "views/bs/bs_page.hpp"
#include "widgets/grid_view.hpp"
#include "widgets/spin_editor.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace tessel {
namespace {

using test::LoggedInWindow;

// Grid columns by header, as the operator reads them.
enum Column {
    R = 1,
    Mac = 2,
    Ip = 3,
    LevelFrom = 4,
    LevelFromBar = 5,
    LevelTo = 6,
    LevelToBar = 7,
    Name = 8,
    Tx = 9,
    Rx = 10,
    Dist = 11,
    Limit = 12,
    E = 13
};

class BsPageTest : public LoggedInWindow {
  protected:
    BsPageTest() : LoggedInWindow({.data = "base-station.json"}) {}
    void SetUp() override {
        LoggedInWindow::SetUp();
        page = Find<BsPage>("TabSheet3");
        ASSERT_NE(page, nullptr);
        grid = page->cpeTableGrid_;
    }

    int RowOf(const QString& mac) const {
        for (int row = 0; row < grid->RowCount(); ++row) {
            if (grid->Cell(row, Mac) == mac) {
                return row;
            }
        }
        return -1;
    }

    void FillForm(const QString& name, const QString& mac, const QString& ip) {
        page->cpeNameEdit_->setText(name);
        page->cpeMacEdit_->setText(mac);
        page->cpeIpAddressEdit_->setText(ip);
    }

    bool SentAny(const std::string& prefix) const {
        for (const auto& line : ConsoleLines()) {
            if (line.rfind(prefix, 0) == 0) {
                return true;
            }
        }
        return false;
    }

    BsPage* page = nullptr;
    GridView* grid = nullptr;
};

TEST_F(BsPageTest, ShowsTheRoutersCpeTableOfTheChosenRadio) {
    // rf5.0 is the first radio: a band 1 radio (5180) with three CPE.
    ASSERT_EQ(page->cpeTableRadioCombo_->currentText(), QStringLiteral("rf5.0"));
    ASSERT_EQ(grid->RowCount(), 3);
    const int east = RowOf(QStringLiteral("000B220578FF"));
    ASSERT_GE(east, 0);
    EXPECT_EQ(grid->Cell(east, Ip), QStringLiteral("10.10.0.5"));
    EXPECT_EQ(grid->Cell(east, Name), QStringLiteral("farm-east"));
    EXPECT_EQ(grid->Cell(east, R), QStringLiteral("true"));
    EXPECT_EQ(grid->Cell(east, E), QStringLiteral("true"));
    EXPECT_EQ(grid->Cell(east, LevelFrom), QStringLiteral("12"));
    EXPECT_EQ(grid->Cell(east, LevelFromBar), QStringLiteral("12"));
    EXPECT_EQ(grid->Cell(east, LevelTo), QStringLiteral("11"));
    EXPECT_EQ(grid->Cell(east, LevelToBar), QStringLiteral("11"));
    EXPECT_EQ(grid->Cell(east, Tx), QStringLiteral("54"));  // rate code 8, band 1
    EXPECT_EQ(grid->Cell(east, Rx), QStringLiteral("48"));  // rate code 7
    EXPECT_EQ(grid->Cell(east, Dist), QStringLiteral("3"));
    EXPECT_FALSE(grid->Cell(east, Limit).isEmpty());

    // A unit that never registered: levels 0 and rate code 0, which has no text.
    const int depot = RowOf(QStringLiteral("000B22057A01"));
    ASSERT_GE(depot, 0);
    EXPECT_EQ(grid->Cell(depot, R), QStringLiteral("false"));
    EXPECT_EQ(grid->Cell(depot, E), QStringLiteral("false"));
    EXPECT_EQ(grid->Cell(depot, LevelFromBar), QStringLiteral("0"));
    EXPECT_EQ(grid->Cell(depot, LevelToBar), QStringLiteral("0"));
    EXPECT_TRUE(grid->Cell(depot, Tx).isEmpty());  // rate code 0
    EXPECT_TRUE(grid->Cell(depot, Rx).isEmpty());
    SaveScreenshot(page, "tab-bs.png");

    // The second radio (2437, the other band) has its own two CPE, whose rate
    // codes 3 and 4 read in that band's table.
    page->cpeTableRadioCombo_->setCurrentIndex(1);
    emit page->cpeTableRadioCombo_->activated(1);
    ASSERT_EQ(grid->RowCount(), 2);
    const int kiosk = RowOf(QStringLiteral("000B2202000A"));
    ASSERT_GE(kiosk, 0);
    EXPECT_EQ(grid->Cell(kiosk, Tx), QStringLiteral("5.5"));
    EXPECT_EQ(grid->Cell(kiosk, Rx), QStringLiteral("11"));
    EXPECT_EQ(page->CpeRowCount(), 2u);

    // A radio with CPE keeps the radio page's "Pwrctl mode" disabled.
    auto* pwrctl = form->findChild<QCheckBox*>(QStringLiteral("CheckBox3"));
    ASSERT_NE(pwrctl, nullptr);
    EXPECT_FALSE(pwrctl->isEnabled());
}

TEST_F(BsPageTest, NewChecksMacAndAddressInOneBoxAndSendsNothing) {
    FillForm(QStringLiteral("barn"), QStringLiteral("00-0B-22-05-78-FF"), QStringLiteral("10.0.0"));
    page->newCpeButton_->click();
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].caption, QStringLiteral("Input error"));
    EXPECT_EQ(messages.boxes[0].text,
              QStringLiteral("MAC-address is incorrect\r\nIP-address is incorrect"));
    EXPECT_FALSE(messages.boxes[0].question);
    // The form keeps what the operator typed.
    EXPECT_EQ(page->cpeMacEdit_->text(), QStringLiteral("00-0B-22-05-78-FF"));
    QTest::qWait(200);
    EXPECT_FALSE(SentAny("rma ab"));
}

TEST_F(BsPageTest, NewAsksThenSendsTheLineAndShowsTheRoutersTable) {
    FillForm(QStringLiteral("barn"), QStringLiteral("00:0b:22:05:7b:02"),
             QStringLiteral("10.10.0.17"));
    messages.answers = {false};
    page->newCpeButton_->click();
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].caption, QStringLiteral("Create new CPE?"));
    EXPECT_EQ(messages.boxes[0].text,
              QStringLiteral("Do you wish to configure new CPE?\r\nInterface: rf5.0\r\n"
                             "MAC-address: 00:0b:22:05:7b:02\r\nIP-address: 10.10.0.17\r\n"
                             "Name: barn"));
    // No: nothing is sent and the form stays.
    EXPECT_EQ(page->cpeNameEdit_->text(), QStringLiteral("barn"));

    messages.answers = {true};
    page->newCpeButton_->click();
    ASSERT_TRUE(Received("rma ab rf5.0 000b22057b02 ip=10.10.0.17 name=barn -ena"));
    EXPECT_TRUE(page->cpeNameEdit_->text().isEmpty());
    EXPECT_TRUE(page->cpeMacEdit_->text().isEmpty());
    EXPECT_TRUE(page->cpeIpAddressEdit_->text().isEmpty());
    EXPECT_TRUE(page->cpeEnabledCheckBox_->isChecked());
    // The prompt after the command has the table read again.
    ASSERT_TRUE(QTest::qWaitFor([&] { return RowOf(QStringLiteral("000B22057B02")) >= 0; }, 10000));
    EXPECT_EQ(grid->Cell(RowOf(QStringLiteral("000B22057B02")), Name), QStringLiteral("barn"));
    EXPECT_EQ(grid->RowCount(), 4);
}

TEST_F(BsPageTest, UpdateAsksAboutAnEditedMacFirst) {
    const int school = RowOf(QStringLiteral("000B22057910"));
    ASSERT_GE(school, 0);
    grid->selectRow(school);
    page->OnCpeRowChosen(school);
    EXPECT_EQ(page->cpeNameEdit_->text(), QStringLiteral("school"));
    EXPECT_EQ(page->cpeMacEdit_->text(), QStringLiteral("000B22057910"));
    EXPECT_EQ(page->cpeIpAddressEdit_->text(), QStringLiteral("10.10.0.9"));
    EXPECT_TRUE(page->cpeEnabledCheckBox_->isChecked());

    // An edited MAC (case does not count as an edit) asks "Warning" first;
    // No there stops everything.
    page->cpeMacEdit_->setText(QStringLiteral("000b22057911"));
    messages.answers = {false};
    page->updateCpeButton_->click();
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].caption, QStringLiteral("Warning"));
    EXPECT_EQ(messages.boxes[0].text,
              QStringLiteral("MAC-address had changed. Create a new CPE record?"));

    // The same MAC in lower case: straight to the New question; the entry is
    // disabled and the table shows it so after the router's prompt.
    messages.boxes.clear();
    page->cpeMacEdit_->setText(QStringLiteral("000b22057910"));
    page->cpeEnabledCheckBox_->setChecked(false);
    messages.answers = {true};
    page->updateCpeButton_->click();
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].caption, QStringLiteral("Create new CPE?"));
    ASSERT_TRUE(Received("rma ab rf5.0 000b22057910 ip=10.10.0.9 name=school -dis"));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const int row = RowOf(QStringLiteral("000B22057910"));
            return row >= 0 && grid->Cell(row, E) == QStringLiteral("false");
        },
        10000));
    EXPECT_EQ(grid->RowCount(), 3);
}

TEST_F(BsPageTest, DeleteSendsTheSelectedRowWithoutAQuestion) {
    const int school = RowOf(QStringLiteral("000B22057910"));
    ASSERT_GE(school, 0);
    grid->selectRow(school);
    page->deleteCpeButton_->click();
    EXPECT_TRUE(messages.boxes.empty());
    ASSERT_TRUE(Received("rma ab rf5.0 000B22057910 ip=10.10.0.9 name=school -del"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return grid->RowCount() == 2; }, 10000));
    EXPECT_LT(RowOf(QStringLiteral("000B22057910")), 0);
}

// Operators double-click, and re-reads move rows under the highlight: Delete
// removes the CPE the form shows, once, and nothing after it is gone.
TEST_F(BsPageTest, DeleteActsOnceAndOnlyOnTheCpeTheFormShows) {
    ShowPage(page);
    ClickRow(grid, RowOf(QStringLiteral("000B22057910")));
    ASSERT_EQ(page->cpeMacEdit_->text(), QStringLiteral("000B22057910"));
    // Another hand removes the CPE above it; the re-read moves its row up.
    ASSERT_TRUE(SendAndWaitIdle(
        {"rma ab rf5.0 000B220578FF ip=10.10.0.5 name=farm-east -del", ReplyCode::CpeTable}));
    EXPECT_EQ(grid->Cell(grid->SelectedRow(), Mac), page->cpeMacEdit_->text());

    const std::size_t before = ConsoleLines().size();
    DoubleClick(page->deleteCpeButton_);
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(grid->RowCount(), 1);
    EXPECT_EQ(grid->SelectedRow(), -1);
    // The end of a report frees the console buttons, but not this Delete.
    form->SetConsoleButtonsEnabled(false);
    form->SetConsoleButtonsEnabled(true);
    EXPECT_FALSE(page->deleteCpeButton_->isEnabled());
    page->deleteCpeButton_->click();
    page->updateCpeButton_->click();
    EXPECT_EQ(LinesThroughMarker(before),
              (std::vector<std::string>{"rma ab rf5.0 000B22057910 ip=10.10.0.9 name=school -del",
                                        "co save"}));
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(BsPageTest, AutoUpdateKeepsTheChosenRowForUpdateAndDelete) {
    QTimer* timer2 = form->findChild<QTimer*>(QStringLiteral("Timer2"));
    const int school = RowOf(QStringLiteral("000B22057910"));
    ASSERT_GE(school, 0);
    grid->selectRow(school);
    page->OnCpeRowChosen(school);

    // An auto-update tick reads the table again behind the operator's back.
    ASSERT_TRUE(test::FireTimer(timer2));
    EXPECT_EQ(grid->SelectedRow(), school);
    // The MAC was not edited: no "Warning", straight to the New question.
    messages.answers = {false};
    page->updateCpeButton_->click();
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].caption, QStringLiteral("Create new CPE?"));

    ASSERT_TRUE(test::FireTimer(timer2));
    page->deleteCpeButton_->click();
    ASSERT_TRUE(Received("rma ab rf5.0 000B22057910 ip=10.10.0.9 name=school -del"));
}

TEST_F(BsPageTest, AutoUpdateRunsOnlyWhileTheTabIsShownAndNotBeforeLogin) {
    QTimer* timer2 = form->findChild<QTimer*>(QStringLiteral("Timer2"));
    ASSERT_NE(timer2, nullptr);
    // The post-login load wrote the timer's period into the editor without
    // it counting as the operator's change.
    EXPECT_EQ(page->cpeTablePeriodSpin_->value(), 5);
    EXPECT_EQ(page->CpeTableAutoUpdate(), 0);

    ShowPage(page);
    EXPECT_FALSE(timer2->isActive());
    page->cpeTableAutoUpdateButton_->click();
    EXPECT_EQ(page->cpeTableAutoUpdateButton_->text(), QStringLiteral("Stop autoupdate"));
    EXPECT_EQ(page->CpeTableAutoUpdate(), 1);
    EXPECT_TRUE(timer2->isActive());

    page->cpeTablePeriodSpin_->setValue(7);
    EXPECT_EQ(timer2->interval(), 7000);
    page->cpeTablePeriodSpin_->setValue(1);  // below the editor's minimum of 3
    EXPECT_EQ(timer2->interval(), 3000);

    ShowPage(form->pageTabs_->widget(0));
    EXPECT_FALSE(timer2->isActive());
    EXPECT_EQ(page->CpeTableAutoUpdate(), 1);
    ShowPage(page);
    EXPECT_TRUE(timer2->isActive());

    // A tick with rows reads the table again.
    const std::size_t before = Log().Count("snmp");
    ASSERT_TRUE(test::FireTimer(timer2));
    ASSERT_TRUE(QTest::qWaitFor([&] { return Log().Count("snmp") > before; }, 5000));

    page->cpeTableAutoUpdateButton_->click();
    EXPECT_EQ(page->cpeTableAutoUpdateButton_->text(), QStringLiteral("Start autoupdate"));
    EXPECT_FALSE(timer2->isActive());
    EXPECT_EQ(page->CpeTableAutoUpdate(), 0);
    ShowPage(form->pageTabs_->widget(0));
    ShowPage(page);
    EXPECT_FALSE(timer2->isActive());
}

TEST_F(BsPageTest, ClearFormAndHelpButtons) {
    FillForm(QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z"));
    page->cpeEnabledCheckBox_->setChecked(false);
    page->clearCpeFormButton_->click();
    EXPECT_TRUE(page->cpeNameEdit_->text().isEmpty());
    EXPECT_TRUE(page->cpeMacEdit_->text().isEmpty());
    EXPECT_TRUE(page->cpeIpAddressEdit_->text().isEmpty());
    EXPECT_TRUE(page->cpeEnabledCheckBox_->isChecked());

    auto* help = page->findChild<QToolButton*>(QStringLiteral("SpeedButton32"));
    ASSERT_NE(help, nullptr);
    help->click();
    EXPECT_EQ(form->statusPopupMemo_->toPlainText(),
              QStringLiteral("MAC-address of a client unit"));
    for (const char* name : {"SpeedButton30", "SpeedButton31", "SpeedButton33", "SpeedButton34"}) {
        EXPECT_NE(page->findChild<QToolButton*>(QLatin1String(name)), nullptr) << name;
    }
}

// The base-station and CPE grids decode their captions as the report grids do
// (UTF-8): a caption such as "№" must read the same on every grid.
TEST(BsCpeGridColumns, CaptionsReadAsOnTheReportGrids) {
    const ReportColumn layout[] = {{"№", ReportColumnKind::RowNumber, 27},
                                   {"Lev->", ReportColumnKind::LevelBar, 55, {}, "0"},
                                   {"Ä", ReportColumnKind::Text, 40, {}, {}, false, true}};
    const int widths[] = {30, 60};
    const std::vector<GridColumn> columns = ReportGridColumns(layout, widths);
    ASSERT_EQ(columns.size(), 3u);
    EXPECT_EQ(columns[0].caption, QString::fromUtf8("№"));
    EXPECT_EQ(columns[2].caption, QString::fromUtf8("Ä"));
    EXPECT_EQ(columns[1].kind, GridColumnKind::Bars);
    EXPECT_EQ(columns[1].defaultText, QStringLiteral("0"));
    // The page's widths first, the layout's beyond them.
    EXPECT_EQ(columns[1].width, 60);
    EXPECT_EQ(columns[2].width, 40);
    EXPECT_TRUE(columns[2].hidden);
}

// A client unit has no CPE table: the grid is empty and its timer does nothing.
class BsPageOnClientUnit : public LoggedInWindow {
  protected:
    BsPageOnClientUnit() : LoggedInWindow({.data = "client-unit.json"}) {}
};

TEST_F(BsPageOnClientUnit, EmptyTableLeavesTheTimerIdle) {
    auto* page = Find<BsPage>("TabSheet3");
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->cpeTableGrid_->RowCount(), 0);
    EXPECT_EQ(page->CpeRowCount(), 0u);
    // Without CPE the radio page's "Pwrctl mode" may be used.
    auto* pwrctl = form->findChild<QCheckBox*>(QStringLiteral("CheckBox3"));
    ASSERT_NE(pwrctl, nullptr);
    EXPECT_TRUE(pwrctl->isEnabled());
    const std::string cpeTable = "1.3.6.1.4.1.3942.1.1.1.3.";
    const std::size_t walked = SnmpRequestsFor(cpeTable);
    EXPECT_GT(walked, 0u);  // the login's read did walk it
    ASSERT_TRUE(test::FireTimer(form->findChild<QTimer*>(QStringLiteral("Timer2"))));
    page->updateCpeTableButton_->click();  // a manual read walks again, so the log is current
    ASSERT_TRUE(QTest::qWaitFor([&] { return SnmpRequestsFor(cpeTable) > walked; }, 5000));
    EXPECT_EQ(SnmpRequestsFor(cpeTable), walked + 1) << "the tick must not walk the table";
}

}  // namespace
}  // namespace tessel
