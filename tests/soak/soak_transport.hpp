#pragma once

// The session's SNMP exchanges for the soak: the real wire code (SnmpSend,
// the same encoder and decoder as the program) with a time-out the soak
// chooses, and counts of every exchange and its outcome so that the window's
// own accounting can be checked against what really happened.

#include "core/session/session.hpp"

namespace tessel::soak {

struct ExchangeCounts {
    long gets = 0;
    long getFailures = 0;
    long getNexts = 0;
    long getNextFailures = 0;
    long getFailuresInRow = 0;  // 0 after any successful Get
};

class SoakTransport {
  public:
    // The program's own client at its 5000 ms time-out, else the same wire
    // code waiting timeoutMs, so that dropped requests cost less time.
    explicit SoakTransport(int timeoutMs) : timeoutMs_(timeoutMs) {}

    // Valid while this object lives.
    SnmpTransport Transport();

    const ExchangeCounts& Counts() const { return counts_; }

  private:
    bool Get(const std::string& oid, const std::string& community, const std::string& host,
             std::string& value);
    bool GetNext(std::string& oid, const std::string& community, const std::string& host,
                 std::string& value);

    int timeoutMs_;
    ExchangeCounts counts_;
};

}  // namespace tessel::soak
