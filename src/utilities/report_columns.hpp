#pragma once

// The core's column layouts, applied to a report grid. The core states
// captions, kinds and widths as plain data; this is the one place that turns
// them into the grid widget's own column type.

#include <QString>

#include <span>
#include <vector>

namespace tessel {

struct ReportColumn;
class TGridView;

// Sets grid's columns from layout.
void ApplyReportColumns(TGridView& grid, std::span<const ReportColumn> layout);

// A run of neighbouring columns under one group label ("INPUT" over the
// load meter's first four figures).
struct ColumnGroup {
    QString label;
    int first = 0;
    int last = 0;
};

// The runs of layout whose columns carry a group label, in column order.
std::vector<ColumnGroup> ReportColumnGroups(std::span<const ReportColumn> layout);

}  // namespace tessel
