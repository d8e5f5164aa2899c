#pragma once

// What passes on the console, told to whoever keeps a record of it (the
// console log), so that the channel that owns the socket knows nothing of
// the window that shows the record. Lines and chunks are the router's 8-bit
// text as they went or came.

#include "core/console/reply_dispatch.hpp"

#include <string_view>

namespace tessel {

class ConsoleObserver {
  public:
    virtual ~ConsoleObserver() = default;

    // The password of the login under way, to be masked wherever it turns
    // up until the router accepts the login.
    virtual void LoginSecret(std::string_view secret) = 0;
    // A line went out under code; secret: it is the password itself.
    virtual void LineSent(std::string_view line, ReplyCode code, bool secret) = 0;
    // A chunk from the router, judged under code.
    virtual void ChunkReceived(std::string_view chunk, ReplyCode code) = 0;
    // A line the program did not send, and why. A password comes masked.
    virtual void LineRefused(std::string_view line, std::string_view why) = 0;
    // The connection was asked for, opened, closed or failed.
    virtual void ConnectionEvent(std::string_view what) = 0;
};

}  // namespace tessel
