#include "app/snapshot_main.hpp"

#include "app/snapshot_json.hpp"
#include "core/snapshot/snapshot_options.hpp"

#include <QSaveFile>
#include <QString>

#include <unistd.h>

#include <cstdio>
#include <string>

namespace tessel {

namespace {

void PrintError(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fflush(stderr);
}

// A full disk or a closed pipe must not pass for a printed snapshot.
bool Print(const char* data, std::size_t size) {
    std::fwrite(data, 1, size, stdout);
    return std::fflush(stdout) == 0 && std::ferror(stdout) == 0;
}

// Written under a temporary name and renamed over FILE only once whole, so
// that FILE never holds half a snapshot.
bool Save(const std::string& path, const QByteArray& text) {
    QSaveFile file(QString::fromLocal8Bit(path.data(), static_cast<qsizetype>(path.size())));
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        PrintError("tessel-manager: cannot write " + path + ": " +
                   file.errorString().toLocal8Bit().toStdString() + "\n");
        return false;
    }
    return true;
}

}  // namespace

std::optional<int> RunSnapshotIfAsked(int argc, const char* const* argv,
                                      const RuntimeConfig& config) {
    if (!IsSnapshotRequest(argc, argv)) {
        return std::nullopt;
    }
    SnapshotOptions options;
    const std::string complaint = ParseSnapshotOptions(argc, argv, options);
    if (options.help) {
        const std::string usage = SnapshotUsageText();
        return Print(usage.data(), usage.size()) ? 0 : 1;
    }
    if (!complaint.empty()) {
        PrintError("tessel-manager: " + complaint + "\n" + SnapshotUsageText() +
                   "See tessel-manager --help for the window's options.\n");
        return 2;
    }

    SnapshotReader reader(SnmpTransport::Client(config.snmpPort), options.host, options.community,
                          ProcessTrace(config.trace));
    // Routing tables can take a while; a terminal shows how far the reads are.
    SnapshotProgressLine line;
    const bool terminal = ::isatty(STDERR_FILENO) == 1;
    if (terminal) {
        reader.SetProgress([&line](std::string_view section, std::size_t exchanges) {
            if (const auto text =
                    line.Update(section, exchanges, SnapshotProgressLine::Clock::now())) {
                PrintError(*text);
            }
        });
    }
    RouterSnapshot snapshot;
    const SnapshotOutcome outcome = CollectRouterSnapshot(reader, options.host, snapshot);
    if (terminal) {
        PrintError(line.Clear());
    }
    if (outcome != SnapshotOutcome::Complete) {
        PrintError(SnapshotFailureText(outcome, reader, options.host, config.snmpPort));
        return 1;
    }

    const QByteArray text = SnapshotJsonText(snapshot);
    if (options.output.empty()) {
        if (!Print(text.constData(), static_cast<std::size_t>(text.size()))) {
            PrintError("tessel-manager: cannot write the snapshot to standard output\n");
            return 1;
        }
        return 0;
    }
    return Save(options.output, text) ? 0 : 1;
}

}  // namespace tessel
