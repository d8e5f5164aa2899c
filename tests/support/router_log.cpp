#include "support/router_log.hpp"

#include <algorithm>
#include <fstream>
#include <optional>

namespace tessel::test {
namespace {

// A reader for the router's own output only: flat objects of strings,
// numbers and arrays of strings.
class Parser {
  public:
    explicit Parser(std::string_view text) : text_(text) {}

    std::optional<RouterLogEntry> Entry() {
        RouterLogEntry entry;
        if (!Take('{')) {
            return std::nullopt;
        }
        while (!Take('}')) {
            const std::optional<std::string> key = String();
            if (!key || !Take(':')) {
                return std::nullopt;
            }
            if (Peek() == '[') {
                ++at_;
                while (!Take(']')) {
                    std::optional<std::string> item = String();
                    if (!item) {
                        return std::nullopt;
                    }
                    entry.oids.push_back(std::move(*item));
                    Take(',');
                }
            } else {
                std::optional<std::string> value = Peek() == '"' ? String() : Bare();
                if (!value) {
                    return std::nullopt;
                }
                if (*key == "event") {
                    entry.event = *value;
                }
                entry.fields.emplace(*key, std::move(*value));
            }
            Take(',');
        }
        return entry;
    }

  private:
    char Peek() const { return at_ < text_.size() ? text_[at_] : '\0'; }
    bool Take(char c) {
        if (Peek() != c) {
            return false;
        }
        ++at_;
        return true;
    }

    std::optional<std::string> String() {
        if (!Take('"')) {
            return std::nullopt;
        }
        std::string out;
        while (at_ < text_.size() && text_[at_] != '"') {
            char c = text_[at_++];
            if (c == '\\' && at_ < text_.size()) {
                c = text_[at_++];
                if (c == 'u' && at_ + 4 <= text_.size()) {
                    c = static_cast<char>(
                        std::stoi(std::string(text_.substr(at_, 4)), nullptr, 16));
                    at_ += 4;
                }
            }
            out.push_back(c);
        }
        return Take('"') ? std::optional<std::string>(std::move(out)) : std::nullopt;
    }

    std::optional<std::string> Bare() {
        const std::size_t from = at_;
        while (at_ < text_.size() && text_[at_] != ',' && text_[at_] != '}') {
            ++at_;
        }
        return at_ < text_.size() ? std::optional<std::string>(text_.substr(from, at_ - from))
                                  : std::nullopt;
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

}  // namespace

std::string RouterLogEntry::Field(std::string_view field) const {
    const auto found = fields.find(field);
    return found != fields.end() ? found->second : std::string();
}

bool RouterLogEntry::AsksBelow(std::string_view prefix) const {
    return std::any_of(oids.begin(), oids.end(),
                       [&](const std::string& oid) { return oid.rfind(prefix, 0) == 0; });
}

RouterLog::RouterLog(const std::string& path) {
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        if (std::optional<RouterLogEntry> entry = Parser(line).Entry()) {
            entries_.push_back(std::move(*entry));
        }
    }
}

std::size_t RouterLog::Count(std::string_view event) const {
    return static_cast<std::size_t>(
        std::count_if(entries_.begin(), entries_.end(),
                      [&](const RouterLogEntry& e) { return e.event == event; }));
}

std::vector<std::string> RouterLog::Field(std::string_view event, std::string_view field) const {
    std::vector<std::string> values;
    for (const RouterLogEntry& entry : entries_) {
        if (entry.event == event && entry.Has(field)) {
            values.push_back(entry.Field(field));
        }
    }
    return values;
}

bool RouterLog::ReceivedLine(std::string_view line) const {
    const std::vector<std::string> lines = ConsoleLines();
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

std::size_t RouterLog::SnmpRequestsFor(std::string_view prefix) const {
    return static_cast<std::size_t>(std::count_if(
        entries_.begin(), entries_.end(),
        [&](const RouterLogEntry& e) { return e.event == "snmp" && e.AsksBelow(prefix); }));
}

}  // namespace tessel::test
