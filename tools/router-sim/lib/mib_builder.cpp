#include "mib_builder.hpp"

namespace tessel::sim {

const Oid MibSystem = {1, 3, 6, 1, 2, 1, 1};
const Oid MibInterfaces = {1, 3, 6, 1, 2, 1, 2};
const Oid MibIp = {1, 3, 6, 1, 2, 1, 4};
const Oid MibEnterprise = {1, 3, 6, 1, 4, 1, 3942, 1, 1};

namespace {

MibValue Switch(bool on) {
    return IntegerValue(on ? 1 : 0);
}

std::uint32_t U(std::size_t v) {
    return static_cast<std::uint32_t>(v);
}

Oid IpSuffix(std::uint32_t address) {
    return {address >> 24, (address >> 16) & 0xFF, (address >> 8) & 0xFF, address & 0xFF};
}

Oid MacSuffix(const Mac& mac) {
    return {mac[0], mac[1], mac[2], mac[3], mac[4], mac[5]};
}

void AddSystem(const RouterState& s, MibStore& store) {
    store.Add(Join(MibSystem, {1, 0}), TextValue(s.system.description));
    store.Add(Join(MibSystem, {2, 0}), OidValue({1, 3, 6, 1, 4, 1, 3942, 1}));
    MibValue upTime{0x43, {}, LiveKind::UpTime, 0, 0};
    store.Add(Join(MibSystem, {3, 0}), upTime);
    store.Add(Join(MibSystem, {4, 0}), TextValue(s.system.contact));
    store.Add(Join(MibSystem, {5, 0}), TextValue(s.system.name));
    store.Add(Join(MibSystem, {6, 0}), TextValue(s.system.location));
    store.Add(Join(MibSystem, {7, 0}), IntegerValue(78));
}

void AddInterfaces(const RouterState& s, MibStore& store) {
    store.Add(Join(MibInterfaces, {1, 0}),
              IntegerValue(static_cast<std::int64_t>(s.interfaces.size())));
    const Oid entry = Join(MibInterfaces, {2, 1});
    for (std::size_t i = 0; i < s.interfaces.size(); ++i) {
        const Interface& f = s.interfaces[i];
        const std::uint32_t k = U(i + 1);
        const std::uint32_t inPackets = f.inOctetsPerSecond / 400;
        const std::uint32_t outPackets = f.outOctetsPerSecond / 400;
        const auto add = [&](std::uint32_t column, MibValue v) {
            store.Add(Join(entry, {column, k}), std::move(v));
        };
        add(1, IntegerValue(k));
        add(2, TextValue(f.name));
        add(3, IntegerValue(f.type));
        add(4, IntegerValue(f.mtu));
        add(5, GaugeValue(f.speed));
        add(6, TextValue(f.type == 24 || f.type == 131 ? std::string() : MacBytes(f.mac)));
        add(7, IntegerValue(f.up ? 1 : 2));
        add(8, IntegerValue(f.up ? 1 : 2));
        add(9, TicksValue(0));
        add(10, RateCounter(k * 1000003u, f.up ? f.inOctetsPerSecond : 0));
        add(11, RateCounter(k * 7919u, f.up ? inPackets : 0));
        add(12, RateCounter(k * 13u, f.up ? inPackets / 50 : 0));
        add(13, CounterValue(0));
        add(14, CounterValue(k % 3));
        add(15, CounterValue(0));
        add(16, RateCounter(k * 900001u, f.up ? f.outOctetsPerSecond : 0));
        add(17, RateCounter(k * 6007u, f.up ? outPackets : 0));
        add(18, RateCounter(k * 11u, f.up ? outPackets / 50 : 0));
        add(19, CounterValue(0));
        add(20, CounterValue(0));
        add(21, GaugeValue(0));
        add(22, OidValue({0, 0}));
    }
}

void AddIp(const RouterState& s, MibStore& store) {
    store.Add(Join(MibIp, {1, 0}), IntegerValue(1));
    store.Add(Join(MibIp, {2, 0}), IntegerValue(64));
    const Oid addrEntry = Join(MibIp, {20, 1});
    for (const Address& a : s.addresses) {
        const Oid index = IpSuffix(a.address);
        store.Add(Join(Join(addrEntry, {1}), index), IpValue(a.address));
        store.Add(Join(Join(addrEntry, {2}), index), IntegerValue(a.ifIndex));
        store.Add(Join(Join(addrEntry, {3}), index), IpValue(a.mask));
        store.Add(Join(Join(addrEntry, {4}), index), IntegerValue(1));
        store.Add(Join(Join(addrEntry, {5}), index), IntegerValue(65535));
    }
    const Oid routeEntry = Join(MibIp, {21, 1});
    for (const Route& r : s.routes) {
        const Oid index = IpSuffix(r.destination);
        const auto add = [&](std::uint32_t column, MibValue v) {
            store.Add(Join(Join(routeEntry, {column}), index), std::move(v));
        };
        add(1, IpValue(r.destination));
        add(2, IntegerValue(r.ifIndex));
        add(3, IntegerValue(r.metric));
        add(4, IntegerValue(-1));
        add(5, IntegerValue(-1));
        add(6, IntegerValue(-1));
        add(7, IpValue(r.nextHop));
        add(8, IntegerValue(r.type));
        add(9, IntegerValue(r.proto));
        add(10, IntegerValue(r.age));
        add(11, IpValue(r.mask));
        add(12, IntegerValue(-1));
        add(13, OidValue({0, 0}));
    }
}

void AddRma(const RouterState& s, MibStore& store) {
    const Oid rma = Join(MibEnterprise, {1});
    const auto radioNames = s.RadioInterfaceNames();
    for (std::size_t n = 0; n < radioNames.size(); ++n) {
        const std::uint32_t number = U(n + 1);
        const Radio* radio = s.FindRadio(radioNames[n]);
        std::uint32_t cpes = 0;
        for (const Cpe& c : s.cpes) {
            cpes += c.radio == number ? 1 : 0;
        }
        std::uint32_t rows = 0;
        for (const BaseStationRow& b : s.baseStations) {
            rows += b.radio == number ? 1 : 0;
        }
        const Oid e = Join(rma, {1, 1});
        store.Add(Join(e, {1, number}), IntegerValue(number));
        store.Add(Join(e, {2, number}), IntegerValue(s.InterfaceIndex(radioNames[n])));
        store.Add(Join(e, {3, number}), TextValue(radioNames[n]));
        store.Add(Join(e, {4, number}), GaugeValue(cpes));
        store.Add(Join(e, {5, number}), GaugeValue(rows));
        store.Add(Join(e, {6, number}), Switch(radio != nullptr && radio->autobitrate));
    }
    for (std::size_t slot = 0; slot < PollingSlots; ++slot) {
        const std::uint32_t radio = s.polling[slot];
        const std::uint32_t row = U(slot + 1);
        store.Add(Join(rma, {2, 1, 1, row}), IntegerValue(radio));
        store.Add(Join(rma, {2, 1, 2, row}),
                  TextValue(radio >= 1 && radio <= radioNames.size() ? radioNames[radio - 1] : ""));
    }
    const Oid cpe = Join(rma, {3, 1});
    for (const Cpe& c : s.cpes) {
        const Oid index = Join({c.radio}, MacSuffix(c.mac));
        const auto add = [&](std::uint32_t column, MibValue v) {
            store.Add(Join(Join(cpe, {column}), index), std::move(v));
        };
        add(1, IntegerValue(c.radio));
        add(2, TextValue(c.name));
        add(3, TextValue(MacBytes(c.mac)));
        add(4, IpValue(c.ip));
        add(5, c.registered ? MibValue{0x43, {}, LiveKind::UpTime, 0, 0} : TicksValue(0));
        add(6, IntegerValue(c.levelFrom));
        add(7, IntegerValue(c.levelTo));
        add(8, Switch(c.registered));
        store.Add(Join(Join(cpe, {9, 1}), index), IntegerValue(c.limitDown));
        store.Add(Join(Join(cpe, {9, 2}), index), IntegerValue(c.limitUp));
        add(10, RateCounter(c.mac[5] * 101u, c.registered ? 40u : 0u));
        add(11, IntegerValue(c.txRate));
        add(12, IntegerValue(c.rxRate));
        add(13, IntegerValue(c.distance));
        add(14, Switch(c.enabled));
    }
    const Oid bs = Join(rma, {4, 1});
    for (std::size_t i = 0; i < s.baseStations.size(); ++i) {
        const BaseStationRow& b = s.baseStations[i];
        const std::uint32_t row = U(i + 1);
        store.Add(Join(bs, {1, row}), IntegerValue(b.radio));
        store.Add(Join(bs, {2, row}), IntegerValue(row));
        store.Add(Join(bs, {3, row}), IntegerValue(b.frequency));
        store.Add(Join(bs, {4, row}), IntegerValue(b.speed));
        store.Add(Join(bs, {5, row}), IntegerValue(b.sid));
    }
    if (s.RegistrationActive()) {
        const Registration& r = *s.registration;
        const Oid e = Join(rma, {5, 1});
        const std::uint32_t q = r.radio;
        store.Add(Join(e, {1, q}), IntegerValue(q));
        store.Add(Join(e, {2, q}), IntegerValue(r.frequency));
        store.Add(Join(e, {3, q}), IntegerValue(r.bitrate));
        store.Add(Join(e, {4, q}), IntegerValue(r.sid));
        store.Add(Join(e, {5, q}), TextValue(MacBytes(r.bsMac)));
        store.Add(Join(e, {6, q}), IntegerValue(r.levelFrom));
        store.Add(Join(e, {7, q}), IntegerValue(r.levelTo));
        store.Add(Join(e, {8, q}), MibValue{0x43, {}, LiveKind::UpTime, 0, 0});
        store.Add(Join(e, {9, q}), IpValue(r.ip));
        store.Add(Join(e, {10, q}), IntegerValue(r.txRate));
        store.Add(Join(e, {11, q}), IntegerValue(r.rxRate));
    }
    store.Add(Join(rma, {6, 0}), Switch(s.rmaStarted));
}

void AddRadio(const RouterState& s, MibStore& store) {
    const Oid radio = Join(MibEnterprise, {2});
    const Oid e = Join(radio, {1, 1});
    std::uint32_t powerRow = 0;
    std::uint32_t freqRow = 0;
    std::uint32_t rateRow = 0;
    for (const std::string& name : s.RadioInterfaceNames()) {
        const Radio* r = s.FindRadio(name);
        if (r == nullptr) {
            continue;
        }
        const std::uint32_t i = s.InterfaceIndex(name);
        const auto add = [&](std::uint32_t column, MibValue v) {
            store.Add(Join(e, {column, i}), std::move(v));
        };
        add(1, IntegerValue(i));
        add(2, TextValue(name));
        add(3, IntegerValue(r->frequency));
        add(4, IntegerValue(r->bitrate));
        add(5, IntegerValue(r->sid));
        add(6, IntegerValue(r->power));
        add(7, IntegerValue(r->noise));
        add(8, RateCounter(i * 4099u, 120));
        add(9, IntegerValue(r->distance));
        add(10, Switch(r->burst));
        add(11, Switch(r->longMode));
        add(12, Switch(r->pwrctl));
        add(13, IntegerValue(r->txRetries));
        add(14, RateCounter(i * 3001u, 110));
        add(15, CounterValue(i * 3));
        add(16, Switch(r->wocd));
        const auto list = [&](std::uint32_t table, std::uint32_t& row,
                              const std::vector<std::int32_t>& values) {
            for (const std::int32_t v : values) {
                ++row;
                store.Add(Join(radio, {table, 1, 1, row}), IntegerValue(i));
                store.Add(Join(radio, {table, 1, 2, row}), IntegerValue(v));
            }
        };
        list(4, powerRow, r->powerLevels);
        list(5, freqRow, r->frequencies);
        list(6, rateRow, r->bitrates);
    }
}

void AddSystemSwitches(const RouterState& s, MibStore& store) {
    const Oid sys = Join(MibEnterprise, {3});
    store.Add(Join(sys, {1, 0}), TextValue(s.system.firmware));
    store.Add(Join(sys, {2, 0}), Switch(s.system.fastroute));
    store.Add(Join(sys, {3, 0}), IntegerValue(s.system.icmpLimit));
    store.Add(Join(sys, {4, 0}), Switch(s.system.sendRedirects));
    store.Add(Join(sys, {5, 0}), Switch(s.system.dropRedirects));
    store.Add(Join(sys, {6, 0}), MibValue{0x42, {}, LiveKind::CpuLoad, s.system.cpuLoad, 0});
}

void AddQos(const RouterState& s, MibStore& store) {
    const Oid e = Join(MibEnterprise, {4, 1, 1});
    for (const QosRow& q : s.qos) {
        const std::uint32_t x = static_cast<std::uint32_t>(q.index);
        const auto add = [&](std::uint32_t column, MibValue v) {
            store.Add(Join(e, {column, x}), std::move(v));
        };
        add(1, IntegerValue(q.index));
        add(2, IntegerValue(q.priority));
        add(3, TextValue(q.className));
        add(4, TextValue(q.address));
        add(5, IntegerValue(q.max));
        add(6, IntegerValue(q.maxPps));
        add(7, GaugeValue(q.curFlow));
        add(8, GaugeValue(q.curPps));
        add(9, RateCounter(q.packets, q.curPps));
        add(10, CounterValue(q.packetsDropped));
        add(11, RateCounter(q.bytes, q.curFlow * 125));
        add(12, CounterValue(q.bytesDropped));
    }
}

}  // namespace

void BuildMib(const RouterState& state, MibStore& store) {
    store.Clear();
    AddSystem(state, store);
    AddInterfaces(state, store);
    AddIp(state, store);
    AddRma(state, store);
    AddRadio(state, store);
    AddSystemSwitches(state, store);
    AddQos(state, store);
    store.Finish();
}

}  // namespace tessel::sim
