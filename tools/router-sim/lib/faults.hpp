#pragma once

// Fault injection for tests of the manager's failure handling. All off by
// default; each is one command-line option (see the README).

#include <cstdint>
#include <string>

namespace tessel::sim {

enum class MalformedReply { None, Truncated, Garbage };

struct FaultSettings {
    std::uint64_t dropEvery = 0;  // drop every Nth SNMP request (0: never)
    double dropFraction = 0.0;    // drop this share of requests, seeded
    std::uint64_t seed = 1;
    int delayMs = 0;      // delay every SNMP reply
    bool silent = false;  // never answer SNMP
    MalformedReply malformed = MalformedReply::None;
    std::uint64_t faultsAfter = 0;       // the SNMP faults start with request N+1
    std::size_t consoleChunkBytes = 0;   // split console output into pieces of N bytes
    bool consoleChunkRandom = false;     // ... or of seeded sizes 1..ConsoleChunkMax
    bool chunkAfterLogin = false;        // leave the login dialogue whole
    std::size_t closeAfterCommands = 0;  // close the console after N commands
    bool refuseConsole = false;          // nothing listens on the console port
    // Not a fault but a slow link: every SNMP reply and every console chunk
    // leaves this late, from the first request on (--faults-after does not
    // apply).
    int replyDelayMs = 0;
};

// Decides which SNMP requests to drop; deterministic for a given seed.
class DropPolicy {
  public:
    explicit DropPolicy(const FaultSettings& faults) : faults_(faults), state_(faults.seed) {}

    // Called once per received request, in order.
    bool Drop();
    std::uint64_t Count() const { return count_; }
    // Whether the request counted last falls after --faults-after.
    bool Faulty() const { return count_ > faults_.faultsAfter; }

  private:
    FaultSettings faults_;
    std::uint64_t count_ = 0;
    std::uint64_t state_;
};

// The largest piece of --console-chunk random.
inline constexpr std::size_t ConsoleChunkMax = 64;

// The sizes of the pieces split console output is written in: a fixed size,
// or a seeded sequence in 1..ConsoleChunkMax (deterministic per connection).
class ChunkSizer {
  public:
    explicit ChunkSizer(const FaultSettings& faults)
        : bytes_(faults.consoleChunkBytes),
          random_(faults.consoleChunkRandom),
          state_(faults.seed) {}

    bool Active() const { return random_ || bytes_ != 0; }
    std::size_t Next();

  private:
    std::size_t bytes_;
    bool random_;
    std::uint64_t state_;
};

// The reply as the fault asks it to be damaged.
std::string Damage(const std::string& reply, MalformedReply how, std::uint64_t salt);

}  // namespace tessel::sim
