#include "core/snapshot/router_snapshot.hpp"

#include "core/router/radio_rules.hpp"

namespace tessel {

namespace {

// Runs one section's reads unless an earlier one failed.
template <typename Read>
bool Section(SnapshotReader& reader, std::string_view name, Read&& read) {
    if (reader.Failed()) {
        return false;
    }
    reader.BeginSection(name);
    read();
    return !reader.Failed();
}

template <typename Read>
bool EachRadio(SnapshotReader& reader, std::string_view name, RouterSnapshot& snapshot,
               Read&& read) {
    return Section(reader, name, [&] {
        for (RadioSnapshot& radio : snapshot.radios) {
            read(radio);
            if (reader.Failed()) {
                return;
            }
        }
    });
}

// The router's radios, numbered from 1 in list order, with their bands.
RadioInterfaceList ReadRadios(SnapshotReader& reader, const std::vector<std::string>& names,
                              std::vector<RadioSnapshot>& radios) {
    RadioInterfaceList list = ReadRadioInterfaceList(reader, names);
    for (std::size_t k = 0; k < list.radios.size(); ++k) {
        RadioSnapshot& radio = radios.emplace_back();
        radio.name = list.radios[k];
        radio.number = static_cast<int>(k) + 1;
        radio.band = BandAt(list.bands, static_cast<int>(k)).value_or(0);
    }
    return list;
}

// The "RMA start" switch is the router's, not a radio's: without radios it
// is read with no radio chosen, as the page does.
void ReadRma(SnapshotReader& reader, RouterSnapshot& snapshot) {
    if (snapshot.radios.empty()) {
        snapshot.rmaStarted = ReadRmaSettings(reader, -1).started;
        return;
    }
    for (RadioSnapshot& radio : snapshot.radios) {
        radio.rma = ReadRmaSettings(reader, radio.number - 1);
        if (reader.Failed()) {
            return;
        }
    }
    snapshot.rmaStarted = snapshot.radios.front().rma.started;
}

}  // namespace

SnapshotOutcome CollectRouterSnapshot(SnapshotReader& reader, std::string_view routerHost,
                                      RouterSnapshot& snapshot) {
    reader.BeginSection("probe");
    std::string probe;
    if (!reader.Get(std::string(SnapshotProbeOid), probe)) {
        return SnapshotOutcome::NoAnswer;
    }

    const std::vector<std::string>& names = snapshot.interfaces.interfaceNames;
    RadioInterfaceList radioList;
    const bool complete =
        Section(reader, "system",
                [&] { snapshot.system = ReadSystemSettings(reader, routerHost); }) &&
        Section(reader, "interfaces", [&] { snapshot.interfaces = ReadInterfaces(reader); }) &&
        Section(reader, "radios",
                [&] { radioList = ReadRadios(reader, names, snapshot.radios); }) &&
        EachRadio(reader, "radios", snapshot,
                  [&](RadioSnapshot& radio) {
                      radio.parameters = ReadRadioParameters(reader, names, radio.name,
                                                             radio.number - 1, radioList.bands);
                  }) &&
        EachRadio(reader, "cpe", snapshot,
                  [&](RadioSnapshot& radio) {
                      radio.cpe = ReadCpeTable(reader, radio.number, radio.band);
                  }) &&
        EachRadio(reader, "base_stations", snapshot,
                  [&](RadioSnapshot& radio) {
                      radio.baseStations = ReadBsList(reader, radio.number, names, radio.name);
                      if (radio.baseStations.ReadRegistrationNext() && !reader.Failed()) {
                          radio.registration = ReadBsRegistration(reader, radio.number, radio.band,
                                                                  radio.baseStations.gridRows);
                      }
                  }) &&
        Section(reader, "rma", [&] { ReadRma(reader, snapshot); }) &&
        Section(reader, "routes", [&] { snapshot.routes = ReadRoutingTable(reader, names); }) &&
        Section(reader, "qos", [&] { snapshot.qos = ReadQosTable(reader); });
    return complete ? SnapshotOutcome::Complete : SnapshotOutcome::StoppedAnswering;
}

}  // namespace tessel
