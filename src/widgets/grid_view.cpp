#include "widgets/grid_view.hpp"

#include "core/csv.hpp"
#include "core/tab_separated.hpp"
#include "widgets/grid_bar_delegate.hpp"
#include "widgets/grid_file_dialogs.hpp"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

namespace tessel {

GridView::GridView(QWidget* parent)
    : QTableView(parent), model_(new GridModel(this)), bars_(new GridBarDelegate(this)) {
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
    // Also reached from the keyboard (Menu key, Shift+F10).
    setContextMenuPolicy(Qt::DefaultContextMenu);
    connect(this, &QTableView::clicked, this,
            [this](const QModelIndex& index) { emit CellClicked(index.row(), index.column()); });
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid()) {
                    emit RowChosen(current.row());
                }
            });
}

void GridView::SetColumns(std::vector<GridColumn> columns) {
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

void GridView::ScrollToLastRow() {
    if (RowCount() > 0) {
        scrollTo(model_->index(RowCount() - 1, 0));
    }
}

int GridView::SelectedRow() const {
    // Ctrl+click takes the highlight off the current row, which stays current.
    const QModelIndex current = currentIndex();
    return current.isValid() && selectionModel()->isSelected(current) ? current.row() : -1;
}

void GridView::Unselect() {
    setCurrentIndex({});
    clearSelection();
}

void GridView::mousePressEvent(QMouseEvent* event) {
    const int before = SelectedRow();
    QTableView::mousePressEvent(event);
    // Pressing the selected row moves nothing, yet the operator chose it again
    // (to get back what the page showed of it before an edit).
    const QModelIndex at = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && at.isValid() && at.row() == before &&
        SelectedRow() == before) {
        emit RowChosen(before);
    }
}

std::vector<std::vector<std::string>> GridView::VisibleCells(const std::set<int>* rows) const {
    std::vector<int> columns;
    for (int c = 0; c < model_->columnCount(); ++c) {
        if (!isColumnHidden(c)) {
            columns.push_back(c);
        }
    }
    // UTF-8 on the way through: the cells may hold any character.
    std::vector<std::vector<std::string>> table;
    table.reserve((rows != nullptr ? rows->size() : static_cast<std::size_t>(RowCount())) + 1);
    auto& header = table.emplace_back();
    for (int c : columns) {
        header.push_back(model_->Columns()[static_cast<std::size_t>(c)].caption.toStdString());
    }
    const auto addRow = [&](int row) {
        auto& line = table.emplace_back();
        for (int c : columns) {
            line.push_back(model_->Cell(row, c).toStdString());
        }
    };
    if (rows != nullptr) {
        for (int row : *rows) {
            addRow(row);
        }
    } else {
        for (int row = 0; row < RowCount(); ++row) {
            addRow(row);
        }
    }
    return table;
}

QString GridView::SelectedRowsText() const {
    std::set<int> rows;
    for (const QModelIndex& index : selectionModel()->selection().indexes()) {
        rows.insert(index.row());
    }
    if (rows.empty()) {
        return {};
    }
    return QString::fromStdString(TabSeparatedText(VisibleCells(&rows)));
}

void GridView::CopySelectedRows() const {
    const QString text = SelectedRowsText();
    if (!text.isEmpty()) {
        QGuiApplication::clipboard()->setText(text);
    }
}

QByteArray GridView::CsvBytes() const {
    const std::string text = CsvText(VisibleCells(nullptr));
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

bool GridView::SaveCsv(const QString& path, QString& error) const {
    return WriteWholeFile(path, CsvBytes(), error);
}

void GridView::SaveAsCsv() {
    SaveThroughDialog(this, QStringLiteral("Save as CSV"),
                      QStringLiteral("CSV files (*.csv);;All files (*)"),
                      [this](const QString& path, QString& error) { return SaveCsv(path, error); });
}

QMenu* GridView::CreateContextMenu() {
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("GridMenu"));
    QAction* copy = menu->addAction(QStringLiteral("Copy"), this, &GridView::CopySelectedRows);
    copy->setEnabled(selectionModel()->hasSelection());
    menu->addAction(QStringLiteral("Save as CSV\u2026"), this, &GridView::SaveAsCsv);
    return menu;
}

void GridView::contextMenuEvent(QContextMenuEvent* event) {
    QPoint at = event->globalPos();
    if (event->reason() == QContextMenuEvent::Keyboard) {
        // From the keyboard the menu belongs to the current cell, not to
        // wherever the mouse happens to rest.
        const QRect cell = visualRect(currentIndex());
        at = viewport()->mapToGlobal(cell.isValid() ? cell.center() : QPoint(0, 0));
    }
    QMenu* menu = CreateContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(at);
    event->accept();
}

void GridView::keyPressEvent(QKeyEvent* event) {
    // The item view's own copy takes only the current cell.
    if (event->matches(QKeySequence::Copy)) {
        CopySelectedRows();
        event->accept();
        return;
    }
    // Not every platform turns these keys into a context menu request.
    if ((event->key() == Qt::Key_Menu && event->modifiers() == Qt::NoModifier) ||
        (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier)) {
        QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(0, 0),
                                  mapToGlobal(QPoint(0, 0)), event->modifiers());
        contextMenuEvent(&request);
        return;
    }
    QTableView::keyPressEvent(event);
}

}  // namespace tessel
