// Ctrl+C on a report grid: the selected rows as tab-separated text, header
// first, the columns the operator sees.

#include "widgets/grid_view.hpp"

#include <QApplication>
#include <QClipboard>
#include <QItemSelectionModel>
#include <QTest>

#include <gtest/gtest.h>

namespace tessel {
namespace {

class GridCopy : public ::testing::Test {
  protected:
    GridCopy() {
        view.SetColumns({
            {"", GridColumnKind::RowNumber, 27, false, ""},
            {"MAC-address", GridColumnKind::Text, 80, false, ""},
            {"Signal", GridColumnKind::Bars, 60, false, ""},
            {"RMA", GridColumnKind::Check, 40, false, "false"},
            {"Index", GridColumnKind::Text, 30, true, ""},
        });
        view.AppendRows({{"", "00:1b:2c:00:00:01", "12", "true", "1.1"},
                         {"", "00:1b:2c:00:00:02", "", "false", "1.2"},
                         {"", "name\twith tab\r\n", "3", "true", "1.3"}});
        view.resize(400, 300);
        view.show();
        QApplication::clipboard()->setText(QStringLiteral("before"));
    }

    void CtrlC() {
        view.setFocus();
        QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier);
    }

    static QString Clipboard() { return QApplication::clipboard()->text(); }

    TGridView view;
};

TEST_F(GridCopy, CtrlCCopiesTheSelectedRowUnderItsHeader) {
    view.selectRow(1);
    CtrlC();
    // The hidden "Index" column stays out; empty cells keep their place.
    EXPECT_EQ(Clipboard(), "\tMAC-address\tSignal\tRMA\n2\t00:1b:2c:00:00:02\t\tfalse\n");
}

TEST_F(GridCopy, SeveralSelectedRowsComeInGridOrderWithCellBreaksAsSpaces) {
    // Selected from code, last row first: the copy keeps the grid's order.
    QItemSelectionModel* selection = view.selectionModel();
    const auto rows = QItemSelectionModel::Select | QItemSelectionModel::Rows;
    selection->select(view.Model()->index(2, 0), rows);
    selection->select(view.Model()->index(0, 0), rows);
    CtrlC();
    EXPECT_EQ(Clipboard(),
              "\tMAC-address\tSignal\tRMA\n"
              "1\t00:1b:2c:00:00:01\t12\ttrue\n"
              "3\tname with tab  \t3\ttrue\n");
}

TEST_F(GridCopy, NothingSelectedLeavesTheClipboardAlone) {
    view.clearSelection();
    CtrlC();
    EXPECT_EQ(Clipboard(), "before");
    EXPECT_TRUE(view.SelectedRowsText().isEmpty());
    // A plain C is not a copy.
    view.selectRow(0);
    QTest::keyClick(&view, Qt::Key_C);
    EXPECT_EQ(Clipboard(), "before");
}

TEST_F(GridCopy, ACopyFollowsTheRowsAsTheyAreNow) {
    view.selectRow(0);
    view.SetCell(0, 1, QStringLiteral("aa:bb:cc:dd:ee:ff"));
    CtrlC();
    EXPECT_EQ(Clipboard(), "\tMAC-address\tSignal\tRMA\n1\taa:bb:cc:dd:ee:ff\t12\ttrue\n");
    view.Clear();
    view.AppendRow({"", "x"});
    view.selectRow(0);
    CtrlC();
    EXPECT_EQ(Clipboard(), "\tMAC-address\tSignal\tRMA\n1\tx\t\tfalse\n");
}

}  // namespace
}  // namespace tessel
