#include "core/router/rma_test.hpp"

#include "core/console/reply_columns.hpp"

namespace tessel {

std::optional<std::string> RmaTestCommand(std::string_view interfaceName, std::string_view mac,
                                          std::string_view packetLength, bool multicast) {
    if (interfaceName.empty()) {
        return std::nullopt;
    }
    std::string line = "rma ";
    line += interfaceName;
    line += " test ";
    line += mac;
    line += ' ';
    line += packetLength;
    if (multicast) {
        line += " mcast ";
    }
    return line;
}

bool IsRmaTestRowChunk(std::string_view chunk) {
    const auto has = [chunk](std::string_view part) {
        return chunk.find(part) != std::string_view::npos;
    };
    if (has("test") || has("replies")) {
        return false;
    }
    return has("%") && has("(") && has(")") && has(" ");
}

std::array<std::string, 11> RmaTestCells(const std::vector<std::string>& tokens) {
    std::array<std::string, 11> cells;
    std::size_t column = 1;
    for (const auto& token : tokens) {
        if (column >= cells.size()) {
            break;
        }
        cells[column] = token;
        // A level goes into its number column and into the bar beside it.
        if (column == 2 || column == 4) {
            cells[++column] = token;
        }
        ++column;
    }
    return cells;
}

std::optional<std::array<std::string, 11>> RmaTestRowOf(std::string_view chunk) {
    if (!IsRmaTestRowChunk(chunk)) {
        return std::nullopt;
    }
    return RmaTestCells(ReplyColumns(chunk, RmaTestTokenLimit));
}

std::span<const ReportColumn> RmaTestGridColumns() {
    using enum ReportColumnKind;
    static constexpr std::array<ReportColumn, 11> Columns = {{
        {"№", RowNumber, 32},
        {"Replies", Text, 54},
        {"", Text, 20},
        {"Lev->", LevelBar, 55, {}, "0"},
        {"", Text, 20},
        {"Lev->", LevelBar, 55, {}, "0"},
        {"LostIn", Text, 54},
        {"LostOut", Text, 60},
        {"Quality", Text, 45},
        {"Time", Text, 57},
        {"Repeats", Text, 70},
    }};
    return Columns;
}

}  // namespace tessel
