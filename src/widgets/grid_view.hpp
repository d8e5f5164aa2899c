#pragma once

// The read-only report grid of the pages: a header with captions, whole-row
// selection, columns that cannot be moved, typed columns (see GridColumn).

#include "widgets/grid_model.hpp"

#include <QTableView>

namespace tessel {

class TGridBarDelegate;

class TGridView : public QTableView {
    Q_OBJECT
  public:
    explicit TGridView(QWidget* parent = nullptr);

    void SetColumns(std::vector<GridColumn> columns);

    void AppendRow(const QStringList& cells) { model_->AppendRow(cells); }
    void AppendRows(const std::vector<QStringList>& rows) { model_->AppendRows(rows); }
    void SetCell(int row, int column, const QString& text) { model_->SetCell(row, column, text); }
    QString Cell(int row, int column) const { return model_->Cell(row, column); }
    int RowCount() const { return model_->rowCount(); }
    void Clear() { model_->Clear(); }
    void ScrollToLastRow();

    // The row the operator selected, -1 when none.
    int SelectedRow() const;

    // The selected rows as tab-separated text, header row first, visible
    // columns only; empty when no row is selected.
    QString SelectedRowsText() const;
    // Ctrl+C: SelectedRowsText to the clipboard (left alone when empty).
    void CopySelectedRows() const;

    TGridModel* Model() const { return model_; }

  signals:
    // The operator clicked a cell (row and column of the model).
    void CellClicked(int row, int column);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    TGridModel* model_;
    TGridBarDelegate* bars_;
};

}  // namespace tessel
