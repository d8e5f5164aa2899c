#include "soak_transport.hpp"

#include "core/snmp/ber.hpp"
#include "core/snmp/snmp_client.hpp"
#include "core/snmp/snmp_send.hpp"

#include <optional>

namespace tessel::soak {

namespace {

constexpr int ClientTimeoutMs = 5000;

// One exchange as the client makes it, waiting timeoutMs for the reply.
std::optional<SnmpRec> Exchange(int timeoutMs, const std::string& oid, const std::string& community,
                                const std::string& host, std::uint8_t pduType) {
    SnmpSend snmp;
    snmp.TargetHost = host;
    snmp.TargetPort = SnmpDestinationPort();
    snmp.Timeout = timeoutMs;
    snmp.Query.Clear();
    if (pduType == ber::TagGetNextRequest) {
        ++snmp.Query.ID;
    }
    snmp.Query.Community = community;
    snmp.Query.PDUType = pduType;
    snmp.Query.AddBinding(oid, std::string(), ber::TagNull);
    if (!snmp.SendRequest()) {
        return std::nullopt;
    }
    return std::move(snmp.Reply);
}

}  // namespace

SnmpTransport SoakTransport::Transport() {
    return {[this](const std::string& oid, const std::string& community, const std::string& host,
                   std::string& value) { return Get(oid, community, host, value); },
            [this](std::string& oid, const std::string& community, const std::string& host,
                   std::string& value) { return GetNext(oid, community, host, value); }};
}

bool SoakTransport::Get(const std::string& oid, const std::string& community,
                        const std::string& host, std::string& value) {
    bool ok = false;
    if (timeoutMs_ == ClientTimeoutMs) {
        ok = SnmpGetValue(oid, community, host, value);
    } else {
        value.clear();
        const auto reply = Exchange(timeoutMs_, oid, community, host, ber::TagGetRequest);
        if (reply) {
            value = reply->ValueOf(oid);
        }
        ok = reply.has_value();
    }
    ++counts_.gets;
    counts_.getFailures += ok ? 0 : 1;
    counts_.getFailuresInRow = ok ? 0 : counts_.getFailuresInRow + 1;
    return ok;
}

bool SoakTransport::GetNext(std::string& oid, const std::string& community, const std::string& host,
                            std::string& value) {
    bool ok = false;
    if (timeoutMs_ == ClientTimeoutMs) {
        ok = SnmpGetNextValue(oid, community, host, value);
    } else {
        value.clear();
        const auto reply = Exchange(timeoutMs_, oid, community, host, ber::TagGetNextRequest);
        if (reply && reply->BindingCount() > 0) {
            oid = reply->Binding(0).OID;
            value = reply->Binding(0).Value;
        }
        ok = reply.has_value();
    }
    ++counts_.getNexts;
    counts_.getNextFailures += ok ? 0 : 1;
    return ok;
}

}  // namespace tessel::soak
