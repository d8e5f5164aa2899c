#pragma once

// The column tokenizer of the load-meter and link-test reports.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tessel {

// Scans one received chunk (up to its first NUL) for tokens separated by
// spaces and CR. The character right after the one that ended a token is
// never examined, so columns are expected to be at least two spaces apart
// and CR LF counts as one separator. deliver returns false to stop the scan.
// A token that runs into the end of the chunk is delivered too.
void ScanReplyColumns(std::string_view chunk,
                      const std::function<bool(std::string_view token)>& deliver);

// At most limit tokens of the chunk, in order.
std::vector<std::string> ReplyColumns(std::string_view chunk, std::size_t limit);

}  // namespace tessel
