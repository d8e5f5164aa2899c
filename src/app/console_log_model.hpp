#pragma once

// The console log as a table for a view: one row per entry, in the log's
// order, with a marker column, the time of day, the kind and the text.
// Rows follow the log by its count of appended entries, so a view over
// twenty thousand lines only learns of the rows that came and went.

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>

#include <cstdint>
#include <string>

namespace tessel {

class ConsoleLog;
struct ConsoleLogEntry;

class ConsoleLogModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Column { MarkColumn, TimeColumn, KindColumn, TextColumn, ColumnCount };

    explicit ConsoleLogModel(const ConsoleLog& log, QObject* parent = nullptr);

    // Catches up with the log: rows dropped at the front (the log's bound,
    // or Clear) are removed, new entries inserted at the back.
    void Sync();

    // The entry of a row; nullptr for a row the log no longer holds.
    const ConsoleLogEntry* Entry(int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    QVariant DisplayText(const ConsoleLogEntry& entry, int column) const;

    const ConsoleLog& log_;
    // The log's number (counted by Appended) of the entry in row 0.
    std::uint64_t first_ = 0;
    int rows_ = 0;
};

// The rows whose text matches the filter box as the log itself matches
// (ConsoleLogEntryMatches); new rows are judged as they come.
class ConsoleLogFilterModel : public QSortFilterProxyModel {
    Q_OBJECT
  public:
    ConsoleLogFilterModel(ConsoleLogModel& source, QObject* parent = nullptr);

    // The router's 8-bit text to look for; empty shows every row.
    void SetNeedle(std::string needle);

  protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

  private:
    ConsoleLogModel& source_;
    std::string needle_;
};

}  // namespace tessel
