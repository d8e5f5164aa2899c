#pragma once

// A scripted SnmpReader for testing the page read sequences without a router.
// Values live in a table keyed by OID text; GetNext walks it in numeric OID
// order, as an agent would. Every call is recorded so that a test can assert
// the exact sequence of reads a page makes.

#include "core/snmp/snmp_reader.hpp"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace tessel::test {

// Numeric arc order, so that "1.3.6.1.2.1.4.21.1.1.10.0.0.9" sorts before
// "1.3.6.1.2.1.4.21.1.1.10.0.0.10".
struct OidLess {
    static std::vector<std::uint64_t> Arcs(const std::string& oid) {
        std::vector<std::uint64_t> arcs;
        std::uint64_t arc = 0;
        for (const char c : oid) {
            if (c == '.') {
                arcs.push_back(arc);
                arc = 0;
            } else {
                arc = arc * 10 + static_cast<std::uint64_t>(c - '0');
            }
        }
        arcs.push_back(arc);
        return arcs;
    }
    bool operator()(const std::string& a, const std::string& b) const { return Arcs(a) < Arcs(b); }
};

class RecordingReader : public SnmpReader {
  public:
    struct Call {
        char kind;  // 'C' counted Get, 'G' uncounted Get, 'N' GetNext
        std::string oid;
    };

    std::map<std::string, std::string, OidLess> values;
    std::vector<Call> calls;
    bool failAll = false;  // every exchange fails (as on a time-out)

    void Set(const std::string& oid, const std::string& value) { values[oid] = value; }

    void GetCounted(const std::string& oid, std::string& value) override {
        calls.push_back({'C', oid});
        value = Lookup(oid);
    }

    bool Get(const std::string& oid, std::string& value) override {
        calls.push_back({'G', oid});
        value = Lookup(oid);
        return !failAll;
    }

    bool GetNext(std::string& oid, std::string& value) override {
        calls.push_back({'N', oid});
        value.clear();
        if (failAll) {
            return false;
        }
        const auto next = values.upper_bound(oid);
        if (next == values.end()) {
            return true;  // noSuchName with the binding echoed: same OID, empty value
        }
        oid = next->first;
        value = next->second;
        return true;
    }

    // The OIDs of the recorded calls of one kind, in order.
    std::vector<std::string> Oids(char kind) const {
        std::vector<std::string> out;
        for (const auto& call : calls) {
            if (call.kind == kind) {
                out.push_back(call.oid);
            }
        }
        return out;
    }

  private:
    std::string Lookup(const std::string& oid) const {
        if (failAll) {
            return {};
        }
        const auto it = values.find(oid);
        return it == values.end() ? std::string() : it->second;
    }
};

}  // namespace tessel::test
