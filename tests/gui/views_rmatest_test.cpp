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

class RmaTestPage : public LoggedInWindow {
  protected:
    RmaTestPage() : LoggedInWindow({.tickMs = TickMs}) {}
    void SetUp() override {
        LoggedInWindow::SetUp();
        page = Find<TRmaTestPage>("RmaTest");
        ASSERT_NE(page, nullptr);
        // The radio page fills the list; the test names the radio it uses.
        QComboBox* list = page->ComboBox15;
        if (list->findText("rf5.0") < 0) {
            list->addItem("rf5.0");
        }
        list->setCurrentText("rf5.0");
        page->Edit16->setText(RegisteredCpe);
    }

    TRmaTestPage* page = nullptr;
};

TEST_F(RmaTestPage, RunFillsRepliesLevelsAndLossesUntilStop) {
    page->Button39->click();
    ASSERT_TRUE(Received(std::string("rma rf5.0 test ") + RegisteredCpe + " 256"));
    EXPECT_FALSE(page->Button39->isEnabled());
    EXPECT_FALSE(page->Edit16->isEnabled());
    EXPECT_FALSE(page->SpinEditor8->isEnabled());
    EXPECT_FALSE(form->Button11->isEnabled());
    EXPECT_FALSE(Find<QPushButton>("Button38")->isEnabled());
    // The list, "Multicast", "Stop" and the load meter's "Start" stay usable.
    EXPECT_TRUE(page->ComboBox15->isEnabled());
    EXPECT_TRUE(page->CheckBox17->isEnabled());
    EXPECT_TRUE(page->Button40->isEnabled());
    EXPECT_TRUE(Find<QPushButton>("Button35")->isEnabled());

    TGridView* grid = page->GridView9;
    ASSERT_TRUE(WaitFor([&] { return grid->RowCount() >= 3; }));
    // The heading ("replies ...") is no row; each result is: replies, each
    // level as a number and as a bar, losses, quality, time, repeats.
    for (int row = 0; row < 3; ++row) {
        EXPECT_TRUE(grid->Cell(row, 1).endsWith("/10")) << grid->Cell(row, 1).toStdString();
        EXPECT_EQ(grid->Cell(row, 3), grid->Cell(row, 2));
        EXPECT_EQ(grid->Cell(row, 5), grid->Cell(row, 4));
        const int level =
            grid->Model()->data(grid->Model()->index(row, 3), TGridModel::BarsRole).toInt();
        EXPECT_EQ(level, grid->Cell(row, 2).toInt());
        EXPECT_GT(level, 0);
        EXPECT_TRUE(grid->Cell(row, 6).endsWith('%'));
        EXPECT_TRUE(grid->Cell(row, 8).startsWith('('));
        EXPECT_TRUE(grid->Cell(row, 9).endsWith("ms"));
        EXPECT_FALSE(grid->Cell(row, 10).isEmpty());
    }

    page->Button40->click();
    ASSERT_TRUE(WaitFor([&] { return page->Button39->isEnabled(); }));
    EXPECT_TRUE(page->Edit16->isEnabled());
    EXPECT_TRUE(page->SpinEditor8->isEnabled());
    EXPECT_TRUE(form->Button11->isEnabled());
    EXPECT_TRUE(Find<QPushButton>("Button38")->isEnabled());
    // The router's closing words pass no filter: the rows stay as they are.
    const int rows = grid->RowCount();
    QTest::qWait(TickMs * 10);
    EXPECT_EQ(grid->RowCount(), rows);
    // The prompt after the router's closing words ended the run.
    EXPECT_EQ(form->Console().Code(), ReplyCode::Idle);
}

TEST_F(RmaTestPage, MulticastAndLengthGoIntoTheLine) {
    page->SpinEditor8->setValue(1400);
    page->CheckBox17->setChecked(true);
    page->Button39->click();
    // The line ends in " mcast " with its trailing space.
    ASSERT_TRUE(Received(std::string("rma rf5.0 test ") + RegisteredCpe + " 1400 mcast "));
    ASSERT_TRUE(WaitFor([&] { return page->GridView9->RowCount() >= 1; }));
    page->Button40->click();
}

TEST_F(RmaTestPage, AnotherCommandEndsTheRowsOfARun) {
    page->Button39->click();
    ASSERT_TRUE(WaitFor([&] { return page->GridView9->RowCount() >= 2; }));
    // "Refresh table" of the ARP group is locked, but the load meter is not:
    // its start takes the console over, and test rows stop coming.
    auto* loadMeterList = Find<QComboBox>("ComboBox14");
    loadMeterList->addItem("eth0");
    loadMeterList->setCurrentText("eth0");
    Find<QPushButton>("Button35")->click();
    ASSERT_TRUE(WaitFor([&] { return form->Console().Code() == ReplyCode::LoadMeterRow; }));
    const int rows = page->GridView9->RowCount();
    ASSERT_TRUE(WaitFor([&] { return Find<TGridView>("GridView8")->RowCount() >= 3; }));
    EXPECT_EQ(page->GridView9->RowCount(), rows);
    Find<QPushButton>("Button2")->click();
    page->Button40->click();
}

TEST_F(RmaTestPage, NoRadioInterfaceSendsNothingAndSaysWhy) {
    page->ComboBox15->clear();
    page->Button39->click();
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].caption, "Error");
    EXPECT_TRUE(page->Button39->isEnabled());
    EXPECT_EQ(form->Console().Code(), ReplyCode::Idle);
    for (const std::string& line : ConsoleLines()) {
        EXPECT_EQ(line.find(" test "), std::string::npos) << line;
    }
}

TEST_F(RmaTestPage, GridColumns) {
    TGridView* grid = page->GridView9;
    const QStringList headers = {"№",      "Replies", "",        "Lev->", "",       "Lev->",
                                 "LostIn", "LostOut", "Quality", "Time",  "Repeats"};
    const int widths[] = {32, 54, 20, 55, 20, 55, 54, 60, 45, 57, 70};
    ASSERT_EQ(grid->Model()->columnCount(), headers.size());
    for (int c = 0; c < headers.size(); ++c) {
        EXPECT_EQ(grid->Model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(),
                  headers[c]);
        EXPECT_EQ(grid->columnWidth(c), widths[c]) << c;
    }
    EXPECT_EQ(page->SpinEditor8->value(), 256);
    EXPECT_TRUE(page->Edit16->text() == RegisteredCpe);
    EXPECT_FALSE(page->CheckBox17->isChecked());
}

}  // namespace
}  // namespace tessel::test
