#pragma once

// The one shape of a page: the window builds each page with (session, host,
// parent), keeps them in a list and loops over it for the post-login load,
// "Refresh all" and the console's replies. A page implements the steps it
// owns and ignores the rest.

#include "core/console/reply_dispatch.hpp"
#include "core/session/load_order.hpp"

#include <string>

namespace tessel {

class Page {
  public:
    virtual ~Page() = default;

    // One read of the load order; a page reads only the steps it owns.
    virtual void Read(ReadStep step) = 0;
    // Before the reads of a post-login load, and after them.
    virtual void PrepareLoad() {}
    virtual void ResetAfterLoad() {}
    // A console reply whose action this page may own (report rows, the ARP
    // table, the add line after a delete). Reads go through Read.
    virtual void ConsoleReply(ReplyAction action, const std::string& chunk) {
        static_cast<void>(action);
        static_cast<void>(chunk);
    }
};

}  // namespace tessel
