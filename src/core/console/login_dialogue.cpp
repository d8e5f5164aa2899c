#include "core/console/login_dialogue.hpp"

namespace tessel {

namespace {

bool Contains(std::string_view chunk, std::string_view part) {
    return chunk.find(part) != std::string_view::npos;
}

}  // namespace

std::optional<ReplyStep> LoginDialogueStep(ReplyCode code, std::string_view chunk) {
    switch (code) {
        case reply::Disconnected:
            // The greeting, whatever it holds.
            return ReplyStep{ReplyAction::SendOne, reply::SendLogin};
        case reply::SendLogin:
            return ReplyStep{ReplyAction::SendLoginName, reply::SendPassword};
        case reply::SendPassword:
            return ReplyStep{ReplyAction::SendPassword, reply::SkipAfterPassword};
        case reply::SkipAfterPassword:
            // What follows the password is not examined.
            return ReplyStep{ReplyAction::None, reply::AwaitAccept};
        case reply::AwaitAccept:
            if (Contains(chunk, "www.")) {
                return ReplyStep{ReplyAction::LoginAccepted, reply::Idle};
            }
            return ReplyStep{ReplyAction::None, reply::AwaitSorry};
        case reply::AwaitSorry:
            if (Contains(chunk, "Sorry")) {
                return ReplyStep{ReplyAction::LoginRefused, reply::Disconnected};
            }
            return ReplyStep{ReplyAction::EnableLogin, reply::AwaitSorry};
        default:
            return std::nullopt;
    }
}

bool BeforeLogin(ReplyCode code) {
    return static_cast<std::int32_t>(code) < static_cast<std::int32_t>(reply::Idle);
}

void RefusedPasswordLimit::Start() {
    password_.clear();
    sends_ = 0;
}

void RefusedPasswordLimit::Sent(std::string_view password) {
    if (sends_ > 0 && password == password_) {
        ++sends_;
        return;
    }
    password_ = password;
    sends_ = 1;
}

bool RefusedPasswordLimit::MayRetry(std::string_view password) const {
    return password != password_ || sends_ < MaxSends;
}

}  // namespace tessel
