#include "core/session/request_accounting.hpp"

namespace tessel {

void RequestAccounting::Reset() {
    sent_ = 1;
    errors_ = 0;
    row_ = 0;
    lastFailed_ = false;
    suspended_ = false;
    skipped_ = 0;
}

void RequestAccounting::RecordSuccess() {
    ++sent_;
    lastFailed_ = false;
    row_ = 0;
}

bool RequestAccounting::RecordFailure() {
    ++sent_;
    ++errors_;
    if (!lastFailed_) {
        row_ = 1;
        lastFailed_ = true;
        return false;
    }
    ++row_;
    if (row_ > RowLimit) {
        suspended_ = true;
        return true;
    }
    return false;
}

void RequestAccounting::Resume() {
    row_ = 0;
    lastFailed_ = false;
    suspended_ = false;
    skipped_ = 0;
}

}  // namespace tessel
