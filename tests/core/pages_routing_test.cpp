#include "core/pages/routing_table_read.hpp"

#include "recording_reader.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessel {
namespace {

using test::RecordingReader;

const std::string R = "1.3.6.1.2.1.4.21.1.";

void AddRoute(RecordingReader& reader, const std::string& d, const std::string& ifIndex,
              const std::string& proto) {
    reader.Set(R + "1." + d, d);
    reader.Set(R + "2." + d, ifIndex);
    reader.Set(R + "3." + d, "1");
    reader.Set(R + "7." + d, "10.0.0.254");
    reader.Set(R + "9." + d, proto);
    reader.Set(R + "11." + d, "255.255.255.0");
}

TEST(RoutingTableRead, FiveCountedReadsPerRouteAfterTheWalk) {
    RecordingReader reader;
    AddRoute(reader, "10.0.0.0", "2", "2");
    AddRoute(reader, "0.0.0.0", "3", "8");
    const std::vector<std::string> names = {"lo", "eth0", "rf4.0"};
    const auto rows = ReadRoutingTable(reader, names);

    EXPECT_EQ(reader.Oids('N'),
              (std::vector<std::string>{R + "1", R + "1.0.0.0.0", R + "1.10.0.0.0"}));
    std::vector<std::string> counted;
    for (const char* d : {"0.0.0.0", "10.0.0.0"}) {
        for (const char* column : {"2", "3", "7", "9", "11"}) {
            counted.push_back(R + column + "." + d);
        }
    }
    EXPECT_EQ(reader.Oids('C'), counted);

    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].destination, "0.0.0.0");
    EXPECT_EQ(rows[0].interfaceName, "rf4.0");
    EXPECT_EQ(rows[0].protocol, "rip");
    EXPECT_EQ(rows[1].interfaceName, "eth0");
    EXPECT_EQ(rows[1].protocol, "local");
    EXPECT_EQ(rows[1].metric, "1");
    EXPECT_EQ(rows[1].nextHop, "10.0.0.254");
    EXPECT_EQ(rows[1].mask, "255.255.255.0");
}

TEST(RoutingTableRead, ValuesOutsideTheTablesShowEmptyCells) {
    RecordingReader reader;
    AddRoute(reader, "10.0.0.0", "4", "15");
    AddRoute(reader, "10.1.0.0", "0", "0");
    reader.Set(R + "2.10.2.0.0", "");
    reader.Set(R + "1.10.2.0.0", "10.2.0.0");
    const std::vector<std::string> names = {"lo", "eth0", "rf4.0"};
    const auto rows = ReadRoutingTable(reader, names);
    ASSERT_EQ(rows.size(), 3u);
    for (const auto& row : rows) {
        EXPECT_EQ(row.interfaceName, "") << row.destination;
        EXPECT_EQ(row.protocol, "") << row.destination;
    }
}

TEST(RoutingTableRead, NoRoutesAfterOneGetNextAndFailedWalkEnds) {
    RecordingReader reader;
    EXPECT_TRUE(ReadRoutingTable(reader, {}).empty());
    EXPECT_EQ(reader.calls.size(), 1u);
    AddRoute(reader, "10.0.0.0", "1", "1");
    reader.calls.clear();
    reader.failAll = true;
    EXPECT_TRUE(ReadRoutingTable(reader, {}).empty());
    EXPECT_EQ(reader.calls.size(), 1u);
}

// An agent whose route table never ends: destination n follows n - 1.
class EndlessRoutes : public SnmpReader {
  public:
    std::size_t getNexts = 0;
    std::size_t counted = 0;

    static std::string Destination(std::size_t n) {
        return "10." + std::to_string(n / 65536 % 256) + "." + std::to_string(n / 256 % 256) + "." +
               std::to_string(n % 256);
    }
    void GetCounted(const std::string&, std::string& value) override {
        ++counted;
        value = "1";
    }
    bool Get(const std::string&, std::string& value) override {
        value.clear();
        return false;
    }
    bool GetNext(std::string& oid, std::string& value) override {
        value = Destination(getNexts++);
        oid = R + "1." + value;
        return true;
    }
};

TEST(RoutingTableRead, AtMostTenThousandRoutes) {
    EndlessRoutes agent;
    const auto rows = ReadRoutingTable(agent, {});
    ASSERT_EQ(rows.size(), RouteLimit);
    EXPECT_EQ(agent.getNexts, RouteLimit);
    EXPECT_EQ(agent.counted, RouteLimit * 5);
    EXPECT_EQ(rows.back().destination, EndlessRoutes::Destination(RouteLimit - 1));
    EXPECT_EQ(rows.back().protocol, "other");
}

}  // namespace
}  // namespace tessel
