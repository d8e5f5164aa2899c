#pragma once

// "The process ends at once": no windows closed in order, nothing sent. One
// replaceable function so that a test can observe it instead of dying.

#include <functional>

namespace tessel {

// Ends the process with the given status (or calls the installed replacement).
void EndProcessNow(int status);

// Installs a replacement; an empty function restores the real exit.
void SetEndProcessFunction(std::function<void(int)> replacement);

}  // namespace tessel
