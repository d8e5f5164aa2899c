// Walks a subtree with our client, as the table views do (GetNext while the
// returned OID stays under the start), repeating whole walks until enough
// exchanges were made, and prints exchanges/s, wall and CPU per exchange.
//
//   snmp_walk HOST PORT OID [COMMUNITY [MIN_EXCHANGES]]

#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/snmp/snmp_client.hpp"
#include "exchange_meter.hpp"

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s HOST PORT OID [COMMUNITY [MIN_EXCHANGES]]\n", argv[0]);
        return 2;
    }
    const std::string host = argv[1];
    const std::string start = argv[3];
    const std::string community = argc > 4 ? argv[4] : "public";
    const unsigned long minimum = argc > 5 ? std::strtoul(argv[5], nullptr, 10) : 20000;
    ::setenv("TESSEL_SNMP_PORT", argv[2], 1);

    const std::string prefix = start + ".";
    std::string oid;
    std::string value;
    std::uint64_t exchanges = 0;
    std::uint64_t entries = 0;
    const std::uint64_t wall0 = tessel::bench::WallNanos();
    const std::uint64_t cpu0 = tessel::bench::CpuNanos();
    do {
        oid = start;
        for (;;) {
            ++exchanges;
            if (!tessel::SnmpGetNextValue(oid, community, host, value) ||
                oid.compare(0, prefix.size(), prefix) != 0) {
                break;
            }
            ++entries;
        }
    } while (exchanges < minimum && entries > 0);
    const std::uint64_t cpu = tessel::bench::CpuNanos() - cpu0;
    const std::uint64_t wall = tessel::bench::WallNanos() - wall0;
    if (entries == 0) {
        std::fprintf(stderr, "no entries under %s at %s:%s\n", start.c_str(), host.c_str(),
                     argv[2]);
        return 1;
    }
    tessel::bench::Report("ours", exchanges, wall, cpu);
    return 0;
}
