#include "core/pages/radio_read.hpp"

#include "core/pages/counted_read.hpp"
#include "core/router/number_text.hpp"
#include "core/snmp/oids.hpp"

#include <algorithm>
#include <functional>

namespace tessel {
namespace {

std::string RadioColumn(int column, const std::string& row) {
    return oids::RadioEntry + std::to_string(column) + "." + row;
}

// Column 2 of a choice table holds the choice, column 1 the row index of the
// radio it belongs to. The first empty choice ends the table.
ChoiceList ReadChoices(SnmpReader& reader, const std::string& table,
                       const std::string& interfaceNumber,
                       const std::function<bool(const std::string&)>& isCurrent) {
    ChoiceList list;
    for (std::size_t c = 1; c <= kMaxChoiceRows; ++c) {
        const std::string row = std::to_string(c);
        std::string choice = ReadCounted(reader, table + "2." + row);
        if (choice.empty()) {
            break;
        }
        if (ReadCounted(reader, table + "1." + row) != interfaceNumber) {
            continue;
        }
        if (isCurrent(choice)) {
            list.selected = static_cast<int>(list.items.size());
        }
        list.items.push_back(std::move(choice));
    }
    return list;
}

}  // namespace

RadioInterfaceList ReadRadioInterfaceList(SnmpReader& reader,
                                          const std::vector<std::string>& interfaceNames) {
    RadioInterfaceList list;
    std::copy_if(interfaceNames.begin(), interfaceNames.end(), std::back_inserter(list.radios),
                 [](const std::string& name) { return IsRadioInterfaceName(name); });
    list.selected = list.radios.empty() ? -1 : 0;
    list.bands[0] = BandOfFirstRadio(ReadCounted(reader, RadioColumn(3, "1")));
    list.bands[1] = BandOfSecondRadio(ReadCounted(reader, RadioColumn(3, "2")));
    return list;
}

std::string RadioInterfaceNumber(const std::vector<std::string>& interfaceNames,
                                 const std::string& radio) {
    const auto it = std::find(interfaceNames.begin(), interfaceNames.end(), radio);
    return it == interfaceNames.end() ? std::string()
                                      : std::to_string(it - interfaceNames.begin() + 1);
}

RadioParameters ReadRadioParameters(SnmpReader& reader,
                                    const std::vector<std::string>& interfaceNames,
                                    const std::string& radio, int selectedPosition,
                                    const RadioBands& bands) {
    RadioParameters p;
    const std::string& i = p.interfaceNumber = RadioInterfaceNumber(interfaceNames, radio);

    const std::string bitrate = ReadCounted(reader, RadioColumn(4, i));
    p.bitrates = ReadChoices(reader, oids::BitrateEntry, i, [&bitrate](const std::string& choice) {
        return BitrateMatches(choice, bitrate);
    });

    p.maxRetries = WholeNumberOrZero(ReadCounted(reader, RadioColumn(13, i)));

    const std::string power = ReadCounted(reader, RadioColumn(6, i));
    p.powerLevels = ReadChoices(reader, oids::PowerLevelEntry, i,
                                [&power](const std::string& choice) { return choice == power; });

    p.sid = SidText(ReadCounted(reader, RadioColumn(5, i)));
    p.burst = ReadSwitch(reader, RadioColumn(10, i));
    p.distance = WholeNumberOrZero(ReadCounted(reader, RadioColumn(9, i)));

    p.wocdApplies = BandAt(bands, selectedPosition) == 1;
    if (p.wocdApplies) {
        p.wocd = ReadSwitch(reader, RadioColumn(16, i));
    }

    p.pwrctl = ReadSwitch(reader, RadioColumn(12, i));

    const std::string frequency = ReadCounted(reader, RadioColumn(3, i));
    p.frequencies = ReadChoices(reader, oids::FrequencyEntry, i,
                                [&frequency](const std::string& c) { return c == frequency; });
    return p;
}

}  // namespace tessel
