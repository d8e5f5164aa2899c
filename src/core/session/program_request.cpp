#include "core/session/program_request.hpp"

#include "core/version.hpp"

#include <string_view>

namespace tessel {

ProgramRequest RecognizeProgramRequest(int argc, const char* const* argv) {
    // Only the sole argument counts: "--help" anywhere else may be part of a
    // community, which runs to the end of the line.
    if (argc != 2 || argv == nullptr || argv[1] == nullptr) {
        return ProgramRequest::Run;
    }
    const std::string_view arg = argv[1];
    if (arg == "--help") {
        return ProgramRequest::Help;
    }
    if (arg == "--version") {
        return ProgramRequest::Version;
    }
    return ProgramRequest::Run;
}

std::string ManagerUsageText() {
    return "Usage: tessel-manager [LOGIN OPTIONS]\n"
           "  or:  tessel-manager --snapshot --host=ADDRESS --community=COMMUNITY\n"
           "  or:  tessel-manager --help | --version\n"
           "\n"
           "Manages one wireless router over its text console (TCP) and SNMP v1 (UDP).\n"
           "\n"
           "Login options, all four in this order, log in at once:\n"
           "  --host=ADDRESS --login=NAME --password=PASSWORD --community=COMMUNITY\n"
           "Each of the first three is followed by one space; the community runs to the\n"
           "end of the line, spaces included. Any other command line opens the empty\n"
           "login form.\n"
           "\n"
           "--snapshot prints every page read over SNMP as one JSON document, with no\n"
           "window, display or console login; --output=FILE writes it to FILE once\n"
           "complete. Exit status 1 when the router does not answer (a wrong community\n"
           "looks the same), 2 for a wrong line.\n"
           "\n"
           "Lab aids (environment variables):\n"
           "  TESSEL_SNMP_PORT=N        UDP port of the router's SNMP agent (default 161)\n"
           "  TESSEL_CONSOLE_PORT=N     TCP port of the router's console (default 23)\n"
           "  TESSEL_QUIT_WHEN_SHOWN=1  print \"shown\" after the first paint and quit\n"
           "  TESSEL_ROUTER_SIM=PATH    the lab router the tests start\n"
           "  TESSEL_TRACE=1            trace SNMP exchanges and console traffic to\n"
           "                            standard error, passwords masked\n";
}

std::string ManagerVersionText() {
    return "tessel-manager " + std::string(ProgramVersion) + "\n";
}

}  // namespace tessel
