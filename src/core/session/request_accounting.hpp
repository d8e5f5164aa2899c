#pragma once

// Per-session counts of the counted SNMP reads, shown in status panel 2, and
// the rule that suspends every read after too many failures in a row. Whoever
// runs the reads asks the operator between its steps; nothing here asks.

namespace tessel {

class RequestAccounting {
  public:
    // Failures in a row that are still tolerated; the next one hits the limit.
    static constexpr long RowLimit = 20;

    long Sent() const { return sent_; }
    long Errors() const { return errors_; }
    long Row() const { return row_; }
    bool LastFailed() const { return lastFailed_; }
    bool Suspended() const { return suspended_; }
    // Requests refused since reads were suspended (none went out).
    long Skipped() const { return skipped_; }

    // A new session: Sent starts at 1 (the probe of the login counts as the
    // first request), nothing failed, reads allowed.
    void Reset();

    // One counted request went out and succeeded or failed. RecordFailure
    // returns true when this failure is the one past the limit; reads are then
    // suspended until Resume or the next Reset.
    void RecordSuccess();
    bool RecordFailure();
    // A request that was not sent because reads are suspended.
    void RecordSkipped() { ++skipped_; }

    // The operator chose to go on after the limit.
    void Resume();

  private:
    long sent_ = 0;
    long errors_ = 0;
    long row_ = 0;
    bool lastFailed_ = false;
    bool suspended_ = false;
    long skipped_ = 0;
};

}  // namespace tessel
