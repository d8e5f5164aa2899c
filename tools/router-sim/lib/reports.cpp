#include "reports.hpp"

#include <algorithm>
#include <cstdio>

#include "command_interpreter.hpp"

namespace tessel::sim {

std::uint64_t Mix(std::uint64_t value) {
    value += 0x9E3779B97F4A7C15ull;
    value = (value ^ (value >> 30)) * 0xBF58476D1CE4E5B9ull;
    value = (value ^ (value >> 27)) * 0x94D049BB133111EBull;
    return value ^ (value >> 31);
}

std::string ArpReport(const RouterState& state) {
    // One entry per line: ADDRESS at MAC via INTERFACE. Short lines only
    // around them, so that nothing else reads as an entry.
    std::string out = "ARP cache:";
    for (const ArpEntry& e : state.arp) {
        out += "\r\n" + Ipv4Text(e.ip) + " at " + MacText(e.mac) + " via " + e.interfaceName;
    }
    out += "\r\n" + std::to_string(state.arp.size()) + " entries";
    return out;
}

std::string InterfaceReport(const RouterState& state, std::uint32_t ifIndex) {
    const Interface& f = state.interfaces[ifIndex - 1];
    std::string out = "\x1b[K" + f.name + ": index " + std::to_string(ifIndex) + ", " +
                      (f.up ? "UP" : "DOWN") + ", mtu " + std::to_string(f.mtu) + ", speed " +
                      std::to_string(f.speed / 1000) + " kbit/s";
    // The flags line holds ">" in mid-reply, as real routers print it.
    out += std::string("\r\n  flags ") + (f.up ? "<UP,RUNNING>" : "<DOWN>");
    if (!f.description.empty()) {
        out += "\r\n  description " + f.description;
    }
    if (f.type != 24 && f.type != 131) {
        out += "\r\n  hardware address " + MacText(f.mac);
    }
    for (const Address& a : state.addresses) {
        if (a.ifIndex == ifIndex) {
            out += "\r\n  inet " + Ipv4Text(a.address) + " netmask " + Ipv4Text(a.mask) +
                   " broadcast " + Ipv4Text(a.address | ~a.mask);
        }
    }
    if (const Radio* r = state.FindRadio(f.name)) {
        char sid[16];
        std::snprintf(sid, sizeof sid, "%X", r->sid);
        out += "\r\n  radio: frequency " + std::to_string(r->frequency) + " MHz, bitrate " +
               std::to_string(r->bitrate) + " kbit/s, SID " + sid + ", power " +
               std::to_string(r->power) + " dBm";
    }
    out += "\r\n  input " + std::to_string(f.inOctetsPerSecond) + " bytes/s, output " +
           std::to_string(f.outOctetsPerSecond) + " bytes/s";
    return out;
}

std::string HelpText() {
    return "Commands:\r\n"
           "  sys name|location TEXT, sys icmplimit N, sys [no]fastroute|[no]sendredirects|"
           "[no]dropredirects\r\n"
           "  rma start|stop, rma IFACE [-]autobitrate|[-]poll, rma IFACE test MAC LEN [mcast]\r\n"
           "  rma ab IFACE MAC ip=ADDR name=NAME -ena|-dis|-del\r\n"
           "  rma bs IFACE SID/SPEED FREQ[,FREQ] [-del]\r\n"
           "  rf IFACE freq|bitr|pwr|sid|distance|txrt VALUE, rf IFACE [-]pwrctl|[-]long|"
           "[-]burst|[-]wocd\r\n"
           "  ifc IFACE, ifc IFACE ADDR/[MASK] alias|-alias, ifc IFACE mtu N up|down\r\n"
           "  loadm [-B] -w SECONDS IFACE, arp view, co save, quit";
}

CommandResult ExecuteLoadMeter(RouterState& state, std::string_view args) {
    const auto words = SplitWords(args);
    StreamRequest request;
    request.kind = StreamKind::LoadMeter;
    std::size_t i = 0;
    if (i < words.size() && words[i] == "-B") {
        request.kiloBytes = true;
        ++i;
    }
    long long seconds = 0;
    if (i + 3 != words.size() || words[i] != "-w" || !ParseInt(words[i + 1], 1, 3600, seconds)) {
        return Error("loadm: usage loadm [-B] -w SECONDS IFACE (1..3600 seconds)");
    }
    request.intervalSeconds = static_cast<int>(seconds);
    request.ifIndex = state.InterfaceIndex(words[i + 2]);
    if (request.ifIndex == 0) {
        return Error("loadm: no interface " + std::string(words[i + 2]));
    }
    CommandResult r;
    r.stream = request;
    r.output = LoadMeterHeading(state, request);
    return r;
}

std::string LoadMeterHeading(const RouterState& state, const StreamRequest& request) {
    const Interface& f = state.interfaces[request.ifIndex - 1];
    return "\x1b[2J\x1b[H\x1b[KLoad meter on " + f.name + ", every " +
           std::to_string(request.intervalSeconds) + " s, " +
           (request.kiloBytes ? "KBytes/s" : "kbit/s") + ". ESC to stop.\r\n" +
           "\x1b[K      INPUT cur avg max pckts  OUTPUT cur avg max pckts  TOTAL sum pckts\r\n";
}

std::string LoadMeterLine(const RouterState& state, LoadMeterRun& run) {
    const Interface& f = state.interfaces[run.request.ifIndex - 1];
    ++run.reports;
    const std::uint64_t noise = Mix(run.request.ifIndex * 1000003ull + run.reports);
    // Within +-20 % of the interface's nominal rate; nothing while it is down.
    const auto jitter = [&](std::uint64_t rate, int shift) -> std::uint64_t {
        const std::uint64_t percent = 80 + ((noise >> shift) % 41);
        return f.up ? rate * percent / 100 : 0;
    };
    const std::uint64_t inBytes = jitter(f.inOctetsPerSecond, 0);
    const std::uint64_t outBytes = jitter(f.outOctetsPerSecond, 16);
    const auto unit = [&](std::uint64_t bytes) {
        return run.request.kiloBytes ? bytes / 1024 : bytes * 8 / 1000;
    };
    run.inSum += inBytes;
    run.outSum += outBytes;
    run.inMax = std::max(run.inMax, inBytes);
    run.outMax = std::max(run.outMax, outBytes);
    const std::uint64_t seconds = static_cast<std::uint64_t>(run.request.intervalSeconds);
    const std::uint64_t inPackets = inBytes * seconds / 400;
    const std::uint64_t outPackets = outBytes * seconds / 400;
    char line[256];
    std::snprintf(line, sizeof line,
                  "  %llus  %llu  %llu  %llu  %llu  %llu  %llu  %llu  %llu  %llu  %llu\r\n",
                  static_cast<unsigned long long>(run.reports * seconds),
                  static_cast<unsigned long long>(unit(inBytes)),
                  static_cast<unsigned long long>(unit(run.inSum / run.reports)),
                  static_cast<unsigned long long>(unit(run.inMax)),
                  static_cast<unsigned long long>(inPackets),
                  static_cast<unsigned long long>(unit(outBytes)),
                  static_cast<unsigned long long>(unit(run.outSum / run.reports)),
                  static_cast<unsigned long long>(unit(run.outMax)),
                  static_cast<unsigned long long>(outPackets),
                  static_cast<unsigned long long>(unit(inBytes + outBytes)),
                  static_cast<unsigned long long>(inPackets + outPackets));
    return line;
}

std::string LinkTestLine(const RouterState& state, LinkTestRun& run) {
    ++run.reports;
    const StreamRequest& q = run.request;
    const auto cpe = std::find_if(state.cpes.begin(), state.cpes.end(), [&](const Cpe& c) {
        return c.radio == q.radio && c.mac == q.peer && c.enabled;
    });
    const bool registration = state.RegistrationActive() && state.registration->radio == q.radio &&
                              state.registration->bsMac == q.peer;
    int from = 0;
    int to = 0;
    if (cpe != state.cpes.end() && cpe->registered) {
        from = cpe->levelFrom;
        to = cpe->levelTo;
    } else if (registration) {
        from = state.registration->levelFrom;
        to = state.registration->levelTo;
    }
    constexpr int Sent = 10;
    const std::uint64_t noise = Mix(run.reports * 7919 + q.peer[5]);
    char line[160];
    if (from == 0 && to == 0) {
        std::snprintf(line, sizeof line, "  0/%d  0  0  100%%  100%%  (0%%)  -  %d\r\n", Sent,
                      Sent * 3);
        return line;
    }
    // Longer packets and weaker signals lose more.
    const int lossChance = std::max(0, 16 - std::min(from, to)) + q.packetLength / 512;
    const int lostIn = static_cast<int>(noise % 100) < lossChance * 3 ? 1 : 0;
    const int lostOut = static_cast<int>((noise >> 8) % 100) < lossChance * 2 ? 1 : 0;
    const int replies = Sent - std::max(lostIn, lostOut);
    const int quality = 100 - (lostIn + lostOut) * 5 - std::max(0, 12 - from);
    const int jitterFrom = static_cast<int>((noise >> 16) % 3) - 1;
    const int time = 1 + q.packetLength / 300 + static_cast<int>((noise >> 24) % 3);
    std::snprintf(line, sizeof line, "  %d/%d  %d  %d  %d%%  %d%%  (%d%%)  %dms  %d\r\n", replies,
                  Sent, std::clamp(from + jitterFrom, 0, 16), to, lostIn * 10, lostOut * 10,
                  quality, time, lostIn + lostOut);
    return line;
}

}  // namespace tessel::sim
