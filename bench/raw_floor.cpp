// The floor under any client: per exchange only socket, sendto, poll,
// recvfrom and close, with the GetNext requests encoded up front. What our
// client spends above this is its own cost.
//
//   raw_floor HOST PORT OID [COMMUNITY [EXCHANGES [OID_FILE]]]   (HOST: IPv4 address)
//
// Without OID_FILE every request asks for the OID after OID. With it, the
// requests ask for the OID after each line of the file in turn, over and
// over: given the OIDs a walk visits, the agent answers exactly the questions
// the walk asks, so its share of the caches and of the core is the same.
// A line "get OID" asks for OID itself with a GetRequest instead, so that a
// run of single reads (the snapshot's) can be replayed as well.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "core/snmp/snmp_rec.hpp"
#include "exchange_meter.hpp"

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s HOST PORT OID [COMMUNITY [EXCHANGES]]\n", argv[0]);
        return 2;
    }
    sockaddr_in agent{};
    agent.sin_family = AF_INET;
    agent.sin_port = htons(static_cast<std::uint16_t>(std::atoi(argv[2])));
    if (::inet_pton(AF_INET, argv[1], &agent.sin_addr) != 1) {
        std::fprintf(stderr, "HOST must be an IPv4 address\n");
        return 2;
    }
    const unsigned long count = argc > 5 ? std::strtoul(argv[5], nullptr, 10) : 20000;

    std::vector<std::string> oids;
    if (argc > 6) {
        std::ifstream file(argv[6]);
        for (std::string line; std::getline(file, line);) {
            if (!line.empty()) {
                oids.push_back(line);
            }
        }
    }
    if (oids.empty()) {
        oids.push_back(argv[3]);
    }
    std::vector<std::string> datagrams;
    for (const std::string& line : oids) {
        const bool get = line.rfind("get ", 0) == 0;
        tessel::SnmpRec request;
        request.ID = get ? 1 : 2;
        request.PDUType = get ? 0xA0 : 0xA1;
        request.Community = argc > 4 ? argv[4] : "public";
        request.AddBinding(get ? line.substr(4) : line, "", 0x05);
        datagrams.push_back(request.Encode());
    }

    char reply[65536];
    std::uint64_t answered = 0;
    const std::uint64_t wall0 = tessel::bench::WallNanos();
    const std::uint64_t cpu0 = tessel::bench::CpuNanos();
    std::size_t next = 0;
    for (unsigned long i = 0; i < count; ++i) {
        const std::string& datagram = datagrams[next];
        next = next + 1 == datagrams.size() ? 0 : next + 1;
        const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
        ::sendto(fd, datagram.data(), datagram.size(), 0, reinterpret_cast<sockaddr*>(&agent),
                 sizeof agent);
        pollfd waiter{fd, POLLIN, 0};
        if (::poll(&waiter, 1, 5000) == 1) {
            sockaddr_in from{};
            socklen_t fromLength = sizeof from;
            if (::recvfrom(fd, reply, sizeof reply, 0, reinterpret_cast<sockaddr*>(&from),
                           &fromLength) > 0) {
                ++answered;
            }
        }
        ::close(fd);
    }
    const std::uint64_t cpu = tessel::bench::CpuNanos() - cpu0;
    const std::uint64_t wall = tessel::bench::WallNanos() - wall0;
    if (answered != count) {
        std::fprintf(stderr, "only %llu of %lu requests answered\n",
                     static_cast<unsigned long long>(answered), count);
        return 1;
    }
    tessel::bench::Report("floor", count, wall, cpu);
    return 0;
}
