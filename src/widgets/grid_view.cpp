#include "widgets/grid_view.hpp"

#include "widgets/grid_bar_delegate.hpp"

#include <QHeaderView>

namespace tessel {

TGridView::TGridView(QWidget* parent)
    : QTableView(parent), model_(new TGridModel(this)), bars_(new TGridBarDelegate(this)) {
    setModel(model_);
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

}  // namespace tessel
