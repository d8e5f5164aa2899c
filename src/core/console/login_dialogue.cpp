#include "core/console/login_dialogue.hpp"

namespace tessel {

namespace {

bool Contains(std::string_view chunk, std::string_view part) {
    return chunk.find(part) != std::string_view::npos;
}

}  // namespace

std::optional<ReplyStep> LoginDialogueStep(ReplyCode code, std::string_view chunk) {
    switch (code) {
        case ReplyCode::Disconnected:
            // The greeting, whatever it holds.
            return ReplyStep{ReplyAction::SendOne, ReplyCode::SendLogin};
        case ReplyCode::SendLogin:
            return ReplyStep{ReplyAction::SendLoginName, ReplyCode::SendPassword};
        case ReplyCode::SendPassword:
            return ReplyStep{ReplyAction::SendPassword, ReplyCode::SkipAfterPassword};
        case ReplyCode::SkipAfterPassword:
            // What follows the password is not examined.
            return ReplyStep{ReplyAction::None, ReplyCode::AwaitAccept};
        case ReplyCode::AwaitAccept:
            if (Contains(chunk, "www.")) {
                return ReplyStep{ReplyAction::LoginAccepted, ReplyCode::Idle};
            }
            return ReplyStep{ReplyAction::None, ReplyCode::AwaitSorry};
        case ReplyCode::AwaitSorry:
            if (Contains(chunk, "Sorry")) {
                return ReplyStep{ReplyAction::LoginRefused, ReplyCode::Disconnected};
            }
            return ReplyStep{ReplyAction::EnableLogin, ReplyCode::AwaitSorry};
        default:
            return std::nullopt;
    }
}

bool BeforeLogin(ReplyCode code) {
    return static_cast<std::int32_t>(code) < static_cast<std::int32_t>(ReplyCode::Idle);
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
