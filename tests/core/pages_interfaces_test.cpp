#include "core/pages/interfaces_read.hpp"

#include "recording_reader.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace tessel {
namespace {

using test::RecordingReader;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

const std::string kAddr = "1.3.6.1.2.1.4.20.1.1.";
const std::string kAddrIndex = "1.3.6.1.2.1.4.20.1.2.";
const std::string kAddrMask = "1.3.6.1.2.1.4.20.1.3.";
const std::string kDescr = "1.3.6.1.2.1.2.2.1.2.";
const std::string kMtu = "1.3.6.1.2.1.2.2.1.4.";
const std::string kOper = "1.3.6.1.2.1.2.2.1.8.";

void AddAddress(RecordingReader& r, const std::string& address, const std::string& index,
                const std::string& mask) {
    r.Set(kAddr + address, address);
    r.Set(kAddrIndex + address, index);
    r.Set(kAddrMask + address, mask);
}

void AddInterface(RecordingReader& r, int index, const std::string& name, const std::string& mtu,
                  const std::string& oper) {
    const std::string k = std::to_string(index);
    r.Set(kDescr + k, name);
    r.Set(kMtu + k, mtu);
    r.Set(kOper + k, oper);
}

// A small router: a loopback, an Ethernet port, a radio, a tunnel and a VLAN,
// with one address whose interface index names no interface.
RecordingReader SmallRouter() {
    RecordingReader r;
    AddInterface(r, 1, "lo", "16436", "1");
    AddInterface(r, 2, "eth0", "1500", "1");
    AddInterface(r, 3, "rf5.0", "1580", "2");
    AddInterface(r, 4, "tun0", "1476", "");
    AddInterface(r, 5, "vlan2", "1500", "3");
    AddAddress(r, "10.0.0.1", "2", "255.255.255.0");
    AddAddress(r, "10.8.0.1", "4", "255.255.255.252");
    AddAddress(r, "127.0.0.1", "1", "255.0.0.0");
    AddAddress(r, "192.168.9.1", "9", "");
    return r;
}

TEST(InterfacesRead, ReadOrderAndKinds) {
    RecordingReader r;
    AddInterface(r, 1, "lo", "16436", "1");
    AddInterface(r, 2, "eth0", "1500", "1");
    AddAddress(r, "10.0.0.1", "2", "255.0.0.0");
    ReadInterfaces(r);

    std::vector<std::pair<char, std::string>> calls;
    for (const auto& call : r.calls) {
        calls.emplace_back(call.kind, call.oid);
    }
    EXPECT_THAT(calls, ElementsAre(std::pair{'N', "1.3.6.1.2.1.4.20.1.1"},
                                   std::pair{'N', kAddr + "10.0.0.1"}, std::pair{'C', kDescr + "1"},
                                   std::pair{'C', kDescr + "2"}, std::pair{'C', kDescr + "3"},
                                   std::pair{'C', kAddrIndex + "10.0.0.1"},
                                   std::pair{'C', kAddrMask + "10.0.0.1"},
                                   std::pair{'C', kMtu + "1"}, std::pair{'C', kOper + "1"},
                                   std::pair{'C', kMtu + "2"}, std::pair{'C', kOper + "2"}));
}

TEST(InterfacesRead, PageTextsAsShown) {
    RecordingReader r = SmallRouter();
    const InterfacesReading page = ReadInterfaces(r);

    EXPECT_THAT(page.addresses, ElementsAre("10.0.0.1", "10.8.0.1", "127.0.0.1", "192.168.9.1"));
    EXPECT_THAT(page.interfaceNames, ElementsAre("lo", "eth0", "rf5.0", "tun0", "vlan2"));
    // Tunnels and VLANs are kept out of "Interface:" but not out of the load meter.
    EXPECT_THAT(page.aliasChoices, ElementsAre("lo", "eth0", "rf5.0"));
    EXPECT_EQ(page.aliasChoice, 1);
    EXPECT_THAT(page.loadMeterChoices, ElementsAre("lo", "eth0", "rf5.0", "tun0", "vlan2"));
    EXPECT_EQ(page.loadMeterChoice, 0);

    ASSERT_EQ(page.ipTable.size(), 4u);
    const auto& eth = page.ipTable[0];
    EXPECT_EQ(eth.interfaceName, "eth0");
    EXPECT_EQ(eth.address, "10.0.0.1");
    EXPECT_EQ(eth.mask, "255.255.255.0");
    EXPECT_EQ(eth.interfaceIndex, "2");
    EXPECT_EQ(page.ipTable[1].interfaceName, "tun0");
    EXPECT_EQ(page.ipTable[2].interfaceName, "lo");
    // Index 9 lies beyond the five names: an empty cell, the index kept.
    EXPECT_EQ(page.ipTable[3].interfaceName, "");
    EXPECT_EQ(page.ipTable[3].interfaceIndex, "9");
    EXPECT_EQ(page.ipTable[3].mask, "");

    ASSERT_EQ(page.interfaces.size(), 5u);
    std::vector<std::string> shown;
    for (const auto& row : page.interfaces) {
        shown.push_back(row.name + " " + row.mtu + " " + row.state);
    }
    // Only an ifOperStatus of exactly "1" is "up"; 2, 3 and a failed read are "down".
    EXPECT_THAT(shown, ElementsAre("lo 16436 up", "eth0 1500 up", "rf5.0 1580 down",
                                   "tun0 1476 down", "vlan2 1500 down"));
}

TEST(InterfacesRead, NameListEndsAtAGapOrAtTheLimit) {
    RecordingReader gap;
    AddInterface(gap, 1, "lo", "16436", "1");
    AddInterface(gap, 2, "eth0", "1500", "1");
    AddInterface(gap, 4, "eth2", "1500", "1");
    AddAddress(gap, "10.0.0.4", "4", "255.0.0.0");
    const auto page = ReadInterfaces(gap);
    EXPECT_THAT(page.interfaceNames, ElementsAre("lo", "eth0"));
    EXPECT_EQ(page.interfaces.size(), 2u);
    EXPECT_EQ(page.ipTable.at(0).interfaceName, "");  // interface 4 is not in the list
    EXPECT_EQ(page.aliasChoice, 1);

    RecordingReader many;
    for (int k = 1; k <= 120; ++k) {
        many.Set(kDescr + std::to_string(k), "if" + std::to_string(k));
    }
    const auto full = ReadInterfaces(many);
    ASSERT_EQ(full.interfaceNames.size(), kMaxInterfaceNames);
    EXPECT_EQ(full.interfaceNames.back(), "if100");
    const auto counted = many.Oids('C');
    EXPECT_EQ(std::count(counted.begin(), counted.end(), kDescr + "101"), 0);
}

TEST(InterfacesRead, AddressWalkKeepsAtMostOneHundred) {
    RecordingReader r;
    for (int i = 1; i <= 130; ++i) {
        r.Set(kAddr + "10.0." + std::to_string(i) + ".1", "10.0." + std::to_string(i) + ".1");
    }
    const auto page = ReadInterfaces(r);
    EXPECT_EQ(page.addresses.size(), kMaxAddresses);
    EXPECT_EQ(page.ipTable.size(), kMaxAddresses);
    EXPECT_EQ(r.Oids('N').size(), kMaxAddresses);
}

TEST(InterfacesRead, SilentRouterGivesEmptyPageAfterTwoRequests) {
    RecordingReader r = SmallRouter();
    r.failAll = true;
    const auto page = ReadInterfaces(r);
    EXPECT_THAT(page.addresses, IsEmpty());
    EXPECT_THAT(page.interfaceNames, IsEmpty());
    EXPECT_THAT(page.aliasChoices, IsEmpty());
    EXPECT_EQ(page.aliasChoice, -1);
    EXPECT_EQ(page.loadMeterChoice, -1);
    EXPECT_THAT(page.ipTable, IsEmpty());
    EXPECT_THAT(page.interfaces, IsEmpty());
    EXPECT_EQ(r.calls.size(), 2u);
}

TEST(InterfacesRead, OneAliasChoiceLeavesNothingSelected) {
    RecordingReader r;
    AddInterface(r, 1, "lo", "16436", "1");
    AddInterface(r, 2, "tun0", "1476", "1");
    const auto page = ReadInterfaces(r);
    EXPECT_THAT(page.aliasChoices, ElementsAre("lo"));
    EXPECT_EQ(page.aliasChoice, -1);
    EXPECT_EQ(page.loadMeterChoice, 0);
}

}  // namespace
}  // namespace tessel
