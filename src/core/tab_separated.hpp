#pragma once

// Rows of cells as tab-separated text, the form spreadsheets and editors
// accept from the clipboard.

#include <string>
#include <vector>

namespace tessel {

// One line per row, cells joined by TAB, every line ending in "\n" (an empty
// list gives the empty text). A TAB, CR or LF inside a cell becomes a space so
// that the cell cannot split its row or its line.
std::string TabSeparatedText(const std::vector<std::vector<std::string>>& rows);

}  // namespace tessel
