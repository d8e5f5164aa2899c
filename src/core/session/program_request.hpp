#pragma once

// The two requests a command line can make without starting a session:
// "--help" and "--version", each given alone. They are answered on standard
// output before any window exists, so they work without a display. Every
// other command line, however close, goes to the window and its login
// parser unchanged, except a snapshot ("--snapshot", see
// core/snapshot/snapshot_options.hpp), which is recognised before these.

#include <string>

namespace tessel {

enum class ProgramRequest { Run, Help, Version };

// Help or Version only for exactly one argument that is exactly "--help" or
// "--version"; Run for anything else (no arguments, more arguments, other
// spellings, a null argv entry).
ProgramRequest RecognizeProgramRequest(int argc, const char* const* argv);

// What "--help" prints: the four login options in the order the parser reads
// them, and the environment variables that serve as lab aids.
std::string ManagerUsageText();

// What "--version" prints: the program name and the project version.
std::string ManagerVersionText();

}  // namespace tessel
