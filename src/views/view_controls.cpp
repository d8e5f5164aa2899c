#include "views/view_controls.hpp"

namespace tessel {

void SendFromChangeButton(const ViewServices& services, QToolButton* button,
                          const ConsoleCommand& command) {
    if (services.runCommand(command)) {
        button->setEnabled(false);
    }
}

bool SendCommand(Session& /*session*/, const ViewServices& services,
                 const ConsoleCommand& command) {
    return services.sendCommand(command);
}

}  // namespace tessel
