#pragma once

// The read-only report grid of the pages: a header with captions, whole-row
// selection, columns that cannot be moved, typed columns (see GridColumn).

#include "widgets/grid_model.hpp"

#include <QTableView>

#include <set>
#include <string>
#include <utility>
#include <vector>

class QMenu;

namespace tessel {

class GridBarDelegate;

class GridView : public QTableView {
    Q_OBJECT
  public:
    explicit GridView(QWidget* parent = nullptr);

    void SetColumns(std::vector<GridColumn> columns);

    void AppendRow(const QStringList& cells) { model_->AppendRow(cells); }
    void AppendRows(const std::vector<QStringList>& rows) { model_->AppendRows(rows); }
    void SetCell(int row, int column, const QString& text) { model_->SetCell(row, column, text); }
    QString Cell(int row, int column) const { return model_->Cell(row, column); }
    int RowCount() const { return model_->rowCount(); }
    void Clear() { model_->Clear(); }
    void ScrollToLastRow();

    // The row the operator selected (the highlighted one), -1 when none.
    int SelectedRow() const;
    // No row selected, as after the operator let go of the row's entry.
    void Unselect();
    // A refill keeps the selected entry, known by its texts in these columns,
    // wherever it lands (see GridModel::KeepCurrentRowIn).
    void SetKeyColumns(std::vector<int> columns) { model_->SetKeyColumns(std::move(columns)); }

    // The selected rows as tab-separated text, header row first, visible
    // columns only; empty when no row is selected.
    QString SelectedRowsText() const;
    // Ctrl+C: SelectedRowsText to the clipboard (left alone when empty).
    void CopySelectedRows() const;

    // Every row, header first, visible columns only, as CSV in UTF-8.
    QByteArray CsvBytes() const;
    // Writes CsvBytes to path whole or not at all; false with error set when
    // the file could not be written.
    bool SaveCsv(const QString& path, QString& error) const;
    // "Save as CSV…": asks for the file, saves, tells the operator when the
    // file could not be written.
    void SaveAsCsv();

    // The context menu: "Copy" (as Ctrl+C) and "Save as CSV…". The caller
    // owns it.
    QMenu* CreateContextMenu();

    GridModel* Model() const { return model_; }

  signals:
    // The operator clicked a cell (row and column of the model).
    void CellClicked(int row, int column);
    // The operator chose row: moved to it (mouse or keyboard), or pressed it
    // again while it was the selected one. Once per choice; a refill that
    // keeps the selected entry chooses nothing.
    void RowChosen(int row);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    // rows (all when null) of the visible columns as UTF-8 cells, header first.
    std::vector<std::vector<std::string>> VisibleCells(const std::set<int>* rows) const;

    GridModel* model_;
    GridBarDelegate* bars_;
};

}  // namespace tessel
