#pragma once

// The rows of a report grid as texts, one per cell. The grid is read-only for
// the operator; the pages fill it from code, often thousands of rows at once,
// so rows are appended in blocks with one model notification per block.

#include "widgets/grid_column.hpp"

#include <QAbstractTableModel>
#include <QPointer>
#include <QStringList>

#include <optional>
#include <string>
#include <vector>

class QItemSelectionModel;

namespace tessel {

class GridModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    // The level of a Bars cell, -1 while the cell is empty (nothing drawn).
    static constexpr int BarsRole = Qt::UserRole + 1;

    explicit GridModel(QObject* parent = nullptr);

    void SetColumns(std::vector<GridColumn> columns);
    const std::vector<GridColumn>& Columns() const { return columns_; }

    // cells gives the values in column order; the row-number column takes no
    // value (pass anything or leave it out of a shorter list). Missing cells
    // take their column's default.
    void AppendRow(const QStringList& cells);
    void AppendRows(const std::vector<QStringList>& rows);
    void SetCell(int row, int column, const QString& text);
    QString Cell(int row, int column) const;
    void Clear();

    // The pages refill a grid by Clear() and then its rows; the operator's
    // choice is to survive that, although the reset drops the selection
    // model's current index. The first rows appended after a Clear() re-select
    // the row chosen before it, unless something else became current
    // meanwhile, without announcing a new choice (the page's select-cell
    // handlers do not run: the page still shows that row). Which row: by
    // default the same row number, as a string grid keeps its row; with key
    // columns the row that holds the same entry, and none when it is gone.
    void KeepCurrentRowIn(QItemSelectionModel* selection);
    // The columns whose texts name a row's entry (a MAC address, an address).
    void SetKeyColumns(std::vector<int> columns);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  private:
    QStringList Complete(const QStringList& cells) const;
    // The texts of row in the key columns.
    std::vector<std::string> KeyOf(int row) const;
    // Where the row chosen before the last Clear() is now.
    std::optional<int> KeptRowNow() const;
    void RestoreKeptRow();

    std::vector<GridColumn> columns_;
    std::vector<QStringList> rows_;
    std::vector<int> keyColumns_;
    QPointer<QItemSelectionModel> selection_;
    bool keeping_ = false;
    int keptRow_ = -1;
    int keptColumn_ = 0;
    std::vector<std::string> keptKey_;
};

}  // namespace tessel
