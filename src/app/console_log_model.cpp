#include "app/console_log_model.hpp"

#include "core/session/console_log.hpp"
#include "core/session/trace.hpp"
#include "viewkit/text_bridge.hpp"

#include <QBrush>
#include <QFont>

#include <algorithm>

namespace tessel {

namespace {

// The log's number of its oldest entry.
std::uint64_t FirstHeld(const ConsoleLog& log) {
    return log.Appended() - log.Entries().size();
}

}  // namespace

ConsoleLogModel::ConsoleLogModel(const ConsoleLog& log, QObject* parent)
    : QAbstractTableModel(parent), log_(log), first_(FirstHeld(log)) {
    Sync();
}

void ConsoleLogModel::Sync() {
    const std::uint64_t held = FirstHeld(log_);
    if (held > first_ && rows_ > 0) {
        const auto gone = static_cast<int>(std::min<std::uint64_t>(held - first_, rows_));
        beginRemoveRows(QModelIndex(), 0, gone - 1);
        first_ += static_cast<std::uint64_t>(gone);
        rows_ -= gone;
        endRemoveRows();
    }
    if (rows_ == 0) {
        first_ = std::max(first_, held);
    }
    const auto total = static_cast<int>(log_.Appended() - first_);
    if (total > rows_) {
        beginInsertRows(QModelIndex(), rows_, total - 1);
        rows_ = total;
        endInsertRows();
    }
}

const ConsoleLogEntry* ConsoleLogModel::Entry(int row) const {
    const std::uint64_t number = first_ + static_cast<std::uint64_t>(row);
    const std::uint64_t held = FirstHeld(log_);
    if (row < 0 || number < held || number >= log_.Appended()) {
        return nullptr;
    }
    return &log_.Entries()[static_cast<std::size_t>(number - held)];
}

int ConsoleLogModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int ConsoleLogModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ConsoleLogModel::data(const QModelIndex& index, int role) const {
    const ConsoleLogEntry* entry = index.isValid() ? Entry(index.row()) : nullptr;
    if (entry == nullptr) {
        return {};
    }
    switch (role) {
        case Qt::DisplayRole:
            return DisplayText(*entry, index.column());
        case Qt::FontRole:
            if (entry->marked) {
                QFont bold;
                bold.setBold(true);
                return bold;
            }
            return {};
        case Qt::ForegroundRole:
            return entry->marked ? QVariant(QBrush(Qt::darkRed)) : QVariant();
        case Qt::ToolTipRole:
            return entry->marked && index.column() == MarkColumn
                       ? QVariant(QStringLiteral("The router said more than the command's echo"))
                       : QVariant();
        default:
            return {};
    }
}

QVariant ConsoleLogModel::DisplayText(const ConsoleLogEntry& entry, int column) const {
    switch (column) {
        case MarkColumn:
            return entry.marked ? QStringLiteral("!") : QString();
        case TimeColumn:
            return ToQString(TimeOfDayText(entry.time));
        case KindColumn:
            return ToQString(ConsoleLogKindText(entry.kind));
        case TextColumn:
            return ToQString(entry.text);
        default:
            return {};
    }
}

QVariant ConsoleLogModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    switch (section) {
        case TimeColumn:
            return QStringLiteral("Time");
        case KindColumn:
            return QStringLiteral("Kind");
        case TextColumn:
            return QStringLiteral("Text");
        default:
            return QString();
    }
}

ConsoleLogFilterModel::ConsoleLogFilterModel(ConsoleLogModel& source, QObject* parent)
    : QSortFilterProxyModel(parent), source_(source) {
    setSourceModel(&source);
}

void ConsoleLogFilterModel::SetNeedle(std::string needle) {
    needle_ = std::move(needle);
    invalidateFilter();
}

bool ConsoleLogFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
    const ConsoleLogEntry* entry = source_.Entry(sourceRow);
    return entry != nullptr && ConsoleLogEntryMatches(*entry, needle_);
}

}  // namespace tessel
