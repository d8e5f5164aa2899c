#pragma once

// The reads of a snapshot: the pages' reader seam over one transport, without
// the window's accounting and error limit. A snapshot is all or nothing, so
// the first exchange that fails ends the reading: every later read sends
// nothing and looks failed to the page readers (which then run out at once),
// and the caller reports the failure instead of printing a half-read router.

#include "core/session/session.hpp"
#include "core/snmp/snmp_reader.hpp"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace tessel {

class SnapshotReader : public SnmpReader {
  public:
    // Called after every exchange with the section being read and the
    // exchanges made in it so far.
    using Progress = std::function<void(std::string_view section, std::size_t exchanges)>;

    // Every exchange goes to trace when there is one.
    SnapshotReader(SnmpTransport transport, std::string host, std::string community,
                   const TraceLog* trace = nullptr);

    void GetCounted(const std::string& oid, std::string& value) override;
    bool Get(const std::string& oid, std::string& value) override;
    bool GetNext(std::string& oid, std::string& value) override;

    // Names the reads that follow (for progress and for the failure report).
    void BeginSection(std::string_view name);
    void SetProgress(Progress progress) { progress_ = std::move(progress); }

    bool Failed() const { return failed_; }
    // Where the first failure happened: the OID asked for and its section.
    const std::string& FailedOid() const { return failedOid_; }
    const std::string& FailedSection() const { return failedSection_; }
    // Exchanges sent in all, the failed one included.
    std::size_t Exchanges() const { return exchanges_; }

  private:
    bool Count(bool ok, const std::string& oid);

    SnmpTransport transport_;
    std::string host_;
    std::string community_;
    Progress progress_;
    std::string section_;
    std::size_t sectionExchanges_ = 0;
    std::size_t exchanges_ = 0;
    bool failed_ = false;
    std::string failedOid_;
    std::string failedSection_;
};

}  // namespace tessel
