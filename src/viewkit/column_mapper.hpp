#pragma once

// The core's column layouts, applied to a report grid. The core states
// captions, kinds and widths as plain data; this is the one place that turns
// them into the grid widget's own column type.

#include "widgets/grid_column.hpp"

#include <QString>

#include <span>
#include <string_view>
#include <vector>

namespace tessel {

struct ReportColumn;
class GridView;

// A caption of a layout (header, group label, default cell text). These are
// the program's own texts, in UTF-8 ("№" has no 8-bit form), not router text,
// so they do not go through the byte-for-byte bridge.
QString ReportCaption(std::string_view utf8);

// The grid widget's columns for layout; widths, where given (one per column),
// take the place of the layout's own.
std::vector<GridColumn> ReportGridColumns(std::span<const ReportColumn> layout,
                                          std::span<const int> widths = {});

// Sets grid's columns from layout.
void ApplyReportColumns(GridView& grid, std::span<const ReportColumn> layout);

// The runs of layout whose columns carry a group label, in column order.
std::vector<ColumnGroup> ReportColumnGroups(std::span<const ReportColumn> layout);

}  // namespace tessel
