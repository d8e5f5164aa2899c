#include "core/snapshot/snapshot_reader.hpp"

#include "core/session/traced_transport.hpp"

namespace tessel {

SnapshotReader::SnapshotReader(SnmpTransport transport, std::string host, std::string community,
                               const TraceLog* trace)
    : transport_(WithTrace(std::move(transport), trace)),
      host_(std::move(host)),
      community_(std::move(community)) {}

void SnapshotReader::GetCounted(const std::string& oid, std::string& value) {
    // As a suspended session does: nothing sent, the caller's text kept.
    if (failed_) {
        return;
    }
    std::string read;
    if (Count(transport_.get(oid, community_, host_, read), oid)) {
        value = std::move(read);
    } else {
        value.clear();
    }
}

bool SnapshotReader::Get(const std::string& oid, std::string& value) {
    if (failed_) {
        value.clear();
        return false;
    }
    return Count(transport_.get(oid, community_, host_, value), oid);
}

bool SnapshotReader::GetNext(std::string& oid, std::string& value) {
    if (failed_) {
        value.clear();
        return false;
    }
    const std::string asked = oid;
    return Count(transport_.getNext(oid, community_, host_, value), asked);
}

void SnapshotReader::BeginSection(std::string_view name) {
    section_.assign(name);
    sectionExchanges_ = 0;
}

bool SnapshotReader::Count(bool ok, const std::string& oid) {
    ++exchanges_;
    ++sectionExchanges_;
    if (!ok) {
        failed_ = true;
        failedOid_ = oid;
        failedSection_ = section_;
    }
    if (progress_) {
        progress_(section_, sectionExchanges_);
    }
    return ok;
}

}  // namespace tessel
