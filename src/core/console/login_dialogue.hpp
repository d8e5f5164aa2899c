#pragma once

// The login dialogue the router leads right after the console connects: the
// reply codes below idle, each answering one chunk of the router's greeting,
// prompts and verdict.

#include "core/console/reply_dispatch.hpp"

#include <optional>
#include <string_view>

namespace tessel {

// The step for one chunk while the dialogue runs (codes -10, 0, 10, 15, 18
// and 19); nothing for any other code.
std::optional<ReplyStep> LoginDialogueStep(ReplyCode code, std::string_view chunk);

// True until the router has accepted the login: the password may still turn
// up in the console text (an echo, or a login name that is the same text).
bool BeforeLogin(ReplyCode code);

}  // namespace tessel
