#include "console_session.hpp"

#include "command_interpreter.hpp"

namespace tessel::sim {

namespace {

constexpr char Esc = 27;

}  // namespace

ConsoleSession::ConsoleSession(RouterState& state, ConsoleSettings settings)
    : state_(state), settings_(std::move(settings)) {}

std::string ConsoleSession::Prompt() const {
    return state_.system.name + "> ";
}

std::string ConsoleSession::Greeting() const {
    return "\r\n" + state_.system.description + " " + state_.system.firmware +
           "\r\n\r\n 1. Command line interface\r\n 2. Disconnect\r\n\r\nSelect: ";
}

std::vector<ConsoleChunk> ConsoleSession::Start() {
    return {{Greeting(), 0}};
}

int ConsoleSession::StreamIntervalSeconds() const {
    switch (streaming_) {
        case StreamKind::LoadMeter:
            return meter_.request.intervalSeconds;
        case StreamKind::LinkTest:
            return test_.request.intervalSeconds;
        case StreamKind::None:
            break;
    }
    return 0;
}

bool ConsoleSession::TakeStateChanged() {
    const bool changed = changed_;
    changed_ = false;
    return changed;
}

std::vector<std::string> ConsoleSession::TakeLines() {
    std::vector<std::string> lines;
    lines.swap(lines_);
    return lines;
}

std::vector<ConsoleChunk> ConsoleSession::Receive(std::string_view bytes) {
    std::vector<ConsoleChunk> out;
    for (const char c : bytes) {
        if (close_) {
            break;
        }
        if (skipLf_) {
            skipLf_ = false;
            if (c == '\n') {
                continue;
            }
        }
        if (c == Esc && streaming_ != StreamKind::None) {
            // ESC stops a running report at once; the rest of its line
            // (the manager sends ESC CR LF) is dropped.
            StopStream(out);
            discardLine_ = true;
            continue;
        }
        if (c == '\r' || c == '\n') {
            skipLf_ = c == '\r';
            std::string line;
            line.swap(pending_);
            const bool overflow = overflow_;
            const bool discard = discardLine_;
            overflow_ = false;
            discardLine_ = false;
            if (overflow) {
                lines_.push_back("(line over " + std::to_string(settings_.maxLineLength) +
                                 " bytes discarded)");
                std::string reply = "\r\nError: line too long (limit " +
                                    std::to_string(settings_.maxLineLength) + " bytes)\r\n";
                reply += stage_ == Stage::Command ? Prompt() : Greeting();
                if (stage_ != Stage::Command) {
                    stage_ = Stage::Menu;
                }
                out.push_back({reply, 0});
            } else if (!discard) {
                HandleLine(std::move(line), out);
            }
            continue;
        }
        if (overflow_ || discardLine_) {
            continue;
        }
        if (pending_.size() >= settings_.maxLineLength) {
            overflow_ = true;
            pending_.clear();
            pending_.shrink_to_fit();
            continue;
        }
        pending_.push_back(c);
    }
    return out;
}

void ConsoleSession::HandleLine(std::string line, std::vector<ConsoleChunk>& out) {
    lines_.push_back(line);
    const int gap = settings_.dialogueGapMs;
    switch (stage_) {
        case Stage::Menu:
            if (line == "1") {
                stage_ = Stage::Login;
                out.push_back({line + "\r\nLogin: ", gap});
            } else if (line == "2") {
                out.push_back({line + "\r\nBye.\r\n", gap});
                close_ = true;
            } else {
                out.push_back({line + "\r\nPlease select 1 or 2.\r\n" + Greeting(), gap});
            }
            return;
        case Stage::Login:
            enteredLogin_ = line;
            stage_ = Stage::Password;
            out.push_back({line + "\r\nPassword: ", gap});
            return;
        case Stage::Password:
            // The password is not echoed; the line end is.
            out.push_back({"\r\n", gap});
            if (enteredLogin_ == settings_.login && line == settings_.password) {
                stage_ = Stage::Command;
                out.push_back({"\r\nWelcome to " + state_.system.name + " (" +
                                   state_.system.description +
                                   ")\r\nSupport: www.tessel-lab.test\r\n\r\n" + Prompt(),
                               gap});
            } else {
                RefuseLogin(out);
            }
            return;
        case Stage::Command:
            HandleCommand(line, out);
            return;
    }
}

void ConsoleSession::RefuseLogin(std::vector<ConsoleChunk>& out) {
    const int gap = settings_.dialogueGapMs;
    stage_ = Stage::Menu;
    out.push_back({"Login incorrect.\r\n", gap});
    ++failedLogins_;
    if (settings_.lockoutAfter != 0 && failedLogins_ >= settings_.lockoutAfter) {
        // As real routers do: one failure too many and the connection goes.
        out.push_back({"Sorry, too many failed logins.\r\n", gap});
        close_ = true;
        return;
    }
    out.push_back({"Sorry, access denied. Try again.\r\n", gap});
    out.push_back({Greeting(), gap});
}

void ConsoleSession::StopStream(std::vector<ConsoleChunk>& out) {
    if (streaming_ == StreamKind::LoadMeter) {
        // The meter program clears its status line on the way out.
        out.push_back({"\x1b[K\r\n" + Prompt(), 0});
    } else if (streaming_ == StreamKind::LinkTest) {
        out.push_back(
            {"\r\nStopped after " + std::to_string(test_.reports) + " reports.\r\n" + Prompt(), 0});
    }
    streaming_ = StreamKind::None;
}

void ConsoleSession::HandleCommand(const std::string& line, std::vector<ConsoleChunk>& out) {
    if (line.find_first_not_of(Esc) == std::string::npos && !line.empty()) {
        return;  // a stray ESC with nothing running: nothing to stop
    }
    if (streaming_ != StreamKind::None) {
        // Any other line also ends a running report before it is executed,
        // so that a command is never lost behind a stream.
        StopStream(out);
    }
    if (!line.empty()) {
        ++commands_;
    }
    CommandResult result = ExecuteCommand(state_, line);
    changed_ = changed_ || result.changed;
    std::string reply = line + "\r\n" + result.output;
    if (result.close) {
        close_ = true;
        out.push_back({reply, 0});
        return;
    }
    switch (result.stream.kind) {
        case StreamKind::LoadMeter:
            streaming_ = StreamKind::LoadMeter;
            meter_ = LoadMeterRun{result.stream};
            out.push_back({reply, 0});
            return;
        case StreamKind::LinkTest:
            streaming_ = StreamKind::LinkTest;
            test_ = LinkTestRun{result.stream};
            out.push_back({reply, 0});
            return;
        case StreamKind::None:
            break;
    }
    out.push_back({reply + Prompt(), 0});
}

std::vector<ConsoleChunk> ConsoleSession::Tick() {
    switch (streaming_) {
        case StreamKind::LoadMeter:
            if (meter_.request.ifIndex > state_.interfaces.size()) {
                std::vector<ConsoleChunk> out;
                StopStream(out);
                return out;
            }
            return {{LoadMeterLine(state_, meter_), 0}};
        case StreamKind::LinkTest:
            return {{LinkTestLine(state_, test_), 0}};
        case StreamKind::None:
            break;
    }
    return {};
}

}  // namespace tessel::sim
