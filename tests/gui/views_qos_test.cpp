// The "QoS" tab against the lab router: the table after login and on
// request, and auto-update that runs only while the tab is shown.

#include "fire_timer.hpp"
#include "logged_in_window.hpp"
#include "views/qos/qos_page.hpp"
#include "widgets/grid_view.hpp"
#include "widgets/spin_editor.hpp"

#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

namespace tessel::test {
namespace {

constexpr const char* QosPriorityColumn = "1.3.6.1.4.1.3942.1.1.4.1.1.2.";

class QosPageTest : public LoggedInWindow {
  protected:
    QosPageTest() : LoggedInWindow({.tickMs = TickMs}) {}
    void SetUp() override {
        LoggedInWindow::SetUp();
        page = Find<QosPage>("TabSheet15");
        timer = Find<QTimer>("Timer12");
        ASSERT_NE(page, nullptr);
        ASSERT_NE(timer, nullptr);
    }

    QosPage* page = nullptr;
    QTimer* timer = nullptr;
};

TEST_F(QosPageTest, RowsAfterLoginAreIndexedByTheTablesFirstColumn) {
    GridView* grid = page->qosTableGrid_;
    const QStringList headers = {"№",       "Pri",    "Class", "Address",   "Max",   "MaxPPS",
                                 "CurFlow", "CurPPS", "Pckts", "PcktsDrop", "Bytes", "BytesDrop"};
    ASSERT_EQ(grid->Model()->columnCount(), headers.size());
    for (int c = 0; c < headers.size(); ++c) {
        EXPECT_EQ(grid->Model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(),
                  headers[c]);
    }
    ASSERT_EQ(grid->RowCount(), 4);
    // The fourth entry has index 7: its cells are read at ".7", not ".4".
    const QStringList last = {"7",    "7",   "default",  "0.0.0.0/0", "10000",      "5000",
                              "2400", "700", "12873001", "0",         "3861900300", "0"};
    for (int c = 0; c < last.size(); ++c) {
        EXPECT_EQ(grid->Cell(3, c), last[c]) << c;
    }
    EXPECT_EQ(grid->Cell(1, 2), "interactive");
    EXPECT_EQ(page->updateQosTableButton_->text(), "Update table");
    EXPECT_EQ(page->qosAutoUpdateButton_->text(), "Start autoupdate");
    EXPECT_EQ(page->qosIntervalSpin_->value(), 3);
    EXPECT_EQ(timer->interval(), 3000);
    EXPECT_FALSE(timer->isActive());
}

TEST_F(QosPageTest, UpdateTableReadsElevenCellsPerRowAgain) {
    const std::size_t before = SnmpRequestsFor(QosPriorityColumn);
    page->updateQosTableButton_->click();
    EXPECT_TRUE(RequestsReach(QosPriorityColumn, before + 4));
    EXPECT_EQ(page->qosTableGrid_->RowCount(), 4);
}

TEST_F(QosPageTest, AutoUpdateRunsOnlyWhileTheTabIsShown) {
    QWidget* other = form->pageTabs_->widget(0);
    ShowPage(page);
    page->qosAutoUpdateButton_->click();
    EXPECT_EQ(page->qosAutoUpdateButton_->text(), "Stop autoupdate");
    EXPECT_EQ(page->QosAutoUpdate(), 1);
    EXPECT_TRUE(timer->isActive());

    const std::size_t before = SnmpRequestsFor(QosPriorityColumn);
    ASSERT_TRUE(FireTimer(timer));
    EXPECT_TRUE(RequestsReach(QosPriorityColumn, before + 4));

    ShowPage(other);
    EXPECT_FALSE(timer->isActive());
    ShowPage(page);
    EXPECT_TRUE(timer->isActive());

    // Off again: back to the initial state, and showing the tab starts
    // nothing.
    page->qosAutoUpdateButton_->click();
    EXPECT_EQ(page->qosAutoUpdateButton_->text(), "Start autoupdate");
    EXPECT_EQ(page->QosAutoUpdate(), 0);
    EXPECT_FALSE(timer->isActive());
    ShowPage(other);
    ShowPage(page);
    EXPECT_FALSE(timer->isActive());
}

TEST_F(QosPageTest, IntervalFollowsTheEditorOnlyAfterTheLoad) {
    page->qosIntervalSpin_->setValue(5);
    EXPECT_EQ(timer->interval(), 5000);
    page->qosIntervalSpin_->SetText(QStringLiteral("12"));
    EXPECT_EQ(timer->interval(), 12000);

    // During a load the values written are not the operator's.
    form->CurrentSession().SessionLoaded = false;
    page->qosIntervalSpin_->setValue(7);
    EXPECT_EQ(timer->interval(), 12000);
}

TEST_F(QosPageTest, SecondLoginSwitchesAutoUpdateOffButKeepsTheCaption) {
    ShowPage(page);
    page->qosAutoUpdateButton_->click();
    ASSERT_EQ(page->QosAutoUpdate(), 1);
    form->PostLoginLoad();
    EXPECT_EQ(page->QosAutoUpdate(), 0);
    EXPECT_EQ(page->qosAutoUpdateButton_->text(), "Stop autoupdate");
    // With the flag cleared, leaving and showing the tab no longer drives
    // the timer.
    timer->stop();
    ShowPage(form->pageTabs_->widget(0));
    ShowPage(page);
    EXPECT_FALSE(timer->isActive());
}

}  // namespace
}  // namespace tessel::test
