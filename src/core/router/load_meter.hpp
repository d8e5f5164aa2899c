#pragma once

// The load meter: the "loadm" line that starts it and the grid rows made of
// its periodic reports.

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/router/grid_columns.hpp"

namespace tessel {

// Shown instead of starting when the router reported no interface to name.
inline constexpr std::string_view LoadMeterNoInterfaceText =
    "There is no interface to measure: the router reported none.";

// "loadm ", then " -B " for kilobytes, then " -w ", the interval as typed,
// " " and the interface: the pieces give the double spaces the router
// expects ("loadm  -w 1 eth0", "loadm  -B  -w 1 eth0"). Nothing without an
// interface, which the router cannot measure.
std::optional<std::string> LoadMeterCommand(bool kilobytes, std::string_view interval,
                                            std::string_view interfaceName);

// A report chunk makes a row unless it carries the "[K" screen control of a
// redraw.
bool IsLoadMeterRowChunk(std::string_view chunk);

// The scan asks for this many tokens of a chunk.
inline constexpr std::size_t LoadMeterTokenLimit = 11;

// Grid cells by column for the tokens of one report: the first token is not
// shown, tokens 2..11 fill columns 1..10. Missing tokens leave their cells
// empty; column 0 is the grid's own row number and stays empty here.
std::array<std::string, 11> LoadMeterCells(const std::vector<std::string>& tokens);

// The row one received chunk adds while the meter reports, or nothing for a
// redraw chunk: the chunk scanned into columns and mapped as above.
std::optional<std::array<std::string, 11>> LoadMeterRowOf(std::string_view chunk);

// "№", then cur/avg/max/pckts under "INPUT" and "OUTPUT", sum/pckts under
// "TOTAL".
std::span<const ReportColumn> LoadMeterGridColumns();

}  // namespace tessel
