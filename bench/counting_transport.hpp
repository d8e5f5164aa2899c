#pragma once

// SNMP transports for the load benchmark: one that counts every exchange the
// session makes on the way to the real client, and one that records what the
// router answered so that a page can later be read again without the
// network, leaving only our own work around the exchanges to time.

#include "core/session/session.hpp"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>

namespace tessel::bench {

struct ExchangeCounts {
    std::uint64_t gets = 0;
    std::uint64_t getNexts = 0;
    std::uint64_t failures = 0;

    std::uint64_t Total() const { return gets + getNexts; }
};

// Passes every exchange to `inner` and counts it in `counts`.
inline SnmpTransport CountingTransport(SnmpTransport inner,
                                       std::shared_ptr<ExchangeCounts> counts) {
    SnmpTransport t;
    t.get = [inner, counts](const std::string& oid, const std::string& community,
                            const std::string& host, std::string& value) {
        ++counts->gets;
        const bool ok = inner.get(oid, community, host, value);
        counts->failures += ok ? 0 : 1;
        return ok;
    };
    t.getNext = [inner, counts](std::string& oid, const std::string& community,
                                const std::string& host, std::string& value) {
        ++counts->getNexts;
        const bool ok = inner.getNext(oid, community, host, value);
        counts->failures += ok ? 0 : 1;
        return ok;
    };
    return t;
}

// The router's answers, keyed by the requested OID.
struct RecordedAnswers {
    struct Answer {
        bool ok = false;
        std::string oid;  // the returned OID of a GetNext
        std::string value;
    };
    std::map<std::string, Answer> gets;
    std::map<std::string, Answer> getNexts;
};

// Passes every exchange to `inner` and keeps its answer in `answers`.
inline SnmpTransport RecordingTransport(SnmpTransport inner,
                                        std::shared_ptr<RecordedAnswers> answers) {
    SnmpTransport t;
    t.get = [inner, answers](const std::string& oid, const std::string& community,
                             const std::string& host, std::string& value) {
        const bool ok = inner.get(oid, community, host, value);
        answers->gets[oid] = {ok, oid, value};
        return ok;
    };
    t.getNext = [inner, answers](std::string& oid, const std::string& community,
                                 const std::string& host, std::string& value) {
        const std::string asked = oid;
        const bool ok = inner.getNext(oid, community, host, value);
        answers->getNexts[asked] = {ok, oid, value};
        return ok;
    };
    return t;
}

// Answers from `answers` at once; a request that was never recorded fails.
inline SnmpTransport ReplayTransport(std::shared_ptr<const RecordedAnswers> answers) {
    SnmpTransport t;
    t.get = [answers](const std::string& oid, const std::string&, const std::string&,
                      std::string& value) {
        const auto found = answers->gets.find(oid);
        value = found == answers->gets.end() ? std::string() : found->second.value;
        return found != answers->gets.end() && found->second.ok;
    };
    t.getNext = [answers](std::string& oid, const std::string&, const std::string&,
                          std::string& value) {
        const auto found = answers->getNexts.find(oid);
        if (found == answers->getNexts.end() || !found->second.ok) {
            value.clear();
            return false;
        }
        oid = found->second.oid;
        value = found->second.value;
        return true;
    };
    return t;
}

}  // namespace tessel::bench
