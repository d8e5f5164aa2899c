// tessel-router-sim: the lab router that the manager's tests, demo and
// benchmarks run against. One event loop serves the SNMP agent and any
// number of console clients over one shared router state.

#include <sys/prctl.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QHostAddress>
#include <csignal>
#include <cstdio>
#include <stdexcept>

#include "console_server.hpp"
#include "core/version.hpp"
#include "event_log.hpp"
#include "options.hpp"
#include "router_model.hpp"
#include "scale.hpp"
#include "signal_watch.hpp"
#include "snmp_server.hpp"
#include "state_loader.hpp"

using namespace tessel::sim;

int main(int argc, char** argv) {
    // Qt's own dispatcher polls with fewer steps per wake-up than the glib
    // one, which shows on every SNMP request; a value already set wins.
    if (!qEnvironmentVariableIsSet("QT_NO_GLIB")) {
        qputenv("QT_NO_GLIB", "1");
    }
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("tessel-router-sim");
    QCoreApplication::setApplicationVersion(
        QString::fromLatin1(tessel::ProgramVersion.data(), tessel::ProgramVersion.size()));
    const Options options = ParseOptions(QCoreApplication::arguments());
    if (options.exitWithParent) {
        // A test that crashes must not leave its router holding the test
        // runner's output pipe open until the runner's time-out.
        const pid_t parent = ::getppid();
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (::getppid() != parent) {
            return 0;
        }
    }

    RouterState state;
    const std::string dataFile =
        options.dataFile.empty() ? BundledDataFile("base-station.json") : options.dataFile;
    try {
        state = LoadRouterState(dataFile);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tessel-router-sim: %s\n", e.what());
        return 2;
    }
    if (options.scaleMax) {
        ApplyMaxScale(state, options.scaleFraction);
    }
    RouterModel model(std::move(state));
    model.Store();  // build once up front so the first request is not slow

    EventLog log;
    if (!options.logFile.empty() && !log.Open(options.logFile)) {
        std::fprintf(stderr, "tessel-router-sim: cannot write the log %s\n",
                     options.logFile.c_str());
        return 2;
    }

    const QHostAddress address(QString::fromStdString(options.bind));
    if (address.isNull()) {
        std::fprintf(stderr, "tessel-router-sim: --bind expects an IP address\n");
        return 2;
    }
    SignalWatch signalWatch;
    QString error;
    SnmpServer snmp(model, options.community, options.faults, log);
    if (!snmp.Listen(address, static_cast<quint16>(options.snmpPort), error)) {
        std::fprintf(stderr, "tessel-router-sim: SNMP port %d: %s\n", options.snmpPort,
                     qPrintable(error));
        return 1;
    }
    ConsoleServer console(model, options.console, options.faults, options.tickMs, log);
    if (!console.Listen(address, static_cast<quint16>(options.consolePort), error)) {
        std::fprintf(stderr, "tessel-router-sim: console port %d: %s\n", options.consolePort,
                     qPrintable(error));
        return 1;
    }
    log.Write("start", {{"snmpPort", std::to_string(snmp.Port())},
                        {"consolePort", std::to_string(console.Port())},
                        {"data", JsonString(dataFile)}});
    std::printf("ready snmp=%u console=%u\n", snmp.Port(), console.Port());
    std::fflush(stdout);
    const int status = QCoreApplication::exec();
    log.Write("stop", {});
    return status;
}
