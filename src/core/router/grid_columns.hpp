#pragma once

// Column layouts of the report grids, as data, so that a view only applies
// them to its grid widget. Headers and group labels are UTF-8 (the "№" sign
// has no 8-bit form); they are captions, never router text.

#include <span>
#include <string_view>

namespace tessel {

enum class ReportColumnKind {
    RowNumber,  // 1, 2, 3 ... filled by the grid itself
    Text,
    CheckBox,  // cells hold "true" or "false"
    LevelBar,  // a bar 0..16 drawn from the cell's number
};

struct ReportColumn {
    std::string_view header;
    ReportColumnKind kind = ReportColumnKind::Text;
    int width = 0;                // pixels; 0 leaves the grid's default
    std::string_view group = {};  // label standing above a run of columns
    std::string_view defaultText = {};
    bool hiddenWhenEmpty = false;  // a bar that is not drawn until written
    bool hidden = false;
};

}  // namespace tessel
