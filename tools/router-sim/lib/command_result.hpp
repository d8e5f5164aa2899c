#pragma once

// What one console command did: the text to answer with, whether the router
// state changed (the agent's store then needs a rebuild), and whether a
// report stream starts or the connection ends.

#include <cstdint>
#include <string>

#include "ipv4.hpp"

namespace tessel::sim {

enum class StreamKind { None, LoadMeter, LinkTest };

struct StreamRequest {
    StreamKind kind = StreamKind::None;
    int intervalSeconds = 1;
    std::uint32_t ifIndex = 0;  // load meter: the interface measured
    bool kiloBytes = false;     // load meter: KBytes instead of kbit/s
    std::uint32_t radio = 0;    // link test: radio number
    Mac peer{};                 // link test: remote unit
    int packetLength = 0;
    bool multicast = false;
};

struct CommandResult {
    std::string output;  // lines, each ending in CR LF
    bool changed = false;
    bool close = false;
    StreamRequest stream;
};

}  // namespace tessel::sim
