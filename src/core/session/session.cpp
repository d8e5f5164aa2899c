#include "core/session/session.hpp"

#include "core/session/traced_transport.hpp"

namespace tessel {

Session::Session(SnmpTransport transport, const TraceLog* trace)
    : trace_(trace), transport_(WithTrace(std::move(transport), trace)) {}

void Session::SetTransport(SnmpTransport transport) {
    transport_ = WithTrace(std::move(transport), trace_);
}

void Session::SnmpGetCounted(const std::string& host, const std::string& community,
                             const std::string& oid, std::string& value) {
    if (accounting_.Suspended()) {
        return;
    }
    std::string read;
    if (transport_.get(oid, community, host, read)) {
        accounting_.RecordSuccess();
        value = std::move(read);
    } else {
        value.clear();
        if (accounting_.RecordFailure()) {
            const bool endSession = listener_ != nullptr && listener_->ErrorLimitReached();
            if (!endSession) {
                accounting_.Resume();
            }
        }
    }
    if (listener_ != nullptr) {
        listener_->RequestCountsChanged(accounting_.Sent(), accounting_.Errors(),
                                        accounting_.Row());
    }
}

void Session::GetCounted(const std::string& oid, std::string& value) {
    SnmpGetCounted(RouterHost, SnmpCommunity, oid, value);
}

bool Session::Get(const std::string& oid, std::string& value) {
    return transport_.get(oid, SnmpCommunity, RouterHost, value);
}

bool Session::GetNext(std::string& oid, std::string& value) {
    return transport_.getNext(oid, SnmpCommunity, RouterHost, value);
}

bool Session::Probe(const std::string& oid, const std::string& host, std::string& value) {
    return transport_.get(oid, SnmpCommunity, host, value);
}

}  // namespace tessel
