#include "views/view_controls.hpp"

namespace tessel {

void SendFromChangeButton(const ViewServices& services, QToolButton* button,
                          const ConsoleCommand& command) {
    if (services.runConsoleCommand(command.line, command.replyState, command.description)) {
        button->setEnabled(false);
    }
}

bool SendCommand(Session& session, const ViewServices& services, const ConsoleCommand& command) {
    const int previous = session.ReplyState;
    session.ReplyState = command.replyState;
    if (!services.sendConsoleLine(command.line, command.description)) {
        session.ReplyState = previous;
        return false;
    }
    return true;
}

}  // namespace tessel
