// Ctrl+C on the grids of the logged-in window: each grid that holds rows
// copies its selected row with the header.

#include "logged_in_window.hpp"
#include "widgets/grid_view.hpp"

#include <QClipboard>
#include <QGuiApplication>
#include <QTabWidget>

namespace tessel::test {
namespace {

class GridCopyInWindow : public LoggedInWindow {};

TEST_F(GridCopyInWindow, EveryFilledGridCopiesItsSelectedRow) {
    int copied = 0;
    for (GridView* grid : form->findChildren<GridView*>()) {
        if (grid->RowCount() == 0) {
            continue;
        }
        const std::string name = grid->objectName().toStdString();
        QStringList header;
        QStringList last;
        const int row = grid->RowCount() - 1;
        for (int c = 0; c < grid->Model()->columnCount(); ++c) {
            if (!grid->isColumnHidden(c)) {
                header << grid->Model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
                last << grid->Cell(row, c);
            }
        }
        QGuiApplication::clipboard()->clear();
        grid->selectRow(row);
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
        const QString text = QGuiApplication::clipboard()->text();
        const QStringList lines = text.split('\n');
        ASSERT_EQ(lines.size(), 3) << name << ": " << text.toStdString();
        EXPECT_EQ(lines[0], header.join('\t')) << name;
        EXPECT_EQ(lines[1].split('\t'), last) << name;
        EXPECT_TRUE(lines[2].isEmpty()) << name;
        ++copied;
    }
    // The lab router fills at least the address, interface and routing grids.
    EXPECT_GE(copied, 3);
}

}  // namespace
}  // namespace tessel::test
