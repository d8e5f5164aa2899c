// Ctrl+C on a report grid: the selected rows as tab-separated text, header
// first, the columns the operator sees. The context menu: the same copy, and
// every row saved as CSV.

#include "core/csv.hpp"
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

// The file dialog answers from a script; failure boxes are recorded.
class ScriptedGridDialogs : public GridFileDialogs {
  public:
    ScriptedGridDialogs() { SetGridDialogs(this); }
    ~ScriptedGridDialogs() override { SetGridDialogs(nullptr); }

    QString AskSavePath(QWidget*, const QString&, const QString&) override {
        ++asked;
        return path;
    }
    void ReportSaveFailure(QWidget*, const QString& text, const QString& caption) override {
        failures.push_back(caption + "|" + text);
    }

    QString path;
    int asked = 0;
    QStringList failures;
};

class GridMenu : public GridCopy {
  protected:
    ~GridMenu() override {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            popup->close();
        }
    }

    // The menu as the keyboard opens it.
    QMenu* OpenFromKeyboard(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        view.setFocus();
        QTest::keyClick(&view, key, modifiers);
        return qobject_cast<QMenu*>(QApplication::activePopupWidget());
    }

    static QAction* Action(QMenu* menu, const QString& text) {
        for (QAction* action : menu->actions()) {
            if (action->text() == text) {
                return action;
            }
        }
        return nullptr;
    }

    // The saved file read back, cells as the grid holds them.
    static std::vector<QStringList> ReadCsv(const QString& path) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            return {};
        }
        const QByteArray bytes = file.readAll();
        CsvRows rows;
        EXPECT_TRUE(ParseCsv(std::string_view(bytes.constData(), bytes.size()), rows));
        std::vector<QStringList> out;
        for (const auto& row : rows) {
            QStringList& cells = out.emplace_back();
            for (const std::string& cell : row) {
                cells.append(QString::fromStdString(cell));
            }
        }
        return out;
    }

    ScriptedGridDialogs dialogs;
    QTemporaryDir folder;
};

TEST_F(GridMenu, TheKeyboardMenuOffersCopyAsCtrlCAndSaveAtTheCurrentCell) {
    view.selectRow(2);
    CtrlC();
    const QString copied = Clipboard();
    QApplication::clipboard()->setText(QStringLiteral("before"));

    for (const auto& [key, modifiers] :
         {std::pair{Qt::Key_Menu, Qt::KeyboardModifiers(Qt::NoModifier)},
          std::pair{Qt::Key_F10, Qt::KeyboardModifiers(Qt::ShiftModifier)}}) {
        QMenu* menu = OpenFromKeyboard(key, modifiers);
        ASSERT_NE(menu, nullptr) << key;
        QStringList texts;
        for (QAction* action : menu->actions()) {
            texts.append(action->text());
        }
        EXPECT_EQ(texts, (QStringList{"Copy", QString::fromUtf8("Save as CSV\u2026")}));
        const QRect cell = view.visualRect(view.currentIndex());
        EXPECT_EQ(menu->pos(), view.viewport()->mapToGlobal(cell.center()));
        menu->close();
    }

    QMenu* menu = OpenFromKeyboard(Qt::Key_Menu);
    ASSERT_NE(menu, nullptr);
    Action(menu, "Copy")->trigger();
    EXPECT_EQ(Clipboard(), copied);
    EXPECT_EQ(dialogs.asked, 0);
}

TEST_F(GridMenu, CopyIsOfferedOnlyForASelection) {
    view.clearSelection();
    std::unique_ptr<QMenu> menu(view.CreateContextMenu());
    EXPECT_FALSE(Action(menu.get(), "Copy")->isEnabled());
    EXPECT_TRUE(Action(menu.get(), QString::fromUtf8("Save as CSV\u2026"))->isEnabled());
}

TEST_F(GridMenu, SaveWritesEveryRowAsCsvThatReadsBackCellForCell) {
    // Texts that break naive quoting, and characters beyond ASCII.
    const QStringList hostile{"a,b",
                              "say \"hi\"",
                              "line\nfeed",
                              "cr\ronly",
                              "crlf\r\nend",
                              "  padded  ",
                              "",
                              QString::fromLatin1("caf\xe9 \xff"),
                              QString::fromUtf8("\xe2\x82\xac"),
                              QString(QChar(0)) + "nul"};
    view.Clear();
    for (const QString& text : hostile) {
        view.AppendRow({"", text, "5", "true", "hidden"});
    }
    view.SetCell(0, 3, "x,\"y\"\r\n");
    view.clearSelection();  // the whole grid is saved, selection or not
    dialogs.path = folder.filePath("grid.csv");
    Action(OpenFromKeyboard(Qt::Key_Menu), QString::fromUtf8("Save as CSV\u2026"))->trigger();
    EXPECT_EQ(dialogs.asked, 1);
    EXPECT_TRUE(dialogs.failures.isEmpty());

    const std::vector<QStringList> rows = ReadCsv(dialogs.path);
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(hostile.size()) + 1);
    EXPECT_EQ(rows[0], (QStringList{"", "MAC-address", "Signal", "RMA"}));
    for (int row = 0; row < view.RowCount(); ++row) {
        // The hidden column stays out, as with Ctrl+C.
        EXPECT_EQ(rows[static_cast<std::size_t>(row) + 1],
                  (QStringList{QString::number(row + 1), view.Cell(row, 1), view.Cell(row, 2),
                               view.Cell(row, 3)}))
            << row;
    }
    QFile file(dialogs.path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith(
        ",MAC-address,Signal,RMA\r\n1,\"a,b\",5,\"x,\"\"y\"\"\r\n\"\r\n"));
}

TEST_F(GridMenu, AFailedSaveIsReportedAndACancelledOneWritesNothing) {
    // A folder cannot be replaced by the file.
    dialogs.path = folder.path();
    view.SaveAsCsv();
    ASSERT_EQ(dialogs.failures.size(), 1);
    EXPECT_TRUE(dialogs.failures[0].startsWith("Error|Could not save " + folder.path()))
        << dialogs.failures[0].toStdString();

    dialogs.path.clear();
    view.SaveAsCsv();
    EXPECT_EQ(dialogs.asked, 2);
    EXPECT_EQ(dialogs.failures.size(), 1);
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

}  // namespace
}  // namespace tessel
