// The floor under any client: per exchange only socket, sendto, poll,
// recvfrom and close, with one GetNext encoded once up front. What our
// client spends above this is its own cost.
//
//   raw_floor HOST PORT OID [COMMUNITY [EXCHANGES]]   (HOST: IPv4 address)

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

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

    tessel::TSNMPRec request;
    request.ID = 2;
    request.PDUType = 0xA1;
    request.Community = argc > 4 ? argv[4] : "public";
    request.AddBinding(argv[3], "", 0x05);
    const std::string datagram = request.Encode();

    char reply[65536];
    std::uint64_t answered = 0;
    const std::uint64_t wall0 = tessel::bench::WallNanos();
    const std::uint64_t cpu0 = tessel::bench::CpuNanos();
    for (unsigned long i = 0; i < count; ++i) {
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
