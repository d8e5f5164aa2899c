#include "support/remote_lab.hpp"

#include "support/run_program.hpp"

#include <sstream>

namespace tessel::test {

namespace {

std::string Script() {
#ifdef TESSEL_REMOTE_LAB_SCRIPT
    return TESSEL_REMOTE_LAB_SCRIPT;
#else
    return "scripts/remote-lab";
#endif
}

}  // namespace

RemoteLab::RemoteLab(LabRoutes routes) {
    std::vector<std::string> command = {"/bin/bash", Script(), "up"};
    if (routes == LabRoutes::BackRoute) {
        command.emplace_back("--back-route");
    }
    const ProgramResult up = RunProgram(command, std::chrono::seconds(30));
    std::istringstream lines(up.output);
    std::string id;
    for (std::string line; std::getline(lines, line);) {
        const std::size_t equals = line.find('=');
        const std::string key = line.substr(0, equals);
        const std::string value = equals == std::string::npos ? "" : line.substr(equals + 1);
        if (key == "LAB_ID") {
            id = value;
        } else if (key == "LAB_NS") {
            namespace_ = value;
        } else if (key == "LAB_MANAGER") {
            manager_ = value;
        } else if (key == "LAB_ROUTER") {
            router_ = value;
        } else if (key == "LAB_DECOY") {
            decoy_ = value;
        }
    }
    if (up.exitCode == 0 && !id.empty() && !namespace_.empty() && !router_.empty()) {
        id_ = id;
        return;
    }
    if (!id.empty()) {
        RunProgram({"/bin/bash", Script(), "down", id}, std::chrono::seconds(30));
    }
    reason_ = up.output.empty() ? "scripts/remote-lab up exited " + std::to_string(up.exitCode)
                                : up.output;
    while (!reason_.empty() && reason_.back() == '\n') {
        reason_.pop_back();
    }
}

RemoteLab::~RemoteLab() {
    if (Available()) {
        RunProgram({"/bin/bash", Script(), "down", id_}, std::chrono::seconds(30));
    }
}

std::vector<std::string> RemoteLab::Launcher() const {
    return {"ip", "netns", "exec", namespace_};
}

}  // namespace tessel::test
