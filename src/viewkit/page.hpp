#pragma once

// The one shape of a page: the window builds each page with (session, host,
// parent) and hands it to the session controller, which runs the post-login
// load, "Refresh all" and the reads after a console command. Each read step
// and each console reply that a page owns goes to that page alone.

#include "core/console/reply_dispatch.hpp"
#include "core/pages/read_step.hpp"

#include <span>
#include <string>

namespace tessel {

class Page {
  public:
    virtual ~Page() = default;

    // The read steps this page owns; Read is called with these only.
    virtual std::span<const ReadStep> Steps() const = 0;
    virtual void Read(ReadStep step) = 0;
    // Before the reads of a post-login load, and after them.
    virtual void PrepareLoad() {}
    virtual void ResetAfterLoad() {}
    // The console replies this page owns (report rows, the ARP table, the add
    // line after a delete); ConsoleReply is called with these only.
    virtual std::span<const ReplyAction> Replies() const { return {}; }
    virtual void ConsoleReply(ReplyAction action, const std::string& chunk) {
        static_cast<void>(action);
        static_cast<void>(chunk);
    }
};

}  // namespace tessel
