// The RMA link test against the lab router: the exact "rma ... test" line,
// result rows with their level bars, the locked controls, "Stop".

#include "logged_in_window.hpp"
#include "utilities/rma_test_page.hpp"
#include "widgets/grid_model.hpp"
#include "widgets/grid_view.hpp"
#include "widgets/spin_editor.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace tessel::test {
namespace {

// A registered client unit of the lab router's base station on rf5.0.
constexpr const char* RegisteredCpe = "00:0b:22:05:78:ff";

class RmaTestPageTest : public LoggedInWindow {
  protected:
    RmaTestPageTest() : LoggedInWindow({.tickMs = TickMs}) {}
    void SetUp() override {
        LoggedInWindow::SetUp();
        page = Find<RmaTestPage>("RmaTest");
        ASSERT_NE(page, nullptr);
        // The radio page fills the list; the test names the radio it uses.
        QComboBox* list = page->rmaTestRadioCombo_;
        if (list->findText("rf5.0") < 0) {
            list->addItem("rf5.0");
        }
        list->setCurrentText("rf5.0");
        page->rmaTestMacEdit_->setText(RegisteredCpe);
    }

    RmaTestPage* page = nullptr;
};

TEST_F(RmaTestPageTest, RunFillsRepliesLevelsAndLossesUntilStop) {
    page->rmaTestStartButton_->click();
    ASSERT_TRUE(Received(std::string("rma rf5.0 test ") + RegisteredCpe + " 256"));
    EXPECT_FALSE(page->rmaTestStartButton_->isEnabled());
    EXPECT_FALSE(page->rmaTestMacEdit_->isEnabled());
    EXPECT_FALSE(page->rmaTestPacketLengthSpin_->isEnabled());
    EXPECT_FALSE(form->saveAllButton_->isEnabled());
    EXPECT_FALSE(Find<QPushButton>("Button38")->isEnabled());
    // The list, "Multicast", "Stop" and the load meter's "Start" stay usable.
    EXPECT_TRUE(page->rmaTestRadioCombo_->isEnabled());
    EXPECT_TRUE(page->rmaTestMulticastCheck_->isEnabled());
    EXPECT_TRUE(page->rmaTestStopButton_->isEnabled());
    EXPECT_TRUE(Find<QPushButton>("Button35")->isEnabled());

    GridView* grid = page->rmaTestGrid_;
    ASSERT_TRUE(WaitFor([&] { return grid->RowCount() >= 3; }));
    // The heading ("replies ...") is no row; each result is: replies, each
    // level as a number and as a bar, losses, quality, time, repeats.
    for (int row = 0; row < 3; ++row) {
        EXPECT_TRUE(grid->Cell(row, 1).endsWith("/10")) << grid->Cell(row, 1).toStdString();
        EXPECT_EQ(grid->Cell(row, 3), grid->Cell(row, 2));
        EXPECT_EQ(grid->Cell(row, 5), grid->Cell(row, 4));
        const int level =
            grid->Model()->data(grid->Model()->index(row, 3), GridModel::BarsRole).toInt();
        EXPECT_EQ(level, grid->Cell(row, 2).toInt());
        EXPECT_GT(level, 0);
        EXPECT_TRUE(grid->Cell(row, 6).endsWith('%'));
        EXPECT_TRUE(grid->Cell(row, 8).startsWith('('));
        EXPECT_TRUE(grid->Cell(row, 9).endsWith("ms"));
        EXPECT_FALSE(grid->Cell(row, 10).isEmpty());
    }

    page->rmaTestStopButton_->click();
    ASSERT_TRUE(WaitFor([&] { return page->rmaTestStartButton_->isEnabled(); }));
    EXPECT_TRUE(page->rmaTestMacEdit_->isEnabled());
    EXPECT_TRUE(page->rmaTestPacketLengthSpin_->isEnabled());
    EXPECT_TRUE(form->saveAllButton_->isEnabled());
    EXPECT_TRUE(Find<QPushButton>("Button38")->isEnabled());
    // The router's closing words pass no filter: the rows stay as they are.
    const int rows = grid->RowCount();
    QTest::qWait(TickMs * 10);
    EXPECT_EQ(grid->RowCount(), rows);
    // The prompt after the router's closing words ended the run.
    EXPECT_EQ(form->Console().Code(), ReplyCode::Idle);
}

TEST_F(RmaTestPageTest, MulticastAndLengthGoIntoTheLine) {
    page->rmaTestPacketLengthSpin_->setValue(1400);
    page->rmaTestMulticastCheck_->setChecked(true);
    page->rmaTestStartButton_->click();
    // The line ends in " mcast " with its trailing space.
    ASSERT_TRUE(Received(std::string("rma rf5.0 test ") + RegisteredCpe + " 1400 mcast "));
    ASSERT_TRUE(WaitFor([&] { return page->rmaTestGrid_->RowCount() >= 1; }));
    page->rmaTestStopButton_->click();
}

TEST_F(RmaTestPageTest, AnotherCommandEndsTheRowsOfARun) {
    page->rmaTestStartButton_->click();
    ASSERT_TRUE(WaitFor([&] { return page->rmaTestGrid_->RowCount() >= 2; }));
    // "Refresh table" of the ARP group is locked, but the load meter is not:
    // its start takes the console over, and test rows stop coming.
    auto* loadMeterList = Find<QComboBox>("ComboBox14");
    loadMeterList->addItem("eth0");
    loadMeterList->setCurrentText("eth0");
    Find<QPushButton>("Button35")->click();
    ASSERT_TRUE(WaitFor([&] { return form->Console().Code() == ReplyCode::LoadMeterRow; }));
    const int rows = page->rmaTestGrid_->RowCount();
    ASSERT_TRUE(WaitFor([&] { return Find<GridView>("GridView8")->RowCount() >= 3; }));
    EXPECT_EQ(page->rmaTestGrid_->RowCount(), rows);
    Find<QPushButton>("Button2")->click();
    page->rmaTestStopButton_->click();
}

TEST_F(RmaTestPageTest, NoRadioInterfaceSendsNothingAndSaysWhy) {
    page->rmaTestRadioCombo_->clear();
    page->rmaTestStartButton_->click();
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].caption, "Error");
    EXPECT_TRUE(page->rmaTestStartButton_->isEnabled());
    EXPECT_EQ(form->Console().Code(), ReplyCode::Idle);
    for (const std::string& line : ConsoleLines()) {
        EXPECT_EQ(line.find(" test "), std::string::npos) << line;
    }
}

TEST_F(RmaTestPageTest, GridColumns) {
    GridView* grid = page->rmaTestGrid_;
    const QStringList headers = {"№",      "Replies", "",        "Lev->", "",       "Lev->",
                                 "LostIn", "LostOut", "Quality", "Time",  "Repeats"};
    const int widths[] = {32, 54, 20, 55, 20, 55, 54, 60, 45, 57, 70};
    ASSERT_EQ(grid->Model()->columnCount(), headers.size());
    for (int c = 0; c < headers.size(); ++c) {
        EXPECT_EQ(grid->Model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(),
                  headers[c]);
        EXPECT_EQ(grid->columnWidth(c), widths[c]) << c;
    }
    EXPECT_EQ(page->rmaTestPacketLengthSpin_->value(), 256);
    EXPECT_TRUE(page->rmaTestMacEdit_->text() == RegisteredCpe);
    EXPECT_FALSE(page->rmaTestMulticastCheck_->isChecked());
}

}  // namespace
}  // namespace tessel::test
