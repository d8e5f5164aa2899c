// The snapshot's collection against a scripted router: every page read with
// the page readers, radio pages once per radio in turn, and nothing sent
// after the first failed exchange; its command line and texts.

#include "core/snapshot/snapshot_options.hpp"

#include "recording_reader.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

namespace tessel {
namespace {

using test::RecordingReader;

const std::string E = "1.3.6.1.4.1.3942.1.1.";
const std::string CpeWalk = E + "1.3.1.1.";
const std::string RouteColumns = "1.3.6.1.2.1.4.21.1.";

// A router with two radios of different bands, CPE on both, one configured
// base station for the second radio, one route and one QoS row.
struct FakeAgent {
    FakeAgent() {
        router.Set(std::string(SnapshotProbeOid), "12");
        router.Set("1.3.6.1.2.1.1.5.0", "lab-bs");
        router.Set(E + "1.6.0", "1");
        const char* names[] = {"rf5.0", "rf2.0", "eth0"};
        for (int k = 1; k <= 3; ++k) {
            router.Set("1.3.6.1.2.1.2.2.1.2." + std::to_string(k), names[k - 1]);
        }
        router.Set(E + "2.1.1.3.1", "5180");
        router.Set(E + "2.1.1.3.2", "2412");
        router.Set(CpeWalk + "1.0.11.34.5.120.255", "1");
        router.Set(CpeWalk + "2.0.11.34.5.120.1", "2");
        router.Set(CpeWalk + "2.0.11.34.5.120.2", "2");
        router.Set(E + "1.3.1.2.2.0.11.34.5.120.1", "cpe-b");
        router.Set(E + "1.4.1.2.1", "1");
        router.Set(E + "1.4.1.1.1", "2");
        router.Set(E + "1.4.1.3.1", "2412");
        router.Set(E + "1.4.1.4.1", "5500");
        router.Set(E + "1.4.1.5.1", "100");
        router.Set(E + "1.1.1.6.2", "1");
        router.Set(E + "1.2.1.1.1", "2");
        router.Set(RouteColumns + "1.10.0.0.0", "10.0.0.0");
        router.Set(RouteColumns + "3.10.0.0.0", "7");
        router.Set(E + "4.1.1.1.1", "1");
        router.Set(E + "4.1.1.3.1", "gold");
    }

    // Records every OID asked for, failed exchanges included.
    template <typename Exchange>
    auto Answer(Exchange exchange) {
        return [this, exchange](auto& oid, const std::string&, const std::string&,
                                std::string& value) {
            sent.push_back(oid);
            if (fails && fails(oid)) {
                value.clear();
                return false;
            }
            return exchange(oid, value);
        };
    }
    SnmpTransport Transport() {
        return {Answer([this](const std::string& o, std::string& v) { return router.Get(o, v); }),
                Answer([this](std::string& o, std::string& v) { return router.GetNext(o, v); })};
    }

    // Position of the first exchange asking for an OID that begins with
    // prefix; the number of calls when there is none.
    std::size_t FirstCall(const std::string& prefix) const {
        const auto found = std::find_if(sent.begin(), sent.end(), [&](const std::string& oid) {
            return oid.rfind(prefix, 0) == 0;
        });
        return static_cast<std::size_t>(found - sent.begin());
    }

    RecordingReader router;
    std::vector<std::string> sent;
    std::function<bool(const std::string&)> fails;
};

TEST(RouterSnapshot, ReadsEveryPageWithTheRadioPagesOncePerRadioInTurn) {
    FakeAgent agent;
    SnapshotReader reader(agent.Transport(), "10.0.0.1", "public");
    RouterSnapshot snapshot;
    ASSERT_EQ(CollectRouterSnapshot(reader, "10.0.0.1", snapshot), SnapshotOutcome::Complete);
    EXPECT_EQ(SnapshotFailureText(SnapshotOutcome::Complete, reader, "h", "161"), "");
    ASSERT_FALSE(agent.sent.empty());
    EXPECT_EQ(agent.sent.front(), SnapshotProbeOid);

    EXPECT_EQ(snapshot.system.name, "lab-bs");
    ASSERT_EQ(snapshot.radios.size(), 2u);
    const RadioSnapshot& first = snapshot.radios[0];
    const RadioSnapshot& second = snapshot.radios[1];
    EXPECT_EQ(std::tie(first.name, first.band), std::make_tuple("rf5.0", 1));
    EXPECT_EQ(std::tie(second.name, second.band), std::make_tuple("rf2.0", 2));
    // "Wocd mode" is read for the band 1 radio only.
    EXPECT_TRUE(first.parameters.wocdApplies);
    EXPECT_FALSE(second.parameters.wocdApplies);
    ASSERT_EQ(first.cpe.rows.size(), 1u);
    ASSERT_EQ(second.cpe.rows.size(), 2u);
    EXPECT_EQ(second.cpe.rows[0].name, "cpe-b");
    EXPECT_TRUE(first.baseStations.records.empty());
    EXPECT_EQ(second.baseStations.records.size(), 1u);
    ASSERT_TRUE(second.registration.has_value());
    EXPECT_FALSE(second.registration->available);
    EXPECT_TRUE(snapshot.rmaStarted);
    EXPECT_FALSE(first.rma.autobitrate || first.rma.polling);
    EXPECT_TRUE(second.rma.autobitrate && second.rma.polling);
    EXPECT_EQ(snapshot.routes.size(), 1u);
    EXPECT_EQ(snapshot.qos.size(), 1u);

    // The load's page order, each radio page for radio 1 before radio 2.
    const std::vector<std::size_t> order = {
        agent.FirstCall("1.3.6.1.2.1.1.5.0"), agent.FirstCall("1.3.6.1.2.1.4.20.1.1"),
        agent.FirstCall(E + "2.1.1.4.1"),     agent.FirstCall(E + "2.1.1.4.2"),
        agent.FirstCall(CpeWalk + "1"),       agent.FirstCall(CpeWalk + "2"),
        agent.FirstCall(E + "1.4.1.2"),       agent.FirstCall(E + "1.1.1.6.1"),
        agent.FirstCall(E + "1.1.1.6.2"),     agent.FirstCall(RouteColumns + "1"),
        agent.FirstCall(E + "4.1.1.1")};
    for (std::size_t k = 1; k < order.size(); ++k) {
        EXPECT_LT(order[k - 1], order[k]) << "step " << k;
    }
    EXPECT_LT(order.back(), agent.sent.size());
}

TEST(RouterSnapshot, NothingIsSentAfterTheFirstFailedExchangeAndTheTextSaysWhere) {
    {
        // A silent router: the probe alone, one time-out.
        FakeAgent agent;
        agent.fails = [](const std::string&) { return true; };
        SnapshotReader reader(agent.Transport(), "10.0.0.1", "public");
        RouterSnapshot snapshot;
        EXPECT_EQ(CollectRouterSnapshot(reader, "10.0.0.1", snapshot), SnapshotOutcome::NoAnswer);
        EXPECT_EQ(agent.sent.size(), 1u);
        const std::string text =
            SnapshotFailureText(SnapshotOutcome::NoAnswer, reader, "router.lab", "161");
        EXPECT_NE(text.find("no answer from router.lab (SNMP, UDP port 161) within 5 s"),
                  std::string::npos)
            << text;
        EXPECT_NE(text.find("community is wrong"), std::string::npos) << text;
    }
    // A router that stops answering within a page: a counted read, a table
    // walk's GetNext, a read inside the base-station walk.
    const std::vector<std::pair<std::string, std::string>> failures = {
        {RouteColumns + "3.10.0.0.0", "routes"},
        {CpeWalk + "2.0.11.34.5.120.1", "cpe"},
        {E + "1.4.1.4.1", "base_stations"}};
    for (const auto& [failing, section] : failures) {
        FakeAgent agent;
        // A copy: a structured binding is not captured by clang before 16.
        agent.fails = [oid = failing](const std::string& asked) { return asked == oid; };
        SnapshotReader reader(agent.Transport(), "10.0.0.1", "public");
        RouterSnapshot snapshot;
        const SnapshotOutcome outcome = CollectRouterSnapshot(reader, "10.0.0.1", snapshot);
        EXPECT_EQ(outcome, SnapshotOutcome::StoppedAnswering);
        ASSERT_FALSE(agent.sent.empty());
        EXPECT_EQ(agent.sent.back(), failing);
        EXPECT_EQ(std::count(agent.sent.begin(), agent.sent.end(), failing), 1);
        EXPECT_EQ(reader.Exchanges(), agent.sent.size());
        const std::string text = SnapshotFailureText(outcome, reader, "10.0.0.1", "1161");
        EXPECT_NE(text.find("10.0.0.1 (SNMP, UDP port 1161) stopped answering"), std::string::npos)
            << text;
        EXPECT_NE(text.find(failing + " while reading " + section + " (after " +
                            std::to_string(agent.sent.size()) + " exchanges)"),
                  std::string::npos)
            << text;
    }
}

bool Recognized(std::vector<const char*> args) {
    args.insert(args.begin(), "tessel-manager");
    return IsSnapshotRequest(static_cast<int>(args.size()), args.data());
}

TEST(SnapshotOptions, RecognizedUnlessTheLineIsAWindowLogin) {
    EXPECT_TRUE(Recognized({"--snapshot"}));
    EXPECT_TRUE(Recognized({"--host=a", "--community=b", "--snapshot"}));
    EXPECT_TRUE(Recognized({"--snapshot", "--login=x"}));  // then refused as unknown
    // The community of a window login runs to the end of the line.
    EXPECT_FALSE(
        Recognized({"--host=a", "--login=b", "--password=c", "--community=d", "--snapshot"}));
    EXPECT_FALSE(Recognized({"--host=a", "--community=b"}));
    EXPECT_FALSE(Recognized({"--snapshots"}));
    EXPECT_FALSE(Recognized({}));
}

std::string Parse(std::vector<const char*> args, SnapshotOptions& options) {
    args.insert(args.begin(), "tessel-manager");
    return ParseSnapshotOptions(static_cast<int>(args.size()), args.data(), options);
}

TEST(SnapshotOptions, EachArgumentIsOneOptionInAnyOrder) {
    SnapshotOptions options;
    EXPECT_EQ(
        Parse({"--community=pub lic=1", "--output=out.json", "--snapshot", "--host=h"}, options),
        "");
    EXPECT_EQ(std::tie(options.host, options.community, options.output),
              std::make_tuple("h", "pub lic=1", "out.json"));
    EXPECT_FALSE(options.help);

    const std::vector<std::pair<std::vector<const char*>, std::string>> wrong = {
        {{"--snapshot", "--community=c"}, "--host=ADDRESS is missing"},
        {{"--snapshot", "--host=", "--community=c"}, "--host=ADDRESS is missing"},
        {{"--snapshot", "--host=h"}, "--community=COMMUNITY is missing"},
        {{"--snapshot", "--host=h", "--community=c", "--port=1"}, "unknown option \"--port=1\""},
        {{"--snapshot", "--host=h", "--community=c", "--host=i"}, "--host is given twice"},
        {{"--snapshot", "--snapshot", "--host=h", "--community=c"}, "--snapshot is given twice"},
        {{"--snapshot", "--host=h", "--community=c", "--output="}, "--output= needs a file name"},
    };
    for (const auto& [args, complaint] : wrong) {
        SnapshotOptions o;
        EXPECT_EQ(Parse(args, o), complaint);
    }
    SnapshotOptions help;
    EXPECT_EQ(Parse({"--snapshot", "--help"}, help), "");
    EXPECT_TRUE(help.help);
}

TEST(SnapshotOptions, ProgressLineIsRewrittenAFewTimesASecond) {
    using namespace std::chrono_literals;
    SnapshotProgressLine line;
    EXPECT_EQ(line.Clear(), "");
    const auto t0 = SnapshotProgressLine::Clock::time_point{} + 1h;
    EXPECT_EQ(line.Update("interfaces", 1, t0), "\rinterfaces: 1 reads");
    EXPECT_EQ(line.Update("interfaces", 2, t0 + 99ms), std::nullopt);
    EXPECT_EQ(line.Update("interfaces", 3, t0 + 100ms), "\rinterfaces: 3 reads");
    // A new section shows at once, over the rest of the longer line.
    EXPECT_EQ(line.Update("qos", 1, t0 + 101ms), "\rqos: 1 reads       ");
    EXPECT_EQ(line.Clear(), "\r" + std::string(19, ' ') + "\r");
}

}  // namespace
}  // namespace tessel
