// "rma ..." commands: start/stop, per-radio autobitrate and polling, the
// CPE table ("rma ab"), the base-station list ("rma bs") and the link test.

#include <algorithm>

#include "command_interpreter.hpp"

namespace tessel::sim {

namespace {

bool ParseHex(std::string_view text, std::uint32_t low, std::uint32_t high, std::uint32_t& out) {
    if (text.empty() || text.size() > 8) {
        return false;
    }
    std::uint32_t value = 0;
    for (const char c : text) {
        int digit = -1;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else if (c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        } else {
            return false;
        }
        value = value * 16 + static_cast<std::uint32_t>(digit);
    }
    if (value < low || value > high) {
        return false;
    }
    out = value;
    return true;
}

// Speeds a radio accepts for a base station, by its band.
bool ValidSpeed(const Radio& radio, long long speed) {
    static constexpr long long Band1[] = {6000, 9000, 12000, 18000, 24000, 36000, 48000, 54000};
    static constexpr long long Band2[] = {1000, 2000, 5500, 11000};
    const bool band2 = std::to_string(radio.frequency).front() == '2';
    if (band2) {
        return std::find(std::begin(Band2), std::end(Band2), speed) != std::end(Band2);
    }
    return std::find(std::begin(Band1), std::end(Band1), speed) != std::end(Band1);
}

CommandResult CpeCommand(RouterState& state, std::string_view args) {
    // rma ab IFACE MAC ip=IP name=NAME -ena|-dis|-del
    const auto words = SplitWords(args);
    if (words.size() < 3) {
        return Error("rma ab: usage rma ab IFACE MAC ip=ADDRESS name=NAME -ena|-dis|-del");
    }
    const std::uint32_t radio = state.RadioNumber(words[0]);
    if (radio == 0) {
        return Error("rma ab: no radio interface " + std::string(words[0]));
    }
    const auto mac = ParseMac(words[1]);
    if (!mac) {
        return Error("rma ab: bad MAC address " + std::string(words[1]));
    }
    const std::string_view flag = words.back();
    if (flag != "-ena" && flag != "-dis" && flag != "-del") {
        return Error("rma ab: the last word must be -ena, -dis or -del");
    }
    auto found = std::find_if(state.cpes.begin(), state.cpes.end(),
                              [&](const Cpe& c) { return c.radio == radio && c.mac == *mac; });
    if (flag == "-del") {
        if (found == state.cpes.end()) {
            return Error("rma ab: no CPE " + MacHex(*mac) + " on " + std::string(words[0]));
        }
        state.cpes.erase(found);
        return Applied(true);
    }
    // The name may hold anything up to the flag; it is checked below.
    std::string_view ip;
    std::string_view name;
    bool haveIp = false;
    const std::size_t nameAt = args.find(" name=");
    const std::size_t flagAt = args.rfind(' ');
    if (nameAt != std::string_view::npos && nameAt < flagAt) {
        name = args.substr(nameAt + 6, flagAt - nameAt - 6);
    }
    for (std::size_t i = 2; i + 1 < words.size(); ++i) {
        if (words[i].substr(0, 3) == "ip=") {
            ip = words[i].substr(3);
            haveIp = true;
        }
    }
    const auto address = ParseIpv4(ip);
    if (!haveIp || !address) {
        return Error("rma ab: bad or missing ip=" + std::string(ip));
    }
    if (name.size() > 20 || name.find(' ') != std::string_view::npos) {
        return Error("rma ab: the name is up to 20 characters without spaces");
    }
    const bool clash = std::any_of(state.cpes.begin(), state.cpes.end(), [&](const Cpe& c) {
        return c.radio == radio && c.ip == *address && c.mac != *mac;
    });
    if (clash) {
        return Error("rma ab: address " + std::string(ip) + " is used by another CPE");
    }
    if (found == state.cpes.end()) {
        const auto count = std::count_if(state.cpes.begin(), state.cpes.end(),
                                         [&](const Cpe& c) { return c.radio == radio; });
        if (static_cast<std::size_t>(count) >= MaxCpesPerRadio) {
            return Error("rma ab: the CPE table is full (200 entries)");
        }
        Cpe cpe;
        cpe.radio = radio;
        cpe.mac = *mac;
        state.cpes.push_back(cpe);
        found = state.cpes.end() - 1;
    }
    found->ip = *address;
    found->name = std::string(name);
    found->enabled = flag == "-ena";
    return Applied(true);
}

CommandResult BaseStationCommand(RouterState& state, std::string_view args) {
    // rma bs IFACE SID/SPEED F1,F2,... [-del]
    const auto words = SplitWords(args);
    const bool remove = !words.empty() && words.back() == "-del";
    if (words.size() != (remove ? 4u : 3u)) {
        return Error("rma bs: usage rma bs IFACE SID/SPEED FREQ[,FREQ...] [-del]");
    }
    const std::uint32_t radioNumber = state.RadioNumber(words[0]);
    const Radio* radio = state.FindRadio(words[0]);
    if (radioNumber == 0 || radio == nullptr) {
        return Error("rma bs: no radio interface " + std::string(words[0]));
    }
    const std::size_t slash = words[1].find('/');
    std::uint32_t sid = 0;
    long long speed = 0;
    if (slash == std::string_view::npos || !ParseHex(words[1].substr(0, slash), 1, 0xFFFFFF, sid)) {
        return Error("rma bs: bad SID (hexadecimal 1..FFFFFF)");
    }
    if (!ParseInt(words[1].substr(slash + 1), 1, 1000000, speed) || !ValidSpeed(*radio, speed)) {
        return Error("rma bs: speed " + std::string(words[1].substr(slash + 1)) +
                     " is not valid on " + std::string(words[0]));
    }
    std::vector<std::int32_t> frequencies;
    std::string_view list = words[2];
    while (!list.empty()) {
        const std::size_t comma = list.find(',');
        const std::string_view piece = list.substr(0, comma);
        long long f = 0;
        if (!ParseInt(piece, 1, 100000, f) ||
            std::find(radio->frequencies.begin(), radio->frequencies.end(), f) ==
                radio->frequencies.end()) {
            return Error("rma bs: frequency " + std::string(piece) + " is not available on " +
                         std::string(words[0]));
        }
        if (std::find(frequencies.begin(), frequencies.end(), f) == frequencies.end()) {
            frequencies.push_back(static_cast<std::int32_t>(f));
        }
        list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
    }
    if (frequencies.empty()) {
        return Error("rma bs: no frequency given");
    }
    const auto matches = [&](const BaseStationRow& b) {
        return b.radio == radioNumber && b.sid == sid && b.speed == speed &&
               std::find(frequencies.begin(), frequencies.end(), b.frequency) != frequencies.end();
    };
    auto& rows = state.baseStations;
    if (remove) {
        const auto before = rows.size();
        rows.erase(std::remove_if(rows.begin(), rows.end(), matches), rows.end());
        if (rows.size() == before) {
            return Error("rma bs: no such base station record");
        }
        return Applied(true);
    }
    std::vector<BaseStationRow> added;
    for (const std::int32_t f : frequencies) {
        const BaseStationRow row{radioNumber, f, static_cast<std::int32_t>(speed), sid};
        if (std::none_of(rows.begin(), rows.end(), [&](const BaseStationRow& b) {
                return b.radio == row.radio && b.sid == row.sid && b.speed == row.speed &&
                       b.frequency == row.frequency;
            })) {
            added.push_back(row);
        }
    }
    if (rows.size() + added.size() > MaxBaseStationRows) {
        return Error("rma bs: the base station list is full (70 rows)");
    }
    rows.insert(rows.end(), added.begin(), added.end());
    return Applied(!added.empty());
}

CommandResult LinkTest(RouterState& state, std::uint32_t radio,
                       const std::vector<std::string_view>& words) {
    // rma IFACE test MAC LENGTH [mcast]
    if (words.size() < 4 || words.size() > 5 || (words.size() == 5 && words[4] != "mcast")) {
        return Error("rma test: usage rma IFACE test MAC LENGTH [mcast]");
    }
    const auto mac = ParseMac(words[2]);
    long long length = 0;
    if (!mac) {
        return Error("rma test: bad MAC address " + std::string(words[2]));
    }
    if (!ParseInt(words[3], 1, 2000, length)) {
        return Error("rma test: packet length must be 1..2000");
    }
    (void)state;
    CommandResult r;
    r.stream.kind = StreamKind::LinkTest;
    r.stream.radio = radio;
    r.stream.peer = *mac;
    r.stream.packetLength = static_cast<int>(length);
    r.stream.multicast = words.size() == 5;
    r.output = "RMA link test to " + MacHex(*mac) + " on " + std::string(words[0]) + ", " +
               std::to_string(length) + " bytes" + (r.stream.multicast ? ", multicast" : "") +
               ". ESC to stop.\r\n" +
               "replies  lev->  lev<-  lostin  lostout  quality  time  repeats\r\n";
    return r;
}

}  // namespace

CommandResult ExecuteRma(RouterState& state, std::string_view args) {
    const auto words = SplitWords(args);
    if (words.empty()) {
        return Error("rma: missing argument (start, stop, ab, bs or an interface)");
    }
    if (words.size() == 1 && (words[0] == "start" || words[0] == "stop")) {
        state.rmaStarted = words[0] == "start";
        return Applied(true);
    }
    if (words[0] == "ab") {
        return CpeCommand(state, args.substr(args.find("ab") + 2));
    }
    if (words[0] == "bs") {
        return BaseStationCommand(state, args.substr(args.find("bs") + 2));
    }
    const std::uint32_t radioNumber = state.RadioNumber(words[0]);
    Radio* radio = state.FindRadio(words[0]);
    if (radioNumber == 0 || radio == nullptr) {
        return Error("rma: no radio interface " + std::string(words[0]));
    }
    if (words.size() >= 2 && words[1] == "test") {
        return LinkTest(state, radioNumber, words);
    }
    if (words.size() != 2) {
        return Error("rma: expected autobitrate, -autobitrate, poll, -poll or test");
    }
    if (words[1] == "autobitrate" || words[1] == "-autobitrate") {
        radio->autobitrate = words[1] == "autobitrate";
        return Applied(true);
    }
    if (words[1] == "poll") {
        auto* begin = std::begin(state.polling);
        auto* end = std::end(state.polling);
        if (std::find(begin, end, radioNumber) == end) {
            auto* slot = std::find(begin, end, 0u);
            if (slot == end) {
                return Error("rma poll: both polling slots are in use");
            }
            *slot = radioNumber;
        }
        return Applied(true);
    }
    if (words[1] == "-poll") {
        std::replace(std::begin(state.polling), std::end(state.polling), radioNumber, 0u);
        return Applied(true);
    }
    return Error("rma: unknown option \"" + std::string(words[1]) + "\"");
}

}  // namespace tessel::sim
