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
    if (Refused()) {
        return;
    }
    std::string read;
    if (transport_.get(oid, community, host, read)) {
        accounting_.RecordSuccess();
        value = std::move(read);
    } else {
        value.clear();
        // Past the limit the accounting suspends the reads that follow.
        accounting_.RecordFailure();
    }
    ShowCounts();
}

void Session::GetCounted(const std::string& oid, std::string& value) {
    SnmpGetCounted(RouterHost, SnmpCommunity, oid, value);
}

bool Session::Get(const std::string& oid, std::string& value) {
    return !Refused() && transport_.get(oid, SnmpCommunity, RouterHost, value);
}

bool Session::GetNext(std::string& oid, std::string& value) {
    return !Refused() && transport_.getNext(oid, SnmpCommunity, RouterHost, value);
}

void Session::ResumeReads() {
    accounting_.Resume();
    ShowCounts();
}

bool Session::Refused() {
    if (!accounting_.Suspended()) {
        return false;
    }
    accounting_.RecordSkipped();
    return true;
}

void Session::ShowCounts() {
    if (listener_ != nullptr) {
        listener_->RequestCountsChanged(accounting_.Sent(), accounting_.Errors(),
                                        accounting_.Row());
    }
}

bool Session::Probe(const std::string& oid, const std::string& host, std::string& value) {
    return transport_.get(oid, SnmpCommunity, host, value);
}

}  // namespace tessel
