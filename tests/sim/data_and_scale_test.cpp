// Loading data files, and the "--scale max" generator.

#include <gtest/gtest.h>

#include <set>

#include "mib_builder.hpp"
#include "scale.hpp"
#include "sim_fixture.hpp"

namespace tessel::sim {
namespace {

TEST(DataFiles, BundledFilesLoadConsistently) {
    const RouterState bs = test::BundledState("base-station.json");
    EXPECT_EQ(bs.RadioInterfaceNames(), (std::vector<std::string>{"rf5.0", "rf2.0"}));
    EXPECT_EQ(bs.InterfaceIndex("tun0"), 6u);
    EXPECT_EQ(bs.polling[0], 1u);
    EXPECT_FALSE(bs.RegistrationActive());
    const RouterState cpe = test::BundledState("client-unit.json");
    EXPECT_EQ(cpe.baseStations.size(), 4u) << "three records, one row per frequency";
    EXPECT_TRUE(cpe.RegistrationActive());
}

TEST(DataFiles, InconsistentFilesAreRefusedNamingTheField) {
    const auto refusal = [](const std::string& json) {
        try {
            ParseRouterState(json, "test.json");
        } catch (const std::runtime_error& e) {
            return std::string(e.what());
        }
        return std::string("accepted");
    };
    EXPECT_NE(refusal("[1,2]").find("not a JSON object"), std::string::npos);
    EXPECT_NE(
        refusal(R"({"interfaces":[{"name":"eth0"},{"name":"eth0"}]})").find("interfaces[1].name"),
        std::string::npos);
    EXPECT_NE(
        refusal(R"({"interfaces":[{"name":"eth0","mac":"00:11"}]})").find("interfaces[0].mac"),
        std::string::npos);
    EXPECT_NE(refusal(R"({"interfaces":[{"name":"rf1"}]})").find("no settings for radio"),
              std::string::npos);
    EXPECT_NE(refusal(R"({"interfaces":[{"name":"eth0"}],
                         "addresses":[{"interface":"eth1","address":"10.0.0.1","mask":"255.0.0.0"}]})")
                  .find("addresses[0].interface"),
              std::string::npos);
    EXPECT_NE(refusal(R"({"interfaces":[{"name":"eth0"}],
                         "addresses":[{"interface":"eth0","address":"10.0.0.1","mask":"255.0.255.0"}]})")
                  .find("addresses[0].mask"),
              std::string::npos);
    EXPECT_NE(
        refusal(R"({"interfaces":[{"name":"rf1"}],"radios":[{"interface":"rf1","frequency":5180,
                         "frequencies":[5200],"bitrates":[1],"bitrate":1,"powerLevels":[1],"power":1}]})")
            .find("among their lists"),
        std::string::npos);
    EXPECT_NE(refusal(R"({"system":{"icmpLimit":1.5}})").find("system.icmpLimit"),
              std::string::npos);
}

TEST(MaxScale, FillsEveryTableToItsLimitWithUniqueIndexes) {
    RouterState s = test::BundledState();
    ApplyMaxScale(s);
    EXPECT_EQ(s.interfaces.size(), MaxInterfaces);
    EXPECT_EQ(s.addresses.size(), MaxAddresses);
    EXPECT_EQ(s.routes.size(), MaxRoutes);
    EXPECT_EQ(s.baseStations.size(), MaxBaseStationRows);
    EXPECT_EQ(s.qos.size(), MaxQosRows);
    EXPECT_EQ(
        std::count_if(s.cpes.begin(), s.cpes.end(), [](const Cpe& c) { return c.radio == 1; }),
        static_cast<long>(MaxCpesPerRadio));
    std::set<std::uint32_t> destinations;
    for (const Route& r : s.routes) {
        EXPECT_TRUE(destinations.insert(r.destination).second);
        EXPECT_GE(r.ifIndex, 1u);
        EXPECT_LE(r.ifIndex, s.interfaces.size());
    }
    std::set<std::uint32_t> addresses;
    for (const Address& a : s.addresses) {
        EXPECT_TRUE(addresses.insert(a.address).second);
    }
    std::set<std::string> names;
    for (const Interface& f : s.interfaces) {
        EXPECT_TRUE(names.insert(f.name).second);
    }
    // The loaded data stays in front, unchanged.
    EXPECT_EQ(s.interfaces[0].name, "rf5.0");
    EXPECT_EQ(s.routes[0].destination, 0u);
    // Every base-station row uses a frequency and a speed its radio offers.
    const Radio& radio = *s.FindRadio("rf5.0");
    for (const BaseStationRow& b : s.baseStations) {
        EXPECT_NE(std::find(radio.frequencies.begin(), radio.frequencies.end(), b.frequency),
                  radio.frequencies.end());
    }
    MibStore store;
    BuildMib(s, store);
    const auto column = [&](const Oid& prefix) {
        return std::count_if(store.Entries().begin(), store.Entries().end(),
                             [&](const MibEntry& e) {
                                 return e.oid.size() > prefix.size() &&
                                        std::equal(prefix.begin(), prefix.end(), e.oid.begin());
                             });
    };
    EXPECT_EQ(column({1, 3, 6, 1, 2, 1, 4, 21, 1, 1}), 10000);
    EXPECT_EQ(column({1, 3, 6, 1, 2, 1, 4, 21, 1}), 130000);
}

TEST(MaxScale, FractionFillsEachTableToItsShareAndKeepsTheData) {
    const RouterState loaded = test::BundledState();
    RouterState quarter = loaded;
    ApplyMaxScale(quarter, 0.25);
    EXPECT_EQ(quarter.interfaces.size(), 25u);
    EXPECT_EQ(quarter.addresses.size(), 25u);
    EXPECT_EQ(quarter.routes.size(), 2500u);
    EXPECT_EQ(quarter.baseStations.size(), 18u);  // 17.5 rounds up
    EXPECT_EQ(quarter.qos.size(), 16u);
    EXPECT_EQ(std::count_if(quarter.cpes.begin(), quarter.cpes.end(),
                            [](const Cpe& c) { return c.radio == 1; }),
              50);
    // With fewer generated interfaces every address and route still names one.
    for (const Address& a : quarter.addresses) {
        EXPECT_GE(a.ifIndex, 1u);
        EXPECT_LE(a.ifIndex, quarter.interfaces.size());
    }
    for (const Route& r : quarter.routes) {
        EXPECT_GE(r.ifIndex, 1u);
        EXPECT_LE(r.ifIndex, quarter.interfaces.size());
    }
    // A share smaller than the data file leaves the loaded rows alone.
    RouterState tiny = loaded;
    ApplyMaxScale(tiny, 0.001);
    EXPECT_EQ(tiny.interfaces.size(), loaded.interfaces.size());
    EXPECT_EQ(tiny.addresses.size(), loaded.addresses.size());
    EXPECT_EQ(tiny.routes.size(), loaded.routes.size());
    EXPECT_EQ(tiny.qos.size(), loaded.qos.size());
}

TEST(MaxScale, IsDeterministic) {
    RouterState a = test::BundledState("client-unit.json");
    RouterState b = test::BundledState("client-unit.json");
    ApplyMaxScale(a);
    ApplyMaxScale(b);
    MibStore sa;
    MibStore sb;
    BuildMib(a, sa);
    BuildMib(b, sb);
    ASSERT_EQ(sa.Size(), sb.Size());
    for (std::size_t i = 0; i < sa.Size(); ++i) {
        ASSERT_EQ(sa.Entries()[i].oid, sb.Entries()[i].oid);
        ASSERT_EQ(ValueContent(sa.Entries()[i].value, 100),
                  ValueContent(sb.Entries()[i].value, 100));
    }
}

}  // namespace
}  // namespace tessel::sim
