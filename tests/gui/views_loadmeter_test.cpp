// The load meter against the lab router: the exact "loadm" line, the locked
// controls and console buttons while it runs, one row per report, "Stop".

#include "logged_in_window.hpp"
#include "utilities/load_meter_page.hpp"
#include "views/system/system_page.hpp"
#include "widgets/grid_group_band.hpp"
#include "widgets/grid_view.hpp"
#include "widgets/spin_editor.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include <string>
#include <vector>

namespace tessel::test {
namespace {

class LoadMeterPageTest : public LoggedInWindow {
  protected:
    explicit LoadMeterPageTest(int tickMs = TickMs) : LoggedInWindow({.tickMs = tickMs}) {}
    void SetUp() override {
        LoggedInWindow::SetUp();
        page = Find<LoadMeterPage>("LoadMeter");
        ASSERT_NE(page, nullptr);
    }
    // The interfaces page fills the list; the test names the interface it
    // measures.
    void ChooseInterface(const QString& name) {
        QComboBox* list = page->loadMeterInterfaceCombo_;
        if (list->findText(name) < 0) {
            list->addItem(name);
        }
        list->setCurrentText(name);
    }
    // The buttons of the window's console group that exist in this build.
    std::vector<QAbstractButton*> ConsoleGroup() const {
        return {form->saveAllButton_, Find<QPushButton>("Button38"), Find<QPushButton>("Button18"),
                Find<QPushButton>("Button19"), Find<QPushButton>("Button3")};
    }
    // Started on eth0 and reporting.
    void StartOnEth0() {
        ChooseInterface("eth0");
        page->loadMeterStartButton_->click();
        ASSERT_TRUE(WaitFor([&] { return page->loadMeterGrid_->RowCount() >= 1; }));
    }
    // As the page stands when no report runs.
    void ExpectStopped() const {
        for (QWidget* widget :
             std::vector<QWidget*>{page->loadMeterStartButton_, page->loadMeterInterfaceCombo_,
                                   page->loadMeterIntervalSpin_}) {
            EXPECT_TRUE(widget->isEnabled()) << widget->objectName().toStdString();
        }
        EXPECT_FALSE(page->loadMeterStopButton_->isEnabled());
        for (QAbstractButton* button : ConsoleGroup()) {
            EXPECT_TRUE(button->isEnabled()) << button->objectName().toStdString();
        }
    }

    LoadMeterPage* page = nullptr;
};

TEST_F(LoadMeterPageTest, RunAddsRowsUntilStopAndLocksOnlyItsGroup) {
    ChooseInterface("eth0");
    page->loadMeterStartButton_->click();
    ASSERT_TRUE(Received("loadm  -w 1 eth0"));
    // Locked: its own start, list and interval, and the console group.
    EXPECT_FALSE(page->loadMeterStartButton_->isEnabled());
    EXPECT_FALSE(page->loadMeterInterfaceCombo_->isEnabled());
    EXPECT_FALSE(page->loadMeterIntervalSpin_->isEnabled());
    for (QAbstractButton* button : ConsoleGroup()) {
        EXPECT_FALSE(button->isEnabled()) << button->objectName().toStdString();
    }
    // Still usable: "KBytes", "Stop", the link test's "Start", "Refresh all".
    EXPECT_TRUE(page->loadMeterKbytesCheck_->isEnabled());
    EXPECT_TRUE(page->loadMeterStopButton_->isEnabled());
    EXPECT_TRUE(Find<QPushButton>("Button39")->isEnabled());
    EXPECT_TRUE(form->refreshAllButton_->isEnabled());

    ASSERT_TRUE(WaitFor([&] { return page->loadMeterGrid_->RowCount() >= 3; }));
    // The heading carries "[K" and adds no row; each report fills all ten
    // figures, the elapsed time (token 1) left out.
    for (int column = 1; column <= 10; ++column) {
        bool number = false;
        page->loadMeterGrid_->Cell(0, column).toULongLong(&number);
        EXPECT_TRUE(number) << column << " " << page->loadMeterGrid_->Cell(0, column).toStdString();
    }
    EXPECT_EQ(page->loadMeterGrid_->Cell(2, 0), "3");
    EXPECT_EQ(page->loadMeterGrid_->currentIndex().column(), 0);

    page->loadMeterStopButton_->click();
    // Unlocked once the router's pause after ESC is over.
    ASSERT_TRUE(WaitFor([&] { return page->loadMeterStartButton_->isEnabled(); }));
    EXPECT_TRUE(page->loadMeterInterfaceCombo_->isEnabled());
    EXPECT_TRUE(page->loadMeterIntervalSpin_->isEnabled());
    for (QAbstractButton* button : ConsoleGroup()) {
        EXPECT_TRUE(button->isEnabled()) << button->objectName().toStdString();
    }
    // The router's prompt after ESC ends the run.
    ASSERT_TRUE(WaitIdle());
    // The rows stay, and no more come once the router has stopped: many
    // report periods pass without a new row.
    const int rows = page->loadMeterGrid_->RowCount();
    QTest::qWait(TickMs * 10);
    EXPECT_EQ(page->loadMeterGrid_->RowCount(), rows);
    EXPECT_GE(rows, 3);
    // The reply to a later command is no report: "Save all", then the ARP
    // table, whose reply comes after the save's.
    form->saveAllButton_->click();
    Find<QPushButton>("Button38")->click();
    ASSERT_TRUE(WaitIdle());
    EXPECT_TRUE(Received("co save"));
    EXPECT_EQ(page->loadMeterGrid_->RowCount(), rows);
}

TEST_F(LoadMeterPageTest, KBytesAndIntervalGoIntoTheLineAndStartClearsOldRows) {
    ChooseInterface("eth0");
    page->loadMeterStartButton_->click();
    ASSERT_TRUE(WaitFor([&] { return page->loadMeterGrid_->RowCount() >= 2; }));
    page->loadMeterStopButton_->click();
    ASSERT_TRUE(WaitFor([&] { return page->loadMeterStartButton_->isEnabled(); }));

    ChooseInterface("rf5.0");
    page->loadMeterKbytesCheck_->setChecked(true);
    page->loadMeterIntervalSpin_->setValue(2);
    page->loadMeterStartButton_->click();
    ASSERT_TRUE(Received("loadm  -B  -w 2 rf5.0"));
    // The first text of the new run clears the old rows; reports then add
    // rows from 1 again.
    ASSERT_TRUE(WaitFor([&] { return form->Console().Code() == ReplyCode::LoadMeterRow; }));
    EXPECT_LE(page->loadMeterGrid_->RowCount(), 1);
    ASSERT_TRUE(WaitFor([&] { return page->loadMeterGrid_->RowCount() >= 2; }));
    EXPECT_FALSE(page->loadMeterGrid_->Cell(1, 10).isEmpty());
    page->loadMeterStopButton_->click();
}

TEST_F(LoadMeterPageTest, LoggingOutDuringARunGivesTheNextSessionEveryButtonBack) {
    StartOnEth0();
    messages.answers = {true};
    form->logOutButton_->click();
    ASSERT_FALSE(form->IsManagedLayout());
    LogIn();
    ExpectStopped();
}

TEST_F(LoadMeterPageTest, AnotherPagesCommandEndsTheRunAndThePageShowsIt) {
    StartOnEth0();
    auto* system = Find<SystemPage>("system");
    TypeInto(system->systemNameEdit_, QStringLiteral("bs south"));
    system->SystemChangeButtons[0]->click();
    // The router stops a running report before it runs any other line.
    ASSERT_TRUE(Received("sys name bs south"));
    ExpectStopped();
}

TEST_F(LoadMeterPageTest, StopReturnsAtOnceAndTheNextCommandWaitsOutTheRoutersPause) {
    StartOnEth0();
    const std::size_t before = ConsoleLines().size();
    QElapsedTimer clock;
    clock.start();
    page->loadMeterStopButton_->click();
    EXPECT_LT(clock.elapsed(), ReportStopPauseMs / 2) << "Stop held the window";
    // A quick hand: another page's command, which no lock stops.
    auto* system = Find<SystemPage>("system");
    TypeInto(system->systemNameEdit_, QStringLiteral("bs south"));
    system->SystemChangeButtons[0]->click();
    EXPECT_FALSE(page->loadMeterStartButton_->isEnabled());
    EXPECT_FALSE(form->saveAllButton_->isEnabled());

    ASSERT_TRUE(Received("sys name bs south"));
    EXPECT_GE(clock.elapsed(), ReportStopPauseMs);
    // ESC is no line the router logs: the change is the next it got.
    EXPECT_EQ(LinesAfter(before), std::vector<std::string>{"sys name bs south"});
    ASSERT_TRUE(WaitFor([&] { return page->loadMeterStartButton_->isEnabled(); }));
    ExpectStopped();
}

TEST_F(LoadMeterPageTest, LoggingOutInTheRoutersPauseGivesTheNextSessionEveryButtonBack) {
    StartOnEth0();
    page->loadMeterStopButton_->click();
    messages.answers = {true};
    form->logOutButton_->click();
    ASSERT_FALSE(form->IsManagedLayout());
    LogIn();
    ExpectStopped();
}

// Reports a tenth of a second apart, so that each arrives on its own even on
// a busy machine.
constexpr int SlowTickMs = 100;

class SlowLoadMeter : public LoadMeterPageTest {
  protected:
    SlowLoadMeter() : LoadMeterPageTest(SlowTickMs) {}
};

TEST_F(SlowLoadMeter, ReportsThatCameWhileABoxWasUpAddOneRowEachInOrder) {
    // Nothing else holds the window meanwhile.
    Find<QTimer>("Timer1")->stop();
    Find<QTimer>("Timer8")->stop();
    std::vector<std::string> reports;
    QObject::connect(
        &form->Console(), &ConsoleChannel::Reply, form.get(),
        [&](ReplyAction action, const std::string& chunk) {
            if (action == ReplyAction::LoadMeterRow && chunk.find("[K") == std::string::npos) {
                reports.push_back(chunk);
            }
        });
    StartOnEth0();
    // "Log out", answered "No" after ten report periods.
    messages.openMs = SlowTickMs * 10;
    messages.answers = {false};
    form->logOutButton_->click();
    messages.openMs = 0;
    ASSERT_TRUE(WaitFor([&] { return page->loadMeterGrid_->RowCount() >= 12; }));
    page->loadMeterStopButton_->click();
    ASSERT_TRUE(WaitIdle());

    // A row per chunk, a report line per chunk, the elapsed seconds (the
    // line's first figure) counting up one at a time.
    ASSERT_EQ(page->loadMeterGrid_->RowCount(), static_cast<int>(reports.size()));
    for (std::size_t i = 0; i < reports.size(); ++i) {
        EXPECT_EQ(reports[i].find("\r\n"), reports[i].size() - 2) << reports[i];
        EXPECT_EQ(std::stoul(reports[i]), i + 1) << reports[i];
    }
}

TEST_F(LoadMeterPageTest, NoInterfaceSendsNothingAndSaysWhy) {
    page->loadMeterInterfaceCombo_->clear();
    const auto before = ConsoleLines().size();
    page->loadMeterStartButton_->click();
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].caption, "Error");
    EXPECT_FALSE(messages.boxes[0].text.isEmpty());
    EXPECT_TRUE(page->loadMeterStartButton_->isEnabled());
    EXPECT_TRUE(form->saveAllButton_->isEnabled());
    EXPECT_EQ(form->Console().Code(), ReplyCode::Idle);
    // Nothing went out: the next line the router sees is the one we send.
    form->SendLine("co save");
    ASSERT_TRUE(WaitFor([&] { return ConsoleLines().size() == before + 1; }));
    EXPECT_EQ(ConsoleLines().back(), "co save");
}

TEST_F(LoadMeterPageTest, GridColumnsAndGroupLabelsStandOverTheirColumns) {
    GridView* grid = page->loadMeterGrid_;
    const QStringList headers = {"№",   "cur", "avg",   "max", "pckts", "cur",
                                 "avg", "max", "pckts", "sum", "pckts"};
    ASSERT_EQ(grid->Model()->columnCount(), headers.size());
    for (int c = 0; c < headers.size(); ++c) {
        EXPECT_EQ(grid->Model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(),
                  headers[c]);
    }
    EXPECT_EQ(grid->columnWidth(0), 27);
    EXPECT_EQ(grid->columnWidth(10), 47);
    EXPECT_FALSE(grid->horizontalHeader()->sectionsMovable());

    const std::vector<QLabel*> labels = page->GroupBand->Labels();
    ASSERT_EQ(labels.size(), 3u);
    const QString texts[] = {"INPUT", "OUTPUT", "TOTAL"};
    const int spans[][2] = {{1, 4}, {5, 8}, {9, 10}};
    const QPoint origin = grid->viewport()->mapTo(page, QPoint(0, 0));
    for (std::size_t i = 0; i < labels.size(); ++i) {
        EXPECT_EQ(labels[i]->text(), texts[i]);
        const QRect label(labels[i]->mapTo(page, QPoint(0, 0)), labels[i]->size());
        const int left = origin.x() + grid->columnViewportPosition(spans[i][0]);
        const int right =
            origin.x() + grid->columnViewportPosition(spans[i][1]) + grid->columnWidth(spans[i][1]);
        EXPECT_GE(label.left(), left) << texts[i].toStdString();
        EXPECT_LE(label.right(), right) << texts[i].toStdString();
        EXPECT_GT(label.width(), (right - left) / 2) << texts[i].toStdString();
    }
    // Widening a column moves the labels after it along.
    const int totalBefore = labels[2]->x();
    grid->setColumnWidth(3, 80);
    EXPECT_EQ(labels[2]->x(), totalBefore + 33);
}

}  // namespace
}  // namespace tessel::test
