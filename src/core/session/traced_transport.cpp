#include "core/session/traced_transport.hpp"

#include <chrono>

namespace tessel {

namespace {

std::int64_t MicrosecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() -
                                                                 start)
        .count();
}

}  // namespace

SnmpTransport TracedTransport(SnmpTransport inner, const TraceLog& log) {
    SnmpTransport traced;
    traced.get = [get = std::move(inner.get), &log](const std::string& oid,
                                                    const std::string& community,
                                                    const std::string& host, std::string& value) {
        const auto start = std::chrono::steady_clock::now();
        const bool ok = get(oid, community, host, value);
        SnmpTraceRecord record{SnmpExchangeKind::Get, host, oid, {}, ok, value, 0};
        record.microseconds = MicrosecondsSince(start);
        log.Write(SnmpTraceText(record));
        return ok;
    };
    traced.getNext = [getNext = std::move(inner.getNext), &log](
                         std::string& oid, const std::string& community, const std::string& host,
                         std::string& value) {
        const std::string requested = oid;
        const auto start = std::chrono::steady_clock::now();
        const bool ok = getNext(oid, community, host, value);
        SnmpTraceRecord record{SnmpExchangeKind::GetNext, host, requested, oid, ok, value, 0};
        record.microseconds = MicrosecondsSince(start);
        log.Write(SnmpTraceText(record));
        return ok;
    };
    return traced;
}

SnmpTransport WithTrace(SnmpTransport transport, const TraceLog* log) {
    if (log != nullptr) {
        return TracedTransport(std::move(transport), *log);
    }
    return transport;
}

}  // namespace tessel
