#pragma once

// One column of a report grid: its caption, what kind of value it holds, and
// its width in pixels.

#include <QString>

namespace tessel {

enum class GridColumnKind {
    RowNumber,  // 1, 2, 3 ... filled by the grid itself
    Text,
    Number,  // right-aligned text
    Check,   // the texts "true" and "false", shown as a check box
    Bars,    // a level 0..16 shown as bars; nothing shown while empty
};

struct GridColumn {
    QString caption;
    GridColumnKind kind = GridColumnKind::Text;
    int width = 64;
    bool hidden = false;
    QString defaultText;  // what an appended row holds when it gives no value
};

// The highest level a Bars column shows.
inline constexpr int GridMaxBars = 16;

// A run of neighbouring columns under one group label ("INPUT" over the
// load meter's first four figures).
struct ColumnGroup {
    QString label;
    int first = 0;
    int last = 0;
};

}  // namespace tessel
