#include "widgets/grid_view.hpp"

#include "core/tab_separated.hpp"
#include "widgets/grid_bar_delegate.hpp"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>

#include <set>

namespace tessel {

TGridView::TGridView(QWidget* parent)
    : QTableView(parent), model_(new TGridModel(this)), bars_(new TGridBarDelegate(this)) {
    setModel(model_);
    model_->KeepCurrentRowIn(selectionModel());
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAlternatingRowColors(false);
    setWordWrap(false);
    horizontalHeader()->setSectionsMovable(false);
    horizontalHeader()->setHighlightSections(false);
    // Fixed row heights: appending thousands of rows must not measure each.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    verticalHeader()->hide();
    connect(this, &QTableView::clicked, this,
            [this](const QModelIndex& index) { emit CellClicked(index.row(), index.column()); });
}

void TGridView::SetColumns(std::vector<GridColumn> columns) {
    model_->SetColumns(std::move(columns));
    const auto& set = model_->Columns();
    for (int c = 0; c < static_cast<int>(set.size()); ++c) {
        const GridColumn& column = set[static_cast<std::size_t>(c)];
        setColumnWidth(c, column.width);
        setColumnHidden(c, column.hidden);
        setItemDelegateForColumn(c, column.kind == GridColumnKind::Bars ? bars_ : nullptr);
        horizontalHeader()->setSectionResizeMode(c, QHeaderView::Interactive);
    }
}

void TGridView::ScrollToLastRow() {
    if (RowCount() > 0) {
        scrollTo(model_->index(RowCount() - 1, 0));
    }
}

int TGridView::SelectedRow() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

QString TGridView::SelectedRowsText() const {
    std::set<int> rows;
    for (const QModelIndex& index : selectionModel()->selection().indexes()) {
        rows.insert(index.row());
    }
    if (rows.empty()) {
        return {};
    }
    std::vector<int> columns;
    for (int c = 0; c < model_->columnCount(); ++c) {
        if (!isColumnHidden(c)) {
            columns.push_back(c);
        }
    }
    // UTF-8 on the way through: the cells may hold any character.
    std::vector<std::vector<std::string>> table;
    table.reserve(rows.size() + 1);
    auto& header = table.emplace_back();
    for (int c : columns) {
        header.push_back(model_->Columns()[static_cast<std::size_t>(c)].caption.toStdString());
    }
    for (int row : rows) {
        auto& line = table.emplace_back();
        for (int c : columns) {
            line.push_back(model_->Cell(row, c).toStdString());
        }
    }
    return QString::fromStdString(TabSeparatedText(table));
}

void TGridView::CopySelectedRows() const {
    const QString text = SelectedRowsText();
    if (!text.isEmpty()) {
        QGuiApplication::clipboard()->setText(text);
    }
}

void TGridView::keyPressEvent(QKeyEvent* event) {
    // The item view's own copy takes only the current cell.
    if (event->matches(QKeySequence::Copy)) {
        CopySelectedRows();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

}  // namespace tessel
