// tessel-manager --snapshot as an operator runs it: no display, the lab
// router (or a silent socket) on a free loopback port, standard output and
// standard error kept apart.

#include "core/snmp/snmp_client.hpp"
#include "support/router_sim_process.hpp"
#include "support/run_program.hpp"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QStringList>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace tessel::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

struct SnapshotRun {
    int exitCode = -1;
    std::string out;
    std::string err;
    std::chrono::milliseconds elapsed{};
};

std::string ReadFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

class Snapshot : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("tessel-snapshot-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    // No display at all, and the X11 platform that would abort without one.
    SnapshotRun Run(int port, const std::vector<std::string>& args) const {
        const fs::path err = dir_ / "stderr";
        const char* script =
            "f=$1 p=$2; shift 2; exec env -u DISPLAY -u WAYLAND_DISPLAY "
            "QT_QPA_PLATFORM=xcb TESSEL_SNMP_PORT=$p \"$@\" 2>\"$f\"";
        std::vector<std::string> argv = {
            "sh", "-c", script, "sh", err.string(), std::to_string(port), TESSEL_MANAGER_PATH};
        argv.insert(argv.end(), args.begin(), args.end());
        const auto start = std::chrono::steady_clock::now();
        const ProgramResult result = RunProgram(argv, 120s);
        SnapshotRun run;
        run.elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now() - start);
        run.exitCode = result.exitCode;
        run.out = result.output;
        run.err = ReadFile(err);
        return run;
    }

    static QJsonObject Parse(const std::string& text) {
        QJsonParseError error{};
        const QJsonDocument document = QJsonDocument::fromJson(
            QByteArray(text.data(), static_cast<qsizetype>(text.size())), &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
        EXPECT_TRUE(document.isObject());
        return document.object();
    }

    fs::path dir_;
};

TEST_F(Snapshot, FullTablesGiveOneDocumentWithEveryRoute) {
    RouterSim sim({"--scale", "max"});
    const SnapshotRun run =
        Run(sim.SnmpPort(), {"--snapshot", "--host=127.0.0.1", "--community=public"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    // Not a terminal: no progress line.
    EXPECT_EQ(run.err, "");
    const QJsonObject snapshot = Parse(run.out);
    QStringList keys = snapshot.keys();
    keys.sort();
    EXPECT_EQ(keys, QStringList({"addresses", "base_stations", "cpe", "interfaces", "qos", "radios",
                                 "registration", "rma", "routes", "system"}));

    ::setenv("TESSEL_SNMP_PORT", std::to_string(sim.SnmpPort()).c_str(), 1);
    std::string name;
    ASSERT_TRUE(SnmpGetValue("1.3.6.1.2.1.1.5.0", "public", "127.0.0.1", name));
    ::unsetenv("TESSEL_SNMP_PORT");
    EXPECT_FALSE(name.empty());
    EXPECT_EQ(snapshot["system"]["name"].toString().toStdString(), name);

    const QJsonArray routes = snapshot["routes"].toArray();
    ASSERT_EQ(routes.size(), 10000);
    QSet<QString> destinations;
    for (const QJsonValue& route : routes) {
        destinations.insert(route["destination"].toString());
        ASSERT_FALSE(route["mask"].toString().isEmpty());
    }
    EXPECT_EQ(destinations.size(), 10000);
    EXPECT_FALSE(snapshot["cpe"].toArray().isEmpty());
}

TEST_F(Snapshot, OutputFileAppearsWholeAndFailuresExitOneWithinTheTimeOut) {
    RouterSim sim;
    const fs::path file = dir_ / "router.json";
    const std::string output = "--output=" + file.string();
    const SnapshotRun written =
        Run(sim.SnmpPort(), {"--snapshot", "--host=127.0.0.1", "--community=public", output});
    ASSERT_EQ(written.exitCode, 0) << written.err;
    EXPECT_EQ(written.out, "");
    const QJsonObject snapshot = Parse(ReadFile(file));
    EXPECT_FALSE(snapshot["routes"].toArray().isEmpty());
    // Nothing left beside it but the captured standard error.
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"router.json", "stderr"}));

    // A bound socket that never answers.
    const int silent = ::socket(AF_INET, SOCK_DGRAM, 0);
    ASSERT_GE(silent, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(::bind(silent, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    socklen_t length = sizeof address;
    ASSERT_EQ(::getsockname(silent, reinterpret_cast<sockaddr*>(&address), &length), 0);
    const int silentPort = ntohs(address.sin_port);

    // A silent router prints nothing; a wrong community leaves the previous
    // file as it was.
    const std::string before = ReadFile(file);
    const std::vector<std::pair<int, std::vector<std::string>>> cases = {
        {silentPort, {"--snapshot", "--host=127.0.0.1", "--community=public"}},
        {sim.SnmpPort(), {"--snapshot", "--host=127.0.0.1", "--community=private", output}}};
    for (const auto& [port, args] : cases) {
        const SnapshotRun run = Run(port, args);
        EXPECT_EQ(run.exitCode, 1) << port;
        EXPECT_EQ(run.out, "") << port;
        EXPECT_NE(run.err.find("no answer from 127.0.0.1 (SNMP, UDP port " + std::to_string(port) +
                               ") within 5 s"),
                  std::string::npos)
            << run.err;
        EXPECT_NE(run.err.find("community is wrong"), std::string::npos) << run.err;
        // One 5 s time-out plus the program's start, with room for a
        // sanitizer build on a busy machine; 21 time-outs would be 105 s.
        EXPECT_LT(run.elapsed, 8000ms) << port;
    }
    EXPECT_EQ(ReadFile(file), before);
    ::close(silent);
}

TEST_F(Snapshot, WrongCommandLinesShowTheUsageAndExitTwo) {
    const std::vector<std::vector<std::string>> lines = {
        {"--snapshot"},
        {"--snapshot", "--community=public"},
        {"--snapshot", "--host=127.0.0.1"},
        {"--snapshot", "--host=127.0.0.1", "--community=public", "--verbose"},
        {"--host=127.0.0.1", "--snapshot", "--community=public", "--output="},
    };
    for (const auto& args : lines) {
        // Port 9 (discard): nothing may be sent before the line is checked.
        const SnapshotRun run = Run(9, args);
        EXPECT_EQ(run.exitCode, 2) << run.err;
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("Usage: tessel-manager --snapshot --host=ADDRESS"),
                  std::string::npos)
            << run.err;
        EXPECT_LT(run.elapsed, 4000ms) << run.err;
    }
}

}  // namespace
}  // namespace tessel::test
