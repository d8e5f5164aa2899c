#pragma once

// Rows of cells as comma-separated values (RFC 4180), the form a grid is
// saved in: every line ends in CRLF, and a cell that holds a comma, a quote,
// a CR or an LF is quoted with its quotes doubled, so that any cell text
// reads back exactly as it was written.

#include <string>
#include <string_view>
#include <vector>

namespace tessel {

using CsvRows = std::vector<std::vector<std::string>>;

// One record per row, each ending in "\r\n"; cell bytes pass unchanged
// (whatever encoding they are in stays that encoding).
std::string CsvText(const CsvRows& rows);

// Reads text back into rows. A final record without its line end counts;
// outside quotes, a bare LF ends a record too. False, with rows holding what
// was read so far, when a quote stands inside an unquoted cell, a quoted cell
// is followed by anything but a comma or a line end, a quoted cell never
// closes, or a bare CR stands outside quotes.
bool ParseCsv(std::string_view text, CsvRows& rows);

}  // namespace tessel
