#include "support/console_client.hpp"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace tessel::test {

ConsoleClient::ConsoleClient(int port) {
    fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (fd_ < 0 || ::connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        throw std::runtime_error("cannot connect to the console on port " + std::to_string(port));
    }
}

ConsoleClient::~ConsoleClient() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

std::string ConsoleClient::ReadChunk(std::chrono::milliseconds timeout) {
    pollfd p{fd_, POLLIN, 0};
    if (closed_ || ::poll(&p, 1, static_cast<int>(timeout.count())) <= 0) {
        return {};
    }
    char buffer[65536];
    const ssize_t n = ::recv(fd_, buffer, sizeof buffer, 0);
    if (n <= 0) {
        closed_ = true;
        return {};
    }
    return std::string(buffer, static_cast<std::size_t>(n));
}

std::string ConsoleClient::ReadUntil(std::string_view text, std::chrono::milliseconds timeout) {
    std::string all;
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (all.find(text) == std::string::npos && !closed_) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            break;
        }
        all += ReadChunk(left);
    }
    return all;
}

void ConsoleClient::Send(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (n <= 0) {
            closed_ = true;
            return;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
}

bool ConsoleClient::Login(std::string_view name, std::string_view password) {
    ReadUntil("Select: ");
    SendLine("1");
    ReadUntil("Login: ");
    SendLine(name);
    ReadUntil("Password: ");
    SendLine(password);
    // Accepted: a banner with "www." and the prompt; refused: "Sorry".
    std::string reply;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (reply.find("> ") == std::string::npos && reply.find("Sorry") == std::string::npos &&
           !closed_ && std::chrono::steady_clock::now() < deadline) {
        reply += ReadChunk(std::chrono::milliseconds(500));
    }
    return reply.find("www.") != std::string::npos && reply.find("> ") != std::string::npos;
}

std::string ConsoleClient::Command(std::string_view line) {
    SendLine(line);
    return ReadUntil("> ");
}

}  // namespace tessel::test
