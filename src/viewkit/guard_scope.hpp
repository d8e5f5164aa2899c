#pragma once

// Set while a reader fills its controls: filling a control from code raises
// the same change signals as the operator, and the handlers must ignore those.

namespace tessel {

class GuardScope {
  public:
    explicit GuardScope(bool& guard) : guard_(guard) { guard_ = true; }
    ~GuardScope() { guard_ = false; }
    GuardScope(const GuardScope&) = delete;
    GuardScope& operator=(const GuardScope&) = delete;

  private:
    bool& guard_;
};

}  // namespace tessel
