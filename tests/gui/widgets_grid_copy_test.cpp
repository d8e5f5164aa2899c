// Ctrl+C on a report grid: the selected rows as tab-separated text, header
// first, the columns the operator sees. The context menu: the same copy, and
// every row saved as CSV.

#include "core/csv.hpp"
#include "scripted_file_dialogs.hpp"
#include "widgets/grid_file_dialogs.hpp"
#include "widgets/grid_view.hpp"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QItemSelectionModel>
#include <QMenu>
#include <QTemporaryDir>
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

    GridView view;
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

class GridMenu : public GridCopy {
  protected:
    // The menu as the keyboard opens it, its two actions checked.
    QMenu* OpenFromKeyboard(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        view.setFocus();
        QTest::keyClick(&view, key, modifiers);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu != nullptr) {
            QStringList texts;
            for (QAction* action : menu->actions()) {
                texts.append(action->text());
            }
            EXPECT_EQ(texts, (QStringList{"Copy", QString::fromUtf8("Save as CSV\u2026")}));
        }
        return menu;
    }

    test::ScriptedFileDialogs dialogs;
    QTemporaryDir folder;
};

TEST_F(GridMenu, TheKeyboardMenuPopsAtTheCurrentCellAndCopiesAsCtrlC) {
    view.selectRow(2);
    CtrlC();
    const QString copied = Clipboard();
    QApplication::clipboard()->setText(QStringLiteral("before"));

    for (const auto& [key, modifiers] :
         {std::pair{Qt::Key_Menu, Qt::KeyboardModifiers(Qt::NoModifier)},
          std::pair{Qt::Key_F10, Qt::KeyboardModifiers(Qt::ShiftModifier)}}) {
        QMenu* menu = OpenFromKeyboard(key, modifiers);
        ASSERT_NE(menu, nullptr) << key;
        const QRect cell = view.visualRect(view.currentIndex());
        EXPECT_EQ(menu->pos(), view.viewport()->mapToGlobal(cell.center()));
        menu->close();
    }
    OpenFromKeyboard(Qt::Key_Menu)->actions()[0]->trigger();
    EXPECT_EQ(Clipboard(), copied);
    EXPECT_EQ(dialogs.asked, 0);

    // Without a selection there is nothing to copy.
    view.clearSelection();
    std::unique_ptr<QMenu> menu(view.CreateContextMenu());
    EXPECT_FALSE(menu->actions()[0]->isEnabled());
}

TEST_F(GridMenu, SaveWritesEveryRowAsCsvThatReadsBackCellForCell) {
    const QStringList hostile{"a,b",
                              "say \"hi\"",
                              "line\nfeed",
                              "cr\ronly",
                              "crlf\r\n",
                              "  padded  ",
                              "",
                              QString::fromLatin1("caf\xe9 \xff"),
                              QString(QChar(0)) + "nul"};
    view.Clear();
    for (const QString& text : hostile) {
        view.AppendRow({"", text, "5", "true", "hidden"});
    }
    view.clearSelection();  // the whole grid is saved, selection or not
    dialogs.path = folder.filePath("grid.csv");
    QMenu* menu = OpenFromKeyboard(Qt::Key_Menu);
    ASSERT_NE(menu, nullptr);
    menu->actions()[1]->trigger();
    EXPECT_EQ(dialogs.asked, 1);
    EXPECT_TRUE(dialogs.failures.isEmpty());

    QFile file(dialogs.path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith(",MAC-address,Signal,RMA\r\n1,\"a,b\",5,true\r\n"));
    CsvRows rows;
    ASSERT_TRUE(ParseCsv(std::string_view(bytes.constData(), bytes.size()), rows));
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(view.RowCount()) + 1);
    for (int row = 0; row < view.RowCount(); ++row) {
        // UTF-8 in the file; the hidden column stays out, as with Ctrl+C.
        const auto& line = rows[static_cast<std::size_t>(row) + 1];
        ASSERT_EQ(line.size(), 4u);
        EXPECT_EQ(QString::fromStdString(line[1]), hostile[row]) << row;
    }
}

TEST_F(GridMenu, AFailedSaveIsReportedAndACancelledOneWritesNothing) {
    dialogs.path = folder.path();  // a folder cannot become the file
    view.SaveAsCsv();
    ASSERT_EQ(dialogs.failures.size(), 1);
    EXPECT_TRUE(dialogs.failures[0].startsWith("Error|Could not save " + folder.path()));

    dialogs.path.clear();
    view.SaveAsCsv();
    EXPECT_EQ(dialogs.asked, 2);
    EXPECT_EQ(dialogs.failures.size(), 1);
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

}  // namespace
}  // namespace tessel
