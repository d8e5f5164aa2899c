#pragma once

// A blocking console client on 127.0.0.1 for tests: it sees the router's
// output chunk by chunk, as the manager does.

#include <chrono>
#include <string>
#include <string_view>

namespace tessel::test {

class ConsoleClient {
  public:
    // Connects; throws std::runtime_error when the connection fails.
    explicit ConsoleClient(int port);
    ~ConsoleClient();
    ConsoleClient(const ConsoleClient&) = delete;
    ConsoleClient& operator=(const ConsoleClient&) = delete;

    // What one read returns once data is there (empty on time-out or close).
    std::string ReadChunk(std::chrono::milliseconds timeout = std::chrono::seconds(3));
    // Reads until the collected text contains `text`; returns all of it.
    std::string ReadUntil(std::string_view text,
                          std::chrono::milliseconds timeout = std::chrono::seconds(5));
    void Send(std::string_view bytes);
    void SendLine(std::string_view line) { Send(std::string(line) + "\r\n"); }
    // Runs the login dialogue as the manager does ("1", name, password) and
    // reads up to the first prompt; true when the router accepted the login.
    bool Login(std::string_view name = "admin", std::string_view password = "admin");
    // Sends a command and returns the reply up to and including the prompt.
    std::string Command(std::string_view line);
    // True once the router has closed the connection.
    bool PeerClosed() const { return closed_; }

  private:
    int fd_ = -1;
    bool closed_ = false;
};

}  // namespace tessel::test
