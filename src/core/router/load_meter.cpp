#include "core/router/load_meter.hpp"

#include "core/console/reply_columns.hpp"

namespace tessel {

std::optional<std::string> LoadMeterCommand(bool kilobytes, std::string_view interval,
                                            std::string_view interfaceName) {
    if (interfaceName.empty()) {
        return std::nullopt;
    }
    std::string line = "loadm ";
    if (kilobytes) {
        line += " -B ";
    }
    line += " -w ";
    line += interval;
    line += ' ';
    line += interfaceName;
    return line;
}

bool IsLoadMeterRowChunk(std::string_view chunk) {
    return chunk.find("[K") == std::string_view::npos;
}

std::array<std::string, 11> LoadMeterCells(const std::vector<std::string>& tokens) {
    std::array<std::string, 11> cells;
    for (std::size_t token = 2; token <= LoadMeterTokenLimit && token <= tokens.size(); ++token) {
        cells[token - 1] = tokens[token - 1];
    }
    return cells;
}

std::optional<std::array<std::string, 11>> LoadMeterRowOf(std::string_view chunk) {
    if (!IsLoadMeterRowChunk(chunk)) {
        return std::nullopt;
    }
    return LoadMeterCells(ReplyColumns(chunk, LoadMeterTokenLimit));
}

std::span<const ReportColumn> LoadMeterGridColumns() {
    using enum ReportColumnKind;
    static constexpr std::array<ReportColumn, 11> Columns = {{
        {"№", RowNumber, 27},
        {"cur", Text, 47, "INPUT"},
        {"avg", Text, 47, "INPUT"},
        {"max", Text, 47, "INPUT"},
        {"pckts", Text, 47, "INPUT"},
        {"cur", Text, 47, "OUTPUT"},
        {"avg", Text, 47, "OUTPUT"},
        {"max", Text, 47, "OUTPUT"},
        {"pckts", Text, 47, "OUTPUT"},
        {"sum", Text, 47, "TOTAL"},
        {"pckts", Text, 47, "TOTAL"},
    }};
    return Columns;
}

}  // namespace tessel
