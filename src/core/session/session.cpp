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
    if (Exchange(oid, community, host, read)) {
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
    return !Refused() && Exchange(oid, SnmpCommunity, RouterHost, value);
}

bool Session::GetNext(std::string& oid, std::string& value) {
    return !Refused() && ExchangeNext(oid, value);
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
    return Exchange(oid, SnmpCommunity, host, value);
}

bool Session::Exchange(const std::string& oid, const std::string& community,
                       const std::string& host, std::string& value) {
    const bool ok = transport_.get(oid, community, host, value);
    if (!ok && listener_ != nullptr) {
        listener_->ExchangeFailed(SnmpExchangeKind::Get, oid, host);
    }
    return ok;
}

bool Session::ExchangeNext(std::string& oid, std::string& value) {
    // A failed exchange leaves oid as it was asked for.
    const bool ok = transport_.getNext(oid, SnmpCommunity, RouterHost, value);
    if (!ok && listener_ != nullptr) {
        listener_->ExchangeFailed(SnmpExchangeKind::GetNext, oid, RouterHost);
    }
    return ok;
}

}  // namespace tessel
