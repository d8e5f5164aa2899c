#include "core/csv.hpp"

namespace tessel {

namespace {

bool NeedsQuotes(std::string_view cell) {
    return cell.find_first_of(",\"\r\n") != std::string_view::npos;
}

}  // namespace

std::string CsvText(const CsvRows& rows) {
    std::string out;
    for (const std::vector<std::string>& row : rows) {
        for (std::size_t column = 0; column < row.size(); ++column) {
            if (column > 0) {
                out.push_back(',');
            }
            const std::string& cell = row[column];
            if (!NeedsQuotes(cell)) {
                out += cell;
                continue;
            }
            out.push_back('"');
            for (const char c : cell) {
                if (c == '"') {
                    out.push_back('"');
                }
                out.push_back(c);
            }
            out.push_back('"');
        }
        out += "\r\n";
    }
    return out;
}

bool ParseCsv(std::string_view text, CsvRows& rows) {
    rows.clear();
    std::size_t at = 0;
    const std::size_t size = text.size();
    while (at < size) {
        std::vector<std::string>& row = rows.emplace_back();
        // One cell per pass; the record ends at a line end or the text's end.
        while (true) {
            std::string& cell = row.emplace_back();
            if (at < size && text[at] == '"') {
                ++at;
                while (true) {
                    if (at >= size) {
                        return false;  // the quote never closes
                    }
                    if (text[at] == '"') {
                        if (at + 1 < size && text[at + 1] == '"') {
                            cell.push_back('"');
                            at += 2;
                            continue;
                        }
                        ++at;
                        break;
                    }
                    cell.push_back(text[at++]);
                }
            } else {
                while (at < size && text[at] != ',' && text[at] != '\r' && text[at] != '\n') {
                    if (text[at] == '"') {
                        return false;
                    }
                    cell.push_back(text[at++]);
                }
            }
            if (at >= size) {
                return true;
            }
            if (text[at] == ',') {
                ++at;
                continue;
            }
            if (text[at] == '\n') {
                ++at;
                break;
            }
            if (text[at] == '\r' && at + 1 < size && text[at + 1] == '\n') {
                at += 2;
                break;
            }
            return false;  // a bare CR, or text after a closing quote
        }
    }
    return true;
}

}  // namespace tessel
