#pragma once

// The two ways the settings pages send their console commands.

#include "core/router/console_text.hpp"
#include "core/session/session.hpp"
#include "viewkit/controls.hpp"
#include "viewkit/guard_scope.hpp"
#include "views/view_services.hpp"

#include <QToolButton>

namespace tessel {
// The change buttons' way: popup, reply state, line; the button is disabled
// once the line went out.
void SendFromChangeButton(const ViewServices& services, QToolButton* button,
                          const ConsoleCommand& command);

// The other senders' way: reply state, then the line without the popup. A
// line that is refused leaves the reply state as it was, so that no later
// prompt is taken for this command's answer.
bool SendCommand(Session& session, const ViewServices& services, const ConsoleCommand& command);

}  // namespace tessel
