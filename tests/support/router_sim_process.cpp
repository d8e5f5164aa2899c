#include "support/router_sim_process.hpp"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace tessel::test {

std::string RouterSimPath() {
    if (const char* path = std::getenv("TESSEL_ROUTER_SIM"); path != nullptr && *path != '\0') {
        return path;
    }
#ifdef TESSEL_ROUTER_SIM_PATH
    return TESSEL_ROUTER_SIM_PATH;
#else
    return {};
#endif
}

namespace {

int ExitCode(int status) {
    if (WIFEXITED(status)) {
        return WEXITSTATUS(status);
    }
    if (WIFSIGNALED(status)) {
        return 128 + WTERMSIG(status);
    }
    return -1;
}

}  // namespace

RouterSim::RouterSim(std::vector<std::string> arguments, std::chrono::milliseconds readyTimeout,
                     std::vector<std::string> launcher) {
    const std::string binary = RouterSimPath();
    if (binary.empty()) {
        throw std::runtime_error("tessel-router-sim was not built with these tests");
    }
    char logTemplate[] = "/tmp/tessel-router-sim-log-XXXXXX";
    const int logFd = ::mkstemp(logTemplate);
    if (logFd < 0) {
        throw std::runtime_error("cannot create a log file for tessel-router-sim");
    }
    ::close(logFd);
    logPath_ = logTemplate;

    std::vector<std::string> args = std::move(launcher);
    const std::vector<std::string> own = {
        binary,           "--bind", "127.0.0.1", "--snmp-port", "0",
        "--console-port", "0",      "--log",     logPath_,      "--exit-with-parent"};
    args.insert(args.end(), own.begin(), own.end());
    args.insert(args.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& a : args) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);

    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        throw std::runtime_error("pipe failed");
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    const int rc =
        ::posix_spawnp(&pid_, args.front().c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(fds[1]);
    stdoutFd_ = fds[0];
    if (rc != 0) {
        pid_ = -1;
        ::close(stdoutFd_);
        std::remove(logPath_.c_str());
        throw std::runtime_error("cannot start " + args.front());
    }

    std::string output;
    const auto deadline = std::chrono::steady_clock::now() + readyTimeout;
    while (output.find('\n') == std::string::npos) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd p{stdoutFd_, POLLIN, 0};
        if (left.count() <= 0 || ::poll(&p, 1, static_cast<int>(left.count())) <= 0) {
            Stop();
            std::remove(logPath_.c_str());
            throw std::runtime_error("tessel-router-sim did not report ready in time");
        }
        char buffer[256];
        const ssize_t n = ::read(stdoutFd_, buffer, sizeof buffer);
        if (n <= 0) {
            const int code = Stop();
            std::remove(logPath_.c_str());
            throw std::runtime_error("tessel-router-sim exited before it was ready (status " +
                                     std::to_string(code) + ")");
        }
        output.append(buffer, static_cast<std::size_t>(n));
    }
    if (std::sscanf(output.c_str(), "ready snmp=%d console=%d", &snmpPort_, &consolePort_) != 2) {
        Stop();
        std::remove(logPath_.c_str());
        throw std::runtime_error("unexpected first line from tessel-router-sim: " + output);
    }
}

RouterSim::~RouterSim() {
    Stop();
    if (stdoutFd_ >= 0) {
        ::close(stdoutFd_);
    }
    if (!logPath_.empty()) {
        std::remove(logPath_.c_str());
    }
}

bool RouterSim::Running() {
    if (pid_ <= 0) {
        return false;
    }
    int status = 0;
    if (::waitpid(pid_, &status, WNOHANG) == pid_) {
        exitStatus_ = ExitCode(status);
        pid_ = -1;
        return false;
    }
    return true;
}

int RouterSim::Stop() {
    if (pid_ <= 0) {
        return exitStatus_;
    }
    ::kill(pid_, SIGTERM);
    int status = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (::waitpid(pid_, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, &status, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    exitStatus_ = ExitCode(status);
    pid_ = -1;
    return exitStatus_;
}

}  // namespace tessel::test
