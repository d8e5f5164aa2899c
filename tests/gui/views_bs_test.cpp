// The "BS" tab against the lab router in base-station mode: the CPE table as
// the router reports it, the configuration form's checks, questions and
// command lines, and the auto-update that runs only while the tab is shown.

#include "fire_timer.hpp"
#include "logged_in_window.hpp"
#include "viewkit/controls.hpp"
#include "views/bs/cpe_table_page.hpp"
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

class BsPage : public LoggedInWindow {
  protected:
    BsPage() : LoggedInWindow({.data = "base-station.json"}) {}
    void SetUp() override {
        LoggedInWindow::SetUp();
        page = Find<TBsPage>("TabSheet3");
        ASSERT_NE(page, nullptr);
        grid = page->GridView2;
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
        page->Edit7->setText(name);
        page->Edit8->setText(mac);
        page->Edit9->setText(ip);
    }

    bool SentAny(const std::string& prefix) const {
        for (const auto& line : ConsoleLines()) {
            if (line.rfind(prefix, 0) == 0) {
                return true;
            }
        }
        return false;
    }

    TBsPage* page = nullptr;
    TGridView* grid = nullptr;
};

TEST_F(BsPage, ShowsTheRoutersCpeTableOfTheChosenRadio) {
    // rf5.0 is the first radio: a band 1 radio (5180) with three CPE.
    ASSERT_EQ(page->ComboBox8->currentText(), QStringLiteral("rf5.0"));
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
    page->ComboBox8->setCurrentIndex(1);
    emit page->ComboBox8->activated(1);
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

TEST_F(BsPage, NewChecksMacAndAddressInOneBoxAndSendsNothing) {
    FillForm(QStringLiteral("barn"), QStringLiteral("00-0B-22-05-78-FF"), QStringLiteral("10.0.0"));
    page->Button5->click();
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].caption, QStringLiteral("Input error"));
    EXPECT_EQ(messages.boxes[0].text,
              QStringLiteral("MAC-address is incorrect\r\nIP-address is incorrect"));
    EXPECT_FALSE(messages.boxes[0].question);
    // The form keeps what the operator typed.
    EXPECT_EQ(page->Edit8->text(), QStringLiteral("00-0B-22-05-78-FF"));
    QTest::qWait(200);
    EXPECT_FALSE(SentAny("rma ab"));
}

TEST_F(BsPage, NewAsksThenSendsTheLineAndShowsTheRoutersTable) {
    FillForm(QStringLiteral("barn"), QStringLiteral("00:0b:22:05:7b:02"),
             QStringLiteral("10.10.0.17"));
    messages.answers = {false};
    page->Button5->click();
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].caption, QStringLiteral("Create new CPE?"));
    EXPECT_EQ(messages.boxes[0].text,
              QStringLiteral("Do you wish to configure new CPE?\r\nInterface: rf5.0\r\n"
                             "MAC-address: 00:0b:22:05:7b:02\r\nIP-address: 10.10.0.17\r\n"
                             "Name: barn"));
    // No: nothing is sent and the form stays.
    EXPECT_EQ(page->Edit7->text(), QStringLiteral("barn"));

    messages.answers = {true};
    page->Button5->click();
    ASSERT_TRUE(Received("rma ab rf5.0 000b22057b02 ip=10.10.0.17 name=barn -ena"));
    EXPECT_TRUE(page->Edit7->text().isEmpty());
    EXPECT_TRUE(page->Edit8->text().isEmpty());
    EXPECT_TRUE(page->Edit9->text().isEmpty());
    EXPECT_TRUE(page->CheckBox9->isChecked());
    // The prompt after the command has the table read again.
    ASSERT_TRUE(QTest::qWaitFor([&] { return RowOf(QStringLiteral("000B22057B02")) >= 0; }, 10000));
    EXPECT_EQ(grid->Cell(RowOf(QStringLiteral("000B22057B02")), Name), QStringLiteral("barn"));
    EXPECT_EQ(grid->RowCount(), 4);
}

TEST_F(BsPage, UpdateAsksAboutAnEditedMacFirst) {
    const int school = RowOf(QStringLiteral("000B22057910"));
    ASSERT_GE(school, 0);
    grid->selectRow(school);
    page->GridView2CellClick(school);
    EXPECT_EQ(page->Edit7->text(), QStringLiteral("school"));
    EXPECT_EQ(page->Edit8->text(), QStringLiteral("000B22057910"));
    EXPECT_EQ(page->Edit9->text(), QStringLiteral("10.10.0.9"));
    EXPECT_TRUE(page->CheckBox9->isChecked());

    // An edited MAC (case does not count as an edit) asks "Warning" first;
    // No there stops everything.
    page->Edit8->setText(QStringLiteral("000b22057911"));
    messages.answers = {false};
    page->Button6->click();
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].caption, QStringLiteral("Warning"));
    EXPECT_EQ(messages.boxes[0].text,
              QStringLiteral("MAC-address had changed. Create a new CPE record?"));

    // The same MAC in lower case: straight to the New question; the entry is
    // disabled and the table shows it so after the router's prompt.
    messages.boxes.clear();
    page->Edit8->setText(QStringLiteral("000b22057910"));
    page->CheckBox9->setChecked(false);
    messages.answers = {true};
    page->Button6->click();
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

TEST_F(BsPage, DeleteSendsTheSelectedRowWithoutAQuestion) {
    const int school = RowOf(QStringLiteral("000B22057910"));
    ASSERT_GE(school, 0);
    grid->selectRow(school);
    page->Button7->click();
    EXPECT_TRUE(messages.boxes.empty());
    ASSERT_TRUE(Received("rma ab rf5.0 000B22057910 ip=10.10.0.9 name=school -del"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return grid->RowCount() == 2; }, 10000));
    EXPECT_LT(RowOf(QStringLiteral("000B22057910")), 0);
}

// Operators double-click, and re-reads move rows under the highlight: Delete
// removes the CPE the form shows, once, and nothing after it is gone.
TEST_F(BsPage, DeleteActsOnceAndOnlyOnTheCpeTheFormShows) {
    ShowPage(page);
    ClickRow(grid, RowOf(QStringLiteral("000B22057910")));
    ASSERT_EQ(page->Edit8->text(), QStringLiteral("000B22057910"));
    // Another hand removes the CPE above it; the re-read moves its row up.
    ASSERT_TRUE(SendAndWaitIdle(
        {"rma ab rf5.0 000B220578FF ip=10.10.0.5 name=farm-east -del", reply::CpeTable}));
    EXPECT_EQ(grid->Cell(grid->SelectedRow(), Mac), page->Edit8->text());

    const std::size_t before = ConsoleLines().size();
    DoubleClick(page->Button7);
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(grid->RowCount(), 1);
    EXPECT_EQ(grid->SelectedRow(), -1);
    // The end of a report frees the console buttons, but not this Delete.
    form->SetConsoleButtonsEnabled(false);
    form->SetConsoleButtonsEnabled(true);
    EXPECT_FALSE(page->Button7->isEnabled());
    page->Button7->click();
    page->Button6->click();
    EXPECT_EQ(LinesThroughMarker(before),
              (std::vector<std::string>{"rma ab rf5.0 000B22057910 ip=10.10.0.9 name=school -del",
                                        "co save"}));
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(BsPage, AutoUpdateKeepsTheChosenRowForUpdateAndDelete) {
    QTimer* timer2 = form->findChild<QTimer*>(QStringLiteral("Timer2"));
    const int school = RowOf(QStringLiteral("000B22057910"));
    ASSERT_GE(school, 0);
    grid->selectRow(school);
    page->GridView2CellClick(school);

    // An auto-update tick reads the table again behind the operator's back.
    ASSERT_TRUE(test::FireTimer(timer2));
    EXPECT_EQ(grid->SelectedRow(), school);
    // The MAC was not edited: no "Warning", straight to the New question.
    messages.answers = {false};
    page->Button6->click();
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].caption, QStringLiteral("Create new CPE?"));

    ASSERT_TRUE(test::FireTimer(timer2));
    page->Button7->click();
    ASSERT_TRUE(Received("rma ab rf5.0 000B22057910 ip=10.10.0.9 name=school -del"));
}

TEST_F(BsPage, AutoUpdateRunsOnlyWhileTheTabIsShownAndNotBeforeLogin) {
    QTimer* timer2 = form->findChild<QTimer*>(QStringLiteral("Timer2"));
    ASSERT_NE(timer2, nullptr);
    // The post-login load wrote the timer's period into the editor without
    // it counting as the operator's change.
    EXPECT_EQ(page->SpinEditor4->value(), 5);
    EXPECT_EQ(page->CpeTableAutoUpdate(), 0);

    ShowPage(page);
    EXPECT_FALSE(timer2->isActive());
    page->Button24->click();
    EXPECT_EQ(page->Button24->text(), QStringLiteral("Stop autoupdate"));
    EXPECT_EQ(page->CpeTableAutoUpdate(), 1);
    EXPECT_TRUE(timer2->isActive());

    page->SpinEditor4->setValue(7);
    EXPECT_EQ(timer2->interval(), 7000);
    page->SpinEditor4->setValue(1);  // below the editor's minimum of 3
    EXPECT_EQ(timer2->interval(), 3000);

    ShowPage(form->main->widget(0));
    EXPECT_FALSE(timer2->isActive());
    EXPECT_EQ(page->CpeTableAutoUpdate(), 1);
    ShowPage(page);
    EXPECT_TRUE(timer2->isActive());

    // A tick with rows reads the table again.
    const std::size_t before = Log().Count("snmp");
    ASSERT_TRUE(test::FireTimer(timer2));
    ASSERT_TRUE(QTest::qWaitFor([&] { return Log().Count("snmp") > before; }, 5000));

    page->Button24->click();
    EXPECT_EQ(page->Button24->text(), QStringLiteral("Start autoupdate"));
    EXPECT_FALSE(timer2->isActive());
    EXPECT_EQ(page->CpeTableAutoUpdate(), 0);
    ShowPage(form->main->widget(0));
    ShowPage(page);
    EXPECT_FALSE(timer2->isActive());
}

TEST_F(BsPage, ClearFormAndHelpButtons) {
    FillForm(QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z"));
    page->CheckBox9->setChecked(false);
    page->Button36->click();
    EXPECT_TRUE(page->Edit7->text().isEmpty());
    EXPECT_TRUE(page->Edit8->text().isEmpty());
    EXPECT_TRUE(page->Edit9->text().isEmpty());
    EXPECT_TRUE(page->CheckBox9->isChecked());

    auto* help = page->findChild<QToolButton*>(QStringLiteral("SpeedButton32"));
    ASSERT_NE(help, nullptr);
    help->click();
    EXPECT_EQ(form->Memo3->toPlainText(), QStringLiteral("MAC-address of a client unit"));
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
    auto* page = Find<TBsPage>("TabSheet3");
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->GridView2->RowCount(), 0);
    EXPECT_EQ(page->CpeRowCount(), 0u);
    // Without CPE the radio page's "Pwrctl mode" may be used.
    auto* pwrctl = form->findChild<QCheckBox*>(QStringLiteral("CheckBox3"));
    ASSERT_NE(pwrctl, nullptr);
    EXPECT_TRUE(pwrctl->isEnabled());
    const std::string cpeTable = "1.3.6.1.4.1.3942.1.1.1.3.";
    const std::size_t walked = SnmpRequestsFor(cpeTable);
    EXPECT_GT(walked, 0u);  // the login's read did walk it
    ASSERT_TRUE(test::FireTimer(form->findChild<QTimer*>(QStringLiteral("Timer2"))));
    page->Button4->click();  // a manual read walks again, so the log is current
    ASSERT_TRUE(QTest::qWaitFor([&] { return SnmpRequestsFor(cpeTable) > walked; }, 5000));
    EXPECT_EQ(SnmpRequestsFor(cpeTable), walked + 1) << "the tick must not walk the table";
}

}  // namespace
}  // namespace tessel
