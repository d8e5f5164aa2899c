// Arbitrary process command lines through the login-value parser: it must
// never throw or over-read, the first three values never hold the space that
// ends them, every value is a piece of the line, the result is true exactly
// when all four are non-empty, and a complete parse survives being written
// back as a command line and read again.

#include "core/session/command_line.hpp"
#include "core/text.hpp"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void CheckValues(std::string_view line, const tessel::CommandLineValues& v, bool complete) {
    Require(complete ==
            (!v.host.empty() && !v.login.empty() && !v.password.empty() && !v.community.empty()));
    for (const std::string* value : {&v.host, &v.login, &v.password}) {
        Require(value->find(' ') == std::string::npos);
        Require(line.find(*value) != std::string_view::npos);
    }
    Require(v.community.size() <= tessel::TextAfterLimit);
    Require(line.find(v.community) != std::string_view::npos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    tessel::CommandLineValues values;
    // Stale values from an earlier call must not survive a new parse.
    values.host = values.login = values.password = values.community = "stale";
    const bool complete = tessel::ParseCommandLine(line, values);
    CheckValues(line, values, complete);
    if (!complete) {
        return 0;
    }

    // Written back as the four options after a plain program path: the same
    // values, unless a value holds a NUL, which an argv string cannot carry,
    // or the line grows past the length up to which the parser reads.
    const std::array<std::string, 5> args = {
        "/usr/bin/tessel-manager", "--host=" + values.host, "--login=" + values.login,
        "--password=" + values.password, "--community=" + values.community};
    for (const std::string& arg : args) {
        if (arg.find('\0') != std::string::npos) {
            return 0;
        }
    }
    std::array<const char*, 5> argv{};
    for (std::size_t i = 0; i < args.size(); ++i) {
        argv[i] = args[i].c_str();
    }
    const std::string rebuilt = tessel::JoinCommandLine(static_cast<int>(argv.size()), argv.data());
    if (rebuilt.size() >= tessel::TextAfterLimit) {
        return 0;
    }
    tessel::CommandLineValues again;
    Require(tessel::ParseCommandLine(rebuilt, again));
    CheckValues(rebuilt, again, true);
    Require(again.host == values.host && again.login == values.login &&
            again.password == values.password && again.community == values.community);
    return 0;
}
