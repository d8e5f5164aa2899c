#pragma once

#include <QStringList>
#include <string>

#include "console_session.hpp"
#include "faults.hpp"

namespace tessel::sim {

struct Options {
    std::string bind = "127.0.0.1";
    int snmpPort = 161;
    int consolePort = 23;
    std::string dataFile;  // empty: the bundled base station
    bool scaleMax = false;
    double scaleFraction = 1.0;  // share of each limit that --scale max fills
    std::string community = "public";
    std::string logFile;
    ConsoleSettings console;
    int tickMs = 1000;  // length of a report "second" (tests shorten it)
    FaultSettings faults;
    // Ends when the process that started it ends (a test that crashed).
    bool exitWithParent = false;
};

// Parses the command line; on --help prints the usage and exits 0, on
// --version the version and exits 0, on an error prints it and exits 2.
Options ParseOptions(const QStringList& arguments);

// The bundled data file: next to the installed binary, else in the source tree.
std::string BundledDataFile(const std::string& name);

}  // namespace tessel::sim
