#include "snmp_server.hpp"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QTimer>
#include <cstring>

#include "core/snmp/ber.hpp"

namespace tessel::sim {

namespace {

constexpr unsigned Batch = 16;
constexpr std::size_t DatagramRoom = 65536;

}  // namespace

struct SnmpServer::Peer {
    sockaddr_storage address{};
    socklen_t length = 0;
};

SnmpServer::SnmpServer(RouterModel& model, std::string community, const FaultSettings& faults,
                       EventLog& log, QObject* parent)
    : QObject(parent),
      model_(model),
      agent_(std::move(community)),
      faults_(faults),
      drops_(faults),
      log_(log),
      buffers_(Batch * DatagramRoom, '\0') {}

SnmpServer::~SnmpServer() {
    notifier_.reset();
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

bool SnmpServer::Listen(const QHostAddress& address, quint16 port, QString& error) {
    sockaddr_storage local{};
    socklen_t length = 0;
    if (address.protocol() == QAbstractSocket::IPv6Protocol) {
        auto* in6 = reinterpret_cast<sockaddr_in6*>(&local);
        in6->sin6_family = AF_INET6;
        in6->sin6_port = htons(port);
        const Q_IPV6ADDR bytes = address.toIPv6Address();
        std::memcpy(&in6->sin6_addr, &bytes, sizeof bytes);
        length = sizeof(sockaddr_in6);
    } else {
        auto* in4 = reinterpret_cast<sockaddr_in*>(&local);
        in4->sin_family = AF_INET;
        in4->sin_port = htons(port);
        in4->sin_addr.s_addr = htonl(address.toIPv4Address());
        length = sizeof(sockaddr_in);
    }
    fd_ = ::socket(local.ss_family, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd_ < 0 || ::bind(fd_, reinterpret_cast<sockaddr*>(&local), length) != 0) {
        error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    sockaddr_storage bound{};
    socklen_t boundLength = sizeof bound;
    ::getsockname(fd_, reinterpret_cast<sockaddr*>(&bound), &boundLength);
    port_ = ntohs(bound.ss_family == AF_INET6 ? reinterpret_cast<sockaddr_in6*>(&bound)->sin6_port
                                              : reinterpret_cast<sockaddr_in*>(&bound)->sin_port);
    notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &SnmpServer::ReadPending);
    return true;
}

void SnmpServer::ReadPending() {
    mmsghdr messages[Batch];
    iovec vectors[Batch];
    Peer peers[Batch];
    for (;;) {
        for (unsigned i = 0; i < Batch; ++i) {
            vectors[i] = {buffers_.data() + i * DatagramRoom, DatagramRoom};
            peers[i] = Peer{};
            messages[i] = {};
            messages[i].msg_hdr.msg_name = &peers[i].address;
            messages[i].msg_hdr.msg_namelen = sizeof peers[i].address;
            messages[i].msg_hdr.msg_iov = &vectors[i];
            messages[i].msg_hdr.msg_iovlen = 1;
        }
        const int count = ::recvmmsg(fd_, messages, Batch, MSG_DONTWAIT, nullptr);
        if (count <= 0) {
            return;  // drained (EAGAIN) or a transient error reported by the kernel
        }
        for (int i = 0; i < count; ++i) {
            peers[i].length = messages[i].msg_hdr.msg_namelen;
            Handle(std::string_view(buffers_.data() + static_cast<std::size_t>(i) * DatagramRoom,
                                    messages[i].msg_len),
                   peers[i]);
        }
        if (count < static_cast<int>(Batch)) {
            return;  // fewer than asked for: nothing else was waiting
        }
    }
}

void SnmpServer::Handle(std::string_view datagram, const Peer& from) {
    const bool dropped = drops_.Drop();
    const AgentOutcome outcome = agent_.Handle(datagram, model_.Store(), model_.UpTimeTicks());
    if (log_.Enabled()) {
        LogRequest(outcome, from, dropped);
    }
    if (dropped || !outcome.answered) {
        return;
    }
    const bool faulty = drops_.Faulty();
    const int delayMs = faults_.replyDelayMs + (faulty ? faults_.delayMs : 0);
    const bool damaged = faulty && faults_.malformed != MalformedReply::None;
    if (!damaged && delayMs == 0) {
        Reply(outcome.reply, from);
        return;
    }
    std::string reply =
        damaged ? Damage(outcome.reply, faults_.malformed, drops_.Count()) : outcome.reply;
    if (delayMs > 0) {
        // Other requests are served while this one waits.
        QTimer::singleShot(delayMs, Qt::PreciseTimer, this,
                           [this, reply = std::move(reply), from] { Reply(reply, from); });
    } else {
        Reply(reply, from);
    }
}

void SnmpServer::Reply(const std::string& bytes, const Peer& to) {
    ::sendto(fd_, bytes.data(), bytes.size(), 0, reinterpret_cast<const sockaddr*>(&to.address),
             to.length);
}

void SnmpServer::LogRequest(const AgentOutcome& outcome, const Peer& from, bool dropped) {
    char host[INET6_ADDRSTRLEN] = "?";
    const void* raw = from.address.ss_family == AF_INET6
                          ? static_cast<const void*>(
                                &reinterpret_cast<const sockaddr_in6*>(&from.address)->sin6_addr)
                          : static_cast<const void*>(
                                &reinterpret_cast<const sockaddr_in*>(&from.address)->sin_addr);
    ::inet_ntop(from.address.ss_family, raw, host, sizeof host);
    std::vector<std::pair<std::string, std::string>> fields;
    fields.emplace_back("from", JsonString(host));
    if (outcome.request) {
        const AgentRequest& r = *outcome.request;
        fields.emplace_back("type", JsonString(PduName(r.pduType)));
        fields.emplace_back("community", JsonString(r.community));
        fields.emplace_back("requestId", std::to_string(ber::SignedValue(r.requestId)));
        std::string oids = "[";
        for (std::size_t i = 0; i < r.bindings.size(); ++i) {
            if (i != 0) {
                oids += ',';
            }
            oids += JsonString(OidToText(r.bindings[i].oid));
        }
        fields.emplace_back("oids", oids + "]");
    }
    if (dropped) {
        fields.emplace_back("dropped", JsonString("fault"));
    } else if (!outcome.answered) {
        fields.emplace_back("dropped", JsonString(outcome.dropReason));
    } else {
        fields.emplace_back("errorStatus", std::to_string(outcome.errorStatus));
        fields.emplace_back("errorIndex", std::to_string(outcome.errorIndex));
    }
    log_.Write("snmp", fields);
}

}  // namespace tessel::sim
