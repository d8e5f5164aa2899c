#pragma once

// The rows of a report grid as texts, one per cell. The grid is read-only for
// the operator; the pages fill it from code, often thousands of rows at once,
// so rows are appended in blocks with one model notification per block.

#include "widgets/grid_column.hpp"

#include <QAbstractTableModel>
#include <QStringList>

#include <vector>

namespace tessel {

class TGridModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    // The level of a Bars cell, -1 while the cell is empty (nothing drawn).
    static constexpr int BarsRole = Qt::UserRole + 1;

    explicit TGridModel(QObject* parent = nullptr);

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

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  private:
    QStringList Complete(const QStringList& cells) const;

    std::vector<GridColumn> columns_;
    std::vector<QStringList> rows_;
};

}  // namespace tessel
