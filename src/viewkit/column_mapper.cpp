#include "viewkit/column_mapper.hpp"

#include "core/router/grid_columns.hpp"
#include "widgets/grid_view.hpp"

#include <QHeaderView>

#include <algorithm>

namespace tessel {

namespace {

GridColumnKind WidgetKind(ReportColumnKind kind) {
    switch (kind) {
        case ReportColumnKind::RowNumber:
            return GridColumnKind::RowNumber;
        case ReportColumnKind::CheckBox:
            return GridColumnKind::Check;
        case ReportColumnKind::LevelBar:
            return GridColumnKind::Bars;
        case ReportColumnKind::Text:
            break;
    }
    return GridColumnKind::Text;
}

}  // namespace

QString ReportCaption(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::vector<GridColumn> ReportGridColumns(std::span<const ReportColumn> layout,
                                          std::span<const int> widths) {
    std::vector<GridColumn> columns;
    columns.reserve(layout.size());
    for (std::size_t c = 0; c < layout.size(); ++c) {
        const ReportColumn& column = layout[c];
        GridColumn& widget = columns.emplace_back();
        widget.caption = ReportCaption(column.header);
        widget.kind = WidgetKind(column.kind);
        if (c < widths.size()) {
            widget.width = widths[c];
        } else if (column.width > 0) {
            widget.width = column.width;
        }
        widget.hidden = column.hidden;
        widget.defaultText = ReportCaption(column.defaultText);
    }
    return columns;
}

void ApplyReportColumns(GridView& grid, std::span<const ReportColumn> layout) {
    std::vector<GridColumn> columns = ReportGridColumns(layout);
    // Narrow columns (the link test's level figures are 20 pixels) must
    // not be widened by the header's own minimum.
    int narrowest = grid.horizontalHeader()->minimumSectionSize();
    for (const ReportColumn& column : layout) {
        if (column.width > 0) {
            narrowest = std::min(narrowest, column.width);
        }
    }
    grid.horizontalHeader()->setMinimumSectionSize(narrowest);
    grid.SetColumns(std::move(columns));
}

std::vector<ColumnGroup> ReportColumnGroups(std::span<const ReportColumn> layout) {
    std::vector<ColumnGroup> groups;
    for (std::size_t c = 0; c < layout.size(); ++c) {
        if (layout[c].group.empty()) {
            continue;
        }
        const QString label = ReportCaption(layout[c].group);
        const int column = static_cast<int>(c);
        if (!groups.empty() && groups.back().label == label && groups.back().last == column - 1) {
            groups.back().last = column;
        } else {
            groups.push_back({label, column, column});
        }
    }
    return groups;
}

}  // namespace tessel
