#include "core/tab_separated.hpp"

namespace tessel {

std::string TabSeparatedText(const std::vector<std::vector<std::string>>& rows) {
    std::string out;
    for (const std::vector<std::string>& row : rows) {
        for (std::size_t column = 0; column < row.size(); ++column) {
            if (column > 0) {
                out.push_back('\t');
            }
            for (const char c : row[column]) {
                out.push_back(c == '\t' || c == '\r' || c == '\n' ? ' ' : c);
            }
        }
        out.push_back('\n');
    }
    return out;
}

}  // namespace tessel
