#include "core/router/arp_parse.hpp"

#include <array>

#include "core/text.hpp"

namespace tessel {

namespace {

constexpr std::string_view LineEnd = "\r\n";
constexpr std::size_t ShortChunkLength = 15;
constexpr std::size_t ShortLineLength = 20;

// The lines of the reply body in order, capped at ArpLineLimit. Views into
// body: the split is one pass, whatever the reply's size.
std::vector<std::string_view> SplitLines(std::string_view body) {
    std::vector<std::string_view> lines;
    while (lines.size() < ArpLineLimit) {
        const auto end = body.find(LineEnd);
        if (end == std::string_view::npos) {
            // What follows the last line end is a line only when it is an
            // entry, so that the prompt closing the reply is left out.
            if (body.find(" via ") != std::string_view::npos) {
                lines.push_back(body);
            }
            break;
        }
        lines.push_back(body.substr(0, end));
        body.remove_prefix(end + LineEnd.size());
    }
    return lines;
}

ArpRow RowOf(std::string_view line) {
    return {TextAfterLast(line, " "), TextBefore(line, " "),
            TextBefore(TextAfter(line, "at "), " ")};
}

}  // namespace

std::optional<std::vector<ArpRow>> ParseArpChunk(std::string_view chunk) {
    if (chunk.size() <= ShortChunkLength) {
        return std::nullopt;
    }
    const std::string body = chunk.find("[K\r\n") != std::string_view::npos
                                 ? TextAfter(chunk, "[K\r\n")
                                 : TextBeforeLast(TextAfter(chunk, LineEnd), LineEnd);
    std::vector<ArpRow> rows;
    for (const auto line : SplitLines(body)) {
        if (line.size() > ShortLineLength) {
            rows.push_back(RowOf(line));
        }
    }
    return rows;
}

std::span<const ReportColumn> ArpGridColumns() {
    static constexpr std::array<ReportColumn, 4> Columns = {{
        {"", ReportColumnKind::RowNumber, 27},
        {"Interface", ReportColumnKind::Text, 59},
        {"IP-address", ReportColumnKind::Text, 122},
        {"MAC-address", ReportColumnKind::Text, 149},
    }};
    return Columns;
}

}  // namespace tessel
