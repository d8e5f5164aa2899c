#pragma once

// The four login values that may come from the process command line.

#include <string>
#include <string_view>

namespace tessel {

struct CommandLineValues {
    std::string host;
    std::string login;
    std::string password;
    std::string community;
};

// Reads "--host=", "--login=", "--password=" and "--community=" by position
// from the whole command line as one text (program path first, possibly
// quoted). The first three values end at the next space; the community runs
// to the end of the line, spaces included. The options only work in that
// order, each of the first three followed by a space. Returns true only when
// all four values are non-empty; values holds what was found either way.
bool ParseCommandLine(std::string_view commandLine, CommandLineValues& values);

// Joins argv back into one command line the way the parser expects it: the
// program path quoted when it holds a space, arguments separated by one space.
std::string JoinCommandLine(int argc, const char* const* argv);

}  // namespace tessel
