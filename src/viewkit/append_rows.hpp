#pragma once

// Rows of router text into a report grid: the one place where a page's core
// rows become the grid's QStringList rows, cell by cell through the text
// bridge. Cells are by column, column 0 first; a row-number column is the
// grid's own, so its cell is usually left empty.

#include "viewkit/text_bridge.hpp"
#include "widgets/grid_view.hpp"

#include <QStringList>

#include <iterator>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tessel {

// The cells a mapper returns for one row: any text that views as bytes
// (std::string members, literals), e.g. `return Cells{{}, row.name, row.mtu};`.
using Cells = std::vector<std::string_view>;

// One row's cells as grid text.
template <typename CellRange>
QStringList CellTexts(const CellRange& cells) {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(std::size(cells)));
    for (const auto& cell : cells) {
        texts.append(ToQString(std::string_view(cell)));
    }
    return texts;
}

// Every row in one block: a table of ten thousand rows must not relayout the
// grid ten thousand times. cellsOf(row) gives the row's cells by column.
template <typename Rows, typename CellsOf>
void AppendRows(GridView& grid, const Rows& rows, CellsOf cellsOf) {
    std::vector<QStringList> block;
    block.reserve(std::size(rows));
    for (const auto& row : rows) {
        block.push_back(CellTexts(cellsOf(row)));
    }
    grid.AppendRows(block);
}

// Rows that are their cells already (an array of texts per row).
template <typename Rows>
void AppendRows(GridView& grid, const Rows& rows) {
    AppendRows(
        grid, rows, [](const auto& row) -> const auto& { return row; });
}

// One row, e.g. one report of a running utility.
void AppendRow(GridView& grid, std::span<const std::string> cells);

}  // namespace tessel
