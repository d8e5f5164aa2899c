#include "snmpd_agent.hpp"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

#include "core/snmp/snmp_client.hpp"

extern char** environ;

namespace tessel::test {

int FreeUdpPort() {
    const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof local;
    int port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&local), sizeof local) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&local), &length) == 0) {
        port = ntohs(local.sin_port);
    }
    ::close(fd);
    return port;
}

std::string SnmpdAgent::Binary() {
    for (const char* candidate : {"/usr/sbin/snmpd", "/usr/local/sbin/snmpd", "/usr/bin/snmpd"}) {
        if (::access(candidate, X_OK) == 0) {
            return candidate;
        }
    }
    return {};
}

SnmpdAgent::~SnmpdAgent() {
    Stop();
}

bool SnmpdAgent::Start(const std::string& community, const std::string& sysName) {
    char pattern[] = "/tmp/tessel-snmpd-XXXXXX";
    if (::mkdtemp(pattern) == nullptr) {
        return false;
    }
    directory_ = pattern;
    const std::string config = directory_ + "/snmpd.conf";
    {
        std::ofstream out(config);
        out << "rocommunity " << community << " 127.0.0.1\n"
            << "sysName " << sysName << "\n"
            << "sysLocation lab bench\n"
            << "sysContact nobody\n"
            << "sysServices 72\n"
            << "dontLogTCPWrappersConnects yes\n";
    }
    port_ = FreeUdpPort();
    const std::string persist = "SNMP_PERSISTENT_DIR=" + directory_ + "/persist";
    const std::string binary = Binary();
    const std::string log = directory_ + "/snmpd.log";
    const std::string pidFile = directory_ + "/snmpd.pid";
    const std::string address = "udp:127.0.0.1:" + std::to_string(port_);
    std::vector<std::string> args = {binary, "-f",  "-C", "-c", config,  "-m",
                                     "",     "-Lf", log,  "-p", pidFile, address};
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    std::vector<std::string> env = {persist, "MIBS="};
    std::vector<char*> envp;
    for (std::string& entry : env) {
        envp.push_back(entry.data());
    }
    envp.push_back(nullptr);
    if (::posix_spawn(&pid_, binary.c_str(), nullptr, nullptr, argv.data(), envp.data()) != 0) {
        pid_ = -1;
        return false;
    }

    // Until it has bound its port a Get fails at once (port unreachable).
    ::setenv("TESSEL_SNMP_PORT", std::to_string(port_).c_str(), 1);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(15);
    std::string value;
    while (std::chrono::steady_clock::now() < deadline) {
        if (SnmpGetValue("1.3.6.1.2.1.1.5.0", community, "127.0.0.1", value)) {
            return true;
        }
        int status = 0;
        if (::waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

void SnmpdAgent::Stop() {
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        // It takes over a second to exit after SIGTERM; wait for it, and only
        // force it after a generous grace period.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        int status = 0;
        while (::waitpid(pid_, &status, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() > deadline) {
                ::kill(pid_, SIGKILL);
                ::waitpid(pid_, &status, 0);
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        pid_ = -1;
    }
    if (!directory_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(directory_, ignored);
        directory_.clear();
    }
}

}  // namespace tessel::test
