#include "viewkit/append_rows.hpp"

namespace tessel {

void AppendRow(GridView& grid, std::span<const std::string> cells) {
    grid.AppendRow(CellTexts(cells));
}

}  // namespace tessel
