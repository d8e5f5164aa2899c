#include "widgets/grid_model.hpp"

#include "core/entry_key.hpp"

#include <QItemSelectionModel>
#include <QSignalBlocker>

#include <algorithm>
#include <utility>

namespace tessel {

GridModel::GridModel(QObject* parent) : QAbstractTableModel(parent) {}

void GridModel::SetColumns(std::vector<GridColumn> columns) {
    beginResetModel();
    columns_ = std::move(columns);
    rows_.clear();
    keeping_ = false;
    endResetModel();
}

QStringList GridModel::Complete(const QStringList& cells) const {
    QStringList row;
    row.reserve(static_cast<qsizetype>(columns_.size()));
    for (std::size_t c = 0; c < columns_.size(); ++c) {
        const auto i = static_cast<qsizetype>(c);
        if (columns_[c].kind == GridColumnKind::RowNumber) {
            row.append(QString());
        } else if (i < cells.size()) {
            row.append(cells[i]);
        } else {
            row.append(columns_[c].defaultText);
        }
    }
    return row;
}

void GridModel::AppendRow(const QStringList& cells) {
    AppendRows({cells});
}

void GridModel::AppendRows(const std::vector<QStringList>& rows) {
    if (rows.empty()) {
        RestoreKeptRow();
        return;
    }
    const int first = static_cast<int>(rows_.size());
    beginInsertRows({}, first, first + static_cast<int>(rows.size()) - 1);
    rows_.reserve(rows_.size() + rows.size());
    for (const QStringList& cells : rows) {
        rows_.push_back(Complete(cells));
    }
    endInsertRows();
    RestoreKeptRow();
}

void GridModel::SetCell(int row, int column, const QString& text) {
    if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount()) {
        return;
    }
    rows_[static_cast<std::size_t>(row)][column] = text;
    const QModelIndex at = index(row, column);
    emit dataChanged(at, at);
}

QString GridModel::Cell(int row, int column) const {
    if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount()) {
        return {};
    }
    if (columns_[static_cast<std::size_t>(column)].kind == GridColumnKind::RowNumber) {
        return QString::number(row + 1);
    }
    return rows_[static_cast<std::size_t>(row)][column];
}

void GridModel::KeepCurrentRowIn(QItemSelectionModel* selection) {
    selection_ = selection;
}

void GridModel::SetKeyColumns(std::vector<int> columns) {
    keyColumns_ = std::move(columns);
}

std::vector<std::string> GridModel::KeyOf(int row) const {
    std::vector<std::string> key;
    key.reserve(keyColumns_.size());
    for (int column : keyColumns_) {
        key.push_back(Cell(row, column).toStdString());
    }
    return key;
}

void GridModel::Clear() {
    if (rows_.empty()) {
        return;
    }
    if (selection_ != nullptr && !keeping_) {
        const QModelIndex current = selection_->currentIndex();
        // Only a row the operator sees highlighted is a choice to keep.
        if (current.isValid() && selection_->isSelected(current)) {
            keeping_ = true;
            keptRow_ = current.row();
            keptColumn_ = current.column();
            keptKey_ = KeyOf(keptRow_);
        }
    }
    beginResetModel();
    rows_.clear();
    endResetModel();
}

std::optional<int> GridModel::KeptRowNow() const {
    if (keyColumns_.empty()) {
        return keptRow_ < rowCount() ? std::optional<int>(keptRow_) : std::nullopt;
    }
    std::vector<EntryKey> keys;
    keys.reserve(rows_.size());
    for (int row = 0; row < rowCount(); ++row) {
        keys.push_back(KeyOf(row));
    }
    const auto row = RowHoldingKey(keys, keptKey_);
    return row ? std::optional<int>(static_cast<int>(*row)) : std::nullopt;
}

void GridModel::RestoreKeptRow() {
    if (!std::exchange(keeping_, false) || selection_ == nullptr ||
        selection_->currentIndex().isValid()) {
        return;
    }
    const std::optional<int> row = KeptRowNow();
    if (!row) {
        return;
    }
    {
        const QSignalBlocker quiet(selection_);
        selection_->setCurrentIndex(index(*row, keptColumn_), QItemSelectionModel::ClearAndSelect |
                                                                  QItemSelectionModel::Rows);
    }
    // The view learns of selections from the blocked signals: repaint the row.
    emit dataChanged(index(*row, 0), index(*row, columnCount() - 1));
}

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) {
        return {};
    }
    const GridColumn& column = columns_[static_cast<std::size_t>(index.column())];
    const QString text = Cell(index.row(), index.column());
    switch (column.kind) {
        case GridColumnKind::Check:
            if (role == Qt::CheckStateRole) {
                return text == QLatin1String("true") ? Qt::Checked : Qt::Unchecked;
            }
            return {};
        case GridColumnKind::Bars:
            if (role == BarsRole) {
                bool ok = false;
                const int level = text.trimmed().toInt(&ok);
                return ok ? std::clamp(level, 0, GridMaxBars) : -1;
            }
            return {};
        case GridColumnKind::Number:
        case GridColumnKind::RowNumber:
            if (role == Qt::TextAlignmentRole) {
                return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
            }
            break;
        case GridColumnKind::Text:
            break;
    }
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
        return text;
    }
    return {};
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < columnCount()) {
        return columns_[static_cast<std::size_t>(section)].caption;
    }
    return {};
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

}  // namespace tessel
