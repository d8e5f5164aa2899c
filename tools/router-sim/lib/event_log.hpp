#pragma once

// The "--log FILE" record: one JSON object per line, flushed line by line so
// that a test can read what the router has received so far. Bytes outside
// printable ASCII are written as \u00XX (their Latin-1 code points).

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tessel::sim {

std::string JsonString(std::string_view bytes);

class EventLog {
  public:
    // Disabled unless Open succeeds.
    bool Open(const std::string& path);
    bool Enabled() const { return file_ != nullptr; }

    // fields: pairs of a key and an already-encoded JSON value.
    void Write(std::string_view event,
               const std::vector<std::pair<std::string, std::string>>& fields);

  private:
    struct Closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, Closer> file_;
};

}  // namespace tessel::sim
