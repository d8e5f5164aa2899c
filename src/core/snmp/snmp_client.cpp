#include "core/snmp/snmp_client.hpp"

#include "core/snmp/ber.hpp"
#include "core/snmp/snmp_send.hpp"

#include <utility>

namespace tessel {

namespace {

// The records and buffers of an exchange keep their capacity from call to
// call on this thread, which spares a dozen allocations per call. Nothing
// else carries over: the socket is closed at the end of every call (so each
// call still sends from a fresh one), and every field a call depends on is
// set anew.
SnmpSend& ThreadExchange() {
    thread_local SnmpSend snmp;
    return snmp;
}

class CloseAtEnd {
  public:
    explicit CloseAtEnd(UdpBlockSocket& socket) : socket_(socket) {}
    CloseAtEnd(const CloseAtEnd&) = delete;
    CloseAtEnd& operator=(const CloseAtEnd&) = delete;
    ~CloseAtEnd() { socket_.Close(); }

  private:
    UdpBlockSocket& socket_;
};

// Runs one exchange for oid with the given PDU type. Exceptions (only an
// allocation failure can raise one) count as a failed exchange: callers are
// promised a flag, never a throw.
template <typename OnReply>
bool Exchange(const std::string& oid, const std::string& community, const std::string& host,
              const std::string& port, int timeoutMs, std::uint8_t pduType, OnReply onReply) {
    try {
        SnmpSend& snmp = ThreadExchange();
        const CloseAtEnd closer(snmp.Sock);
        snmp.TargetHost = host;
        snmp.TargetPort = port;
        snmp.Timeout = timeoutMs;
        snmp.Query.Clear();
        // A fresh record starts at 1; a GetNext raises it to 2.
        snmp.Query.ID = pduType == ber::TagGetNextRequest ? 2 : 1;
        snmp.Query.Community = community;
        snmp.Query.PDUType = pduType;
        snmp.Query.AddBinding(oid, std::string(), ber::TagNull);
        if (!snmp.SendRequest()) {
            return false;
        }
        onReply(snmp.Reply);
        return true;
    } catch (...) {
        return false;
    }
}

}  // namespace

bool SnmpGetValue(const std::string& oid, const std::string& community, const std::string& host,
                  const std::string& port, std::string& value, int timeoutMs) {
    value.clear();
    const bool ok = Exchange(oid, community, host, port, timeoutMs, ber::TagGetRequest,
                             [&](const SnmpRec& reply) { value = reply.ValueOf(oid); });
    if (!ok) {
        value.clear();
    }
    return ok;
}

bool SnmpGetNextValue(std::string& oid, const std::string& community, const std::string& host,
                      const std::string& port, std::string& value, int timeoutMs) {
    value.clear();
    std::string nextOid;
    std::string nextValue;
    bool found = false;
    const bool ok = Exchange(oid, community, host, port, timeoutMs, ber::TagGetNextRequest,
                             [&](SnmpRec& reply) {
                                 // The reply dies with the exchange: take its texts rather than
                                 // copy them.
                                 if (reply.BindingCount() > 0) {
                                     nextOid = std::move(reply.Binding(0).OID);
                                     nextValue = std::move(reply.Binding(0).Value);
                                     found = true;
                                 }
                             });
    if (ok && found) {
        // Swapping cannot throw, so the caller's texts change together or not at all.
        oid.swap(nextOid);
        value.swap(nextValue);
    }
    return ok;
}

bool SnmpGetValue(const std::string& oid, const std::string& community, const std::string& host,
                  std::string& value) {
    return SnmpGetValue(oid, community, host, SnmpDestinationPort(), value);
}

bool SnmpGetNextValue(std::string& oid, const std::string& community, const std::string& host,
                      std::string& value) {
    return SnmpGetNextValue(oid, community, host, SnmpDestinationPort(), value);
}

}  // namespace tessel
