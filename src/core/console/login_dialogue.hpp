#pragma once

// The login dialogue the router leads right after the console connects: the
// reply codes below idle, each answering one chunk of the router's greeting,
// prompts and verdict.

#include "core/console/reply_dispatch.hpp"

#include <optional>
#include <string>
#include <string_view>

namespace tessel {

// The step for one chunk while the dialogue runs (codes -10, 0, 10, 15, 18
// and 19); nothing for any other code.
std::optional<ReplyStep> LoginDialogueStep(ReplyCode code, std::string_view chunk);

// True until the router has accepted the login: the password may still turn
// up in the console text (an echo, or a login name that is the same text).
bool BeforeLogin(ReplyCode code);

// After a refusal the dialogue starts over, so that a password the operator
// corrects meanwhile is tried at once. The same refused password is sent at
// most MaxSends times per "Login" press: a router counts failed logins
// towards a lock-out, and a dialogue that never gives up would hammer it.
class RefusedPasswordLimit {
  public:
    static constexpr int MaxSends = 3;

    // A "Login" press: nothing sent yet.
    void Start();
    // The dialogue sent password.
    void Sent(std::string_view password);
    // After a refusal: true when the dialogue may go on to send password
    // (what the password box holds now).
    bool MayRetry(std::string_view password) const;

  private:
    std::string password_;
    int sends_ = 0;
};

}  // namespace tessel
