#include "widgets/grid_view.hpp"

#include <QHeaderView>
#include <QImage>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace tessel {
namespace {

std::vector<GridColumn> Columns() {
    return {
        {"", GridColumnKind::RowNumber, 27, false, ""},
        {"Name", GridColumnKind::Text, 80, false, ""},
        {"Rate", GridColumnKind::Number, 60, false, ""},
        {"On", GridColumnKind::Check, 40, false, "false"},
        {"Level", GridColumnKind::Bars, 100, false, ""},
        {"Key", GridColumnKind::Text, 30, true, "k"},
    };
}

class Grid : public ::testing::Test {
  protected:
    Grid() {
        view.SetColumns(Columns());
        view.resize(400, 300);
    }
    QVariant Data(int row, int column, int role) const {
        return view.Model()->data(view.Model()->index(row, column), role);
    }
    GridView view;
};

TEST_F(Grid, RowsKeepTheirTextsAndTakeDefaultsAndRowNumbers) {
    view.AppendRow({"", "alpha", "54", "true", "12", "x1"});
    view.AppendRow({"ignored", "beta"});
    ASSERT_EQ(view.RowCount(), 2);
    EXPECT_EQ(view.Cell(0, 0), "1");
    EXPECT_EQ(view.Cell(1, 0), "2");
    EXPECT_EQ(Data(1, 0, Qt::DisplayRole).toString(), "2");
    EXPECT_EQ(view.Cell(0, 1), "alpha");
    EXPECT_EQ(view.Cell(0, 5), "x1");
    // A shorter row takes the column defaults.
    EXPECT_EQ(view.Cell(1, 2), "");
    EXPECT_EQ(view.Cell(1, 3), "false");
    EXPECT_EQ(view.Cell(1, 5), "k");
    // Out of range reads and writes are harmless.
    EXPECT_EQ(view.Cell(2, 1), "");
    EXPECT_EQ(view.Cell(0, 9), "");
    view.SetCell(7, 1, "nowhere");
    view.SetCell(1, 1, "gamma");
    EXPECT_EQ(view.Cell(1, 1), "gamma");
}

TEST_F(Grid, CheckCellsAreTheTextsTrueAndFalse) {
    view.AppendRows({{"", "a", "1", "true"}, {"", "b", "1", "false"}, {"", "c", "1", "True"}});
    EXPECT_EQ(Data(0, 3, Qt::CheckStateRole).toInt(), Qt::Checked);
    EXPECT_EQ(Data(1, 3, Qt::CheckStateRole).toInt(), Qt::Unchecked);
    // Only the exact text counts.
    EXPECT_EQ(Data(2, 3, Qt::CheckStateRole).toInt(), Qt::Unchecked);
    EXPECT_FALSE(Data(0, 3, Qt::DisplayRole).isValid());
    EXPECT_EQ(view.Cell(0, 3), "true");
}

TEST_F(Grid, BarLevelsAreClampedAndEmptyMeansNone) {
    view.AppendRows({{"", "", "", "", "5"},
                     {"", "", "", "", "40"},
                     {"", "", "", "", "-3"},
                     {"", "", "", "", ""},
                     {"", "", "", "", "n/a"}});
    EXPECT_EQ(Data(0, 4, GridModel::BarsRole).toInt(), 5);
    EXPECT_EQ(Data(1, 4, GridModel::BarsRole).toInt(), GridMaxBars);
    EXPECT_EQ(Data(2, 4, GridModel::BarsRole).toInt(), 0);
    EXPECT_EQ(Data(3, 4, GridModel::BarsRole).toInt(), -1);
    EXPECT_EQ(Data(4, 4, GridModel::BarsRole).toInt(), -1);
}

// Counts pixels of the highlight colour inside a cell of the rendered grid.
int HighlightPixels(GridView& view, int row, int column) {
    view.clearSelection();
    const QImage image = view.viewport()->grab().toImage();
    const QRect cell = view.visualRect(view.Model()->index(row, column));
    const QColor highlight = view.palette().color(QPalette::Highlight);
    int count = 0;
    for (int y = cell.top(); y <= cell.bottom(); ++y) {
        for (int x = cell.left(); x <= cell.right(); ++x) {
            if (image.pixelColor(x, y) == highlight) {
                ++count;
            }
        }
    }
    return count;
}

TEST_F(Grid, BarsAreDrawnInProportionAndNotWhileEmpty) {
    view.AppendRows({{"", "", "", "", "16"}, {"", "", "", "", "4"}, {"", "", "", "", ""}});
    view.show();
    const int full = HighlightPixels(view, 0, 4);
    const int quarter = HighlightPixels(view, 1, 4);
    EXPECT_GT(full, 0);
    EXPECT_GT(quarter, 0);
    EXPECT_NEAR(static_cast<double>(quarter) / full, 0.25, 0.05);
    EXPECT_EQ(HighlightPixels(view, 2, 4), 0);
}

TEST_F(Grid, ReadOnlyWholeRowsFixedColumnsAndHiddenColumns) {
    view.AppendRow({"", "a"});
    const QModelIndex cell = view.Model()->index(0, 1);
    EXPECT_FALSE(view.Model()->flags(cell).testFlag(Qt::ItemIsEditable));
    EXPECT_EQ(view.selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_FALSE(view.horizontalHeader()->sectionsMovable());
    EXPECT_TRUE(view.isColumnHidden(5));
    EXPECT_FALSE(view.isColumnHidden(4));
    EXPECT_EQ(view.columnWidth(1), 80);
    EXPECT_EQ(view.Model()->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), "Rate");
    EXPECT_EQ(view.SelectedRow(), -1);
    view.selectRow(0);
    EXPECT_EQ(view.SelectedRow(), 0);
}

TEST_F(Grid, ABlockOfRowsIsOneInsertionAndClearEmpties) {
    QSignalSpy inserted(view.Model(), &QAbstractItemModel::rowsInserted);
    std::vector<QStringList> rows;
    for (int i = 0; i < 10000; ++i) {
        rows.push_back({"", QString::number(i), QString::number(i * 2)});
    }
    view.AppendRows(rows);
    EXPECT_EQ(inserted.count(), 1);
    EXPECT_EQ(view.RowCount(), 10000);
    EXPECT_EQ(view.Cell(9999, 0), "10000");
    EXPECT_EQ(view.Cell(9999, 2), "19998");
    view.ScrollToLastRow();
    view.Clear();
    EXPECT_EQ(view.RowCount(), 0);
    view.AppendRows({});
    EXPECT_EQ(view.RowCount(), 0);
}

TEST_F(Grid, ARefillKeepsTheRowNumberWhileThatRowExists) {
    const auto rows = [](int count) {
        std::vector<QStringList> block;
        for (int i = 0; i < count; ++i) {
            block.push_back({"", QString::number(i)});
        }
        return block;
    };
    view.AppendRows(rows(5));
    view.selectRow(3);
    QSignalSpy moved(view.selectionModel(), &QItemSelectionModel::currentRowChanged);
    view.Clear();
    view.AppendRows(rows(4));
    EXPECT_EQ(view.SelectedRow(), 3);
    EXPECT_EQ(view.selectionModel()->selectedRows().size(), 1);
    // Kept, not chosen anew: the pages' select-cell handlers stay quiet.
    EXPECT_EQ(moved.count(), 0);

    // A refill too short for the row leaves none selected, and a later one
    // does not bring it back.
    view.Clear();
    view.AppendRows(rows(3));
    EXPECT_EQ(view.SelectedRow(), -1);
    view.Clear();
    view.AppendRows(rows(5));
    EXPECT_EQ(view.SelectedRow(), -1);
}

TEST_F(Grid, WithKeyColumnsARefillKeepsTheEntryWhereverItLands) {
    view.SetKeyColumns({1, 2});
    view.AppendRows({{"", "a", "1"}, {"", "b", "1"}, {"", "b", "2"}});
    view.selectRow(2);
    QSignalSpy chosen(&view, &GridView::RowChosen);
    view.Clear();
    view.AppendRows({{"", "b", "2"}, {"", "b", "1"}});
    EXPECT_EQ(view.SelectedRow(), 0);
    EXPECT_EQ(chosen.count(), 0);
    // Gone: nothing is selected, although the old row number exists.
    view.Clear();
    view.AppendRows({{"", "a", "1"}, {"", "b", "1"}, {"", "c", "2"}});
    EXPECT_EQ(view.SelectedRow(), -1);
}

}  // namespace
}  // namespace tessel
