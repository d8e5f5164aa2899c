#pragma once

// The agent's view of the router: every object instance with its value, kept
// sorted by numeric OID so that Get is a binary search and GetNext is an
// upper bound, both O(log n). The store is rebuilt from the router state
// after a change, never per request.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "oid.hpp"

namespace tessel::sim {

// Values that move with time are computed when a reply is built.
enum class LiveKind : std::uint8_t {
    None,
    UpTime,   // TimeTicks since the agent started
    CpuLoad,  // a Gauge around `base` that drifts every few seconds
    Rate,     // a Counter: base + perSecond * seconds of uptime, wrapping at 2^32
};

struct MibValue {
    std::uint8_t tag = 0x05;
    std::string content;  // BER content octets of a fixed value
    LiveKind live = LiveKind::None;
    std::uint32_t base = 0;
    std::uint32_t perSecond = 0;
};

MibValue IntegerValue(std::int64_t value);
MibValue TextValue(std::string_view bytes);
MibValue IpValue(std::uint32_t address);
MibValue CounterValue(std::uint32_t value);
MibValue GaugeValue(std::uint32_t value);
MibValue TicksValue(std::uint32_t value);
MibValue OidValue(const Oid& oid);
MibValue RateCounter(std::uint32_t base, std::uint32_t perSecond);

// The content octets of a value at the given uptime (hundredths of a second).
std::string ValueContent(const MibValue& value, std::uint64_t upTimeTicks);

struct MibEntry {
    Oid oid;
    std::string encodedOid;  // cached BER content of oid, for replies
    MibValue value;
};

class MibStore {
  public:
    void Clear() {
        entries_.clear();
        lastNext_ = 0;
    }
    void Add(Oid oid, MibValue value);
    // Sorts; a later Add of the same OID replaces an earlier one.
    void Finish();

    const MibEntry* Find(const Oid& oid) const;
    // The first instance strictly after oid, or nullptr past the end.
    const MibEntry* Next(const Oid& oid) const;

    std::size_t Size() const { return entries_.size(); }
    const std::vector<MibEntry>& Entries() const { return entries_; }

  private:
    std::vector<MibEntry> entries_;
    // Position of the last GetNext answer: a walk asks for exactly that
    // instance next, so its successor is found without a search.
    mutable std::size_t lastNext_ = 0;
};

}  // namespace tessel::sim
