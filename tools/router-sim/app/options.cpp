#include "options.hpp"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>

namespace tessel::sim {

namespace {

[[noreturn]] void Usage(const QCommandLineParser& parser, const QString& error) {
    std::fprintf(stderr, "tessel-router-sim: %s\n\n%s", qPrintable(error),
                 qPrintable(parser.helpText()));
    std::exit(2);
}

int Port(const QCommandLineParser& p, const QString& name, int fallback) {
    if (!p.isSet(name)) {
        return fallback;
    }
    bool ok = false;
    const int port = p.value(name).toInt(&ok);
    if (!ok || port < 0 || port > 65535) {
        Usage(p, "--" + name + " expects a port number 0..65535");
    }
    return port;
}

long long Whole(const QCommandLineParser& p, const QString& name, long long low, long long high,
                long long fallback) {
    if (!p.isSet(name)) {
        return fallback;
    }
    bool ok = false;
    const long long v = p.value(name).toLongLong(&ok);
    if (!ok || v < low || v > high) {
        Usage(p, QString("--%1 expects a whole number %2..%3").arg(name).arg(low).arg(high));
    }
    return v;
}

}  // namespace

std::string BundledDataFile(const std::string& name) {
    const QString installed = QCoreApplication::applicationDirPath() +
                              "/../share/tessel-router-sim/" + QString::fromStdString(name);
    if (QFileInfo::exists(installed)) {
        return QDir::cleanPath(installed).toStdString();
    }
    return std::string(TESSEL_ROUTER_SIM_SOURCE_DATA) + "/" + name;
}

Options ParseOptions(const QStringList& arguments) {
    QCommandLineParser p;
    p.setApplicationDescription(
        "Lab router: an SNMP v1 agent (UDP) and a text console (TCP) over one router state.");
    p.addHelpOption();
    p.addVersionOption();
    const auto value = [&](const char* name, const char* help, const char* valueName) {
        p.addOption(QCommandLineOption(name, help, valueName));
    };
    value("bind", "Address to listen on (default 127.0.0.1).", "ADDR");
    value("snmp-port", "UDP port of the agent (default 161; 0 picks a free one).", "N");
    value("console-port", "TCP port of the console (default 23; 0 picks a free one).", "N");
    value("data", "JSON data file (default: the bundled base-station.json).", "FILE");
    value("scale", "\"max\": fill every table to its limit.", "max");
    value("scale-fraction", "With --scale max: fill each table to this share (0..1] of its limit.",
          "F");
    value("community", "SNMP community (default public).", "TEXT");
    value("login", "Console login name (default admin).", "TEXT");
    value("password", "Console password (default admin).", "TEXT");
    value("lockout-after",
          "Close a console connection after N failed logins, as real routers do (default 0: "
          "never).",
          "N");
    value("log", "Append JSON lines of every request, line and connection.", "FILE");
    value("dialogue-gap-ms", "Pause between login dialogue chunks (default 30).", "N");
    value("reply-delay-ms",
          "Send every SNMP reply and all console output N ms late (a slow link; default 0).", "N");
    value("tick-ms", "Milliseconds per report second of loadm and the link test (default 1000).",
          "N");
    value("drop-every", "Fault: drop every Nth SNMP request.", "N");
    value("drop-fraction", "Fault: drop this share (0..1) of SNMP requests.", "F");
    value("seed", "Seed for --drop-fraction (default 1).", "N");
    value("delay-ms", "Fault: delay every SNMP reply.", "N");
    p.addOption(QCommandLineOption("silent", "Fault: never answer SNMP."));
    value("malformed-reply", "Fault: damage every SNMP reply: truncated or garbage.", "KIND");
    value("faults-after", "Fault: answer the first N SNMP requests without fault.", "N");
    value("console-chunk", "Fault: send console output in pieces of N bytes, or of random sizes.",
          "N|random");
    p.addOption(QCommandLineOption("console-chunk-after-login",
                                   "Fault: leave the login dialogue in whole chunks."));
    value("close-after", "Fault: close a console connection after N commands.", "N");
    p.addOption(QCommandLineOption("refuse-console", "Fault: refuse console connections."));
    p.addOption(
        QCommandLineOption("exit-with-parent", "End when the process that started this one ends."));
    if (!p.parse(arguments)) {
        Usage(p, p.errorText());
    }
    if (p.isSet("help")) {
        std::printf("%s", qPrintable(p.helpText()));
        std::exit(0);
    }
    if (p.isSet("version")) {
        std::printf("tessel-router-sim %s\n", qPrintable(QCoreApplication::applicationVersion()));
        std::exit(0);
    }
    if (!p.positionalArguments().isEmpty()) {
        Usage(p, "unexpected argument " + p.positionalArguments().first());
    }
    Options o;
    o.bind = p.isSet("bind") ? p.value("bind").toStdString() : o.bind;
    o.snmpPort = Port(p, "snmp-port", o.snmpPort);
    o.consolePort = Port(p, "console-port", o.consolePort);
    o.dataFile = p.value("data").toStdString();
    if (p.isSet("scale")) {
        if (p.value("scale") != "max") {
            Usage(p, "--scale accepts only max");
        }
        o.scaleMax = true;
    }
    if (p.isSet("scale-fraction")) {
        bool ok = false;
        o.scaleFraction = p.value("scale-fraction").toDouble(&ok);
        if (!ok || !(o.scaleFraction > 0.0) || o.scaleFraction > 1.0) {
            Usage(p, "--scale-fraction expects a number above 0, at most 1");
        }
        if (!o.scaleMax) {
            Usage(p, "--scale-fraction needs --scale max");
        }
    }
    o.community =
        p.isSet("community") ? p.value("community").toLatin1().toStdString() : o.community;
    o.console.login =
        p.isSet("login") ? p.value("login").toLatin1().toStdString() : o.console.login;
    o.console.password =
        p.isSet("password") ? p.value("password").toLatin1().toStdString() : o.console.password;
    o.console.lockoutAfter = static_cast<std::size_t>(Whole(p, "lockout-after", 0, 1 << 20, 0));
    o.logFile = p.value("log").toStdString();
    o.exitWithParent = p.isSet("exit-with-parent");
    o.console.dialogueGapMs = static_cast<int>(Whole(p, "dialogue-gap-ms", 0, 10000, 30));
    o.tickMs = static_cast<int>(Whole(p, "tick-ms", 1, 60000, 1000));
    o.faults.replyDelayMs = static_cast<int>(Whole(p, "reply-delay-ms", 0, 60000, 0));
    FaultSettings& f = o.faults;
    f.dropEvery = static_cast<std::uint64_t>(Whole(p, "drop-every", 1, 1LL << 40, 0));
    f.seed = static_cast<std::uint64_t>(Whole(p, "seed", 0, 1LL << 62, 1));
    if (p.isSet("drop-fraction")) {
        bool ok = false;
        f.dropFraction = p.value("drop-fraction").toDouble(&ok);
        if (!ok || f.dropFraction < 0.0 || f.dropFraction > 1.0) {
            Usage(p, "--drop-fraction expects a number 0..1");
        }
    }
    f.delayMs = static_cast<int>(Whole(p, "delay-ms", 0, 600000, 0));
    f.silent = p.isSet("silent");
    if (p.isSet("malformed-reply")) {
        const QString kind = p.value("malformed-reply");
        if (kind == "truncated") {
            f.malformed = MalformedReply::Truncated;
        } else if (kind == "garbage") {
            f.malformed = MalformedReply::Garbage;
        } else {
            Usage(p, "--malformed-reply expects truncated or garbage");
        }
    }
    f.faultsAfter = static_cast<std::uint64_t>(Whole(p, "faults-after", 0, 1LL << 40, 0));
    if (p.value("console-chunk") == "random") {
        f.consoleChunkRandom = true;
    } else {
        f.consoleChunkBytes = static_cast<std::size_t>(Whole(p, "console-chunk", 1, 1 << 20, 0));
    }
    f.chunkAfterLogin = p.isSet("console-chunk-after-login");
    f.closeAfterCommands = static_cast<std::size_t>(Whole(p, "close-after", 1, 1LL << 40, 0));
    f.refuseConsole = p.isSet("refuse-console");
    return o;
}

}  // namespace tessel::sim
