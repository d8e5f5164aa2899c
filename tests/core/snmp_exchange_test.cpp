#include <arpa/inet.h>
#include <dirent.h>
#include <netinet/in.h>
#include <poll.h>
#include <pthread.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>

#include "core/snmp/snmp_client.hpp"
#include "core/snmp/snmp_send.hpp"
#include "snmp_test_bytes.hpp"

namespace tessel {
namespace {

using test::Bytes;
using test::kSysNameOid;
using test::Message;
using test::Response;
using test::Tlv;

// A bound UDP socket on a loopback address; port 0 lets the system choose.
class LoopbackSocket {
  public:
    explicit LoopbackSocket(const char* address) {
        fd_ = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        sockaddr_in local{};
        local.sin_family = AF_INET;
        ::inet_pton(AF_INET, address, &local.sin_addr);
        bound_ = ::bind(fd_, reinterpret_cast<sockaddr*>(&local), sizeof local) == 0;
        socklen_t length = sizeof local;
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&local), &length);
        port_ = ntohs(local.sin_port);
    }
    ~LoopbackSocket() { Close(); }
    void Close() {
        if (fd_ >= 0) {
            ::close(fd_);
            fd_ = -1;
        }
    }
    int Fd() const { return fd_; }
    int Port() const { return port_; }
    bool Bound() const { return bound_; }

  private:
    int fd_ = -1;
    int port_ = 0;
    bool bound_ = false;
};

// Answers the first request with whatever the script makes of it, optionally
// from a second socket so that the reply's source differs from where the
// request went. Never answers when the script returns nothing.
class Responder {
  public:
    using Script = std::function<std::string(const std::string& request)>;

    explicit Responder(Script script, const char* replyFrom = nullptr)
        : listen_("127.0.0.1"), script_(std::move(script)) {
        if (replyFrom != nullptr) {
            other_ = std::make_unique<LoopbackSocket>(replyFrom);
        }
        ::setenv("TESSEL_SNMP_PORT", std::to_string(listen_.Port()).c_str(), 1);
        thread_ = std::thread([this] { Serve(); });
    }
    ~Responder() {
        thread_.join();
        ::unsetenv("TESSEL_SNMP_PORT");
    }
    bool Ready() const { return listen_.Bound() && (!other_ || other_->Bound()); }
    // Valid once the call under test has returned.
    const std::string& Request() const { return request_; }

  private:
    void Serve() {
        pollfd waiter{listen_.Fd(), POLLIN, 0};
        if (::poll(&waiter, 1, 8000) != 1) {
            return;
        }
        char buffer[2048];
        sockaddr_in from{};
        socklen_t fromLength = sizeof from;
        const ssize_t n = ::recvfrom(listen_.Fd(), buffer, sizeof buffer, 0,
                                     reinterpret_cast<sockaddr*>(&from), &fromLength);
        if (n < 0) {
            return;
        }
        request_.assign(buffer, static_cast<std::size_t>(n));
        const std::string reply = script_(request_);
        if (!reply.empty()) {
            const int fd = other_ ? other_->Fd() : listen_.Fd();
            ::sendto(fd, reply.data(), reply.size(), 0, reinterpret_cast<sockaddr*>(&from),
                     fromLength);
        }
    }

    LoopbackSocket listen_;
    std::unique_ptr<LoopbackSocket> other_;
    Script script_;
    std::string request_;
    std::thread thread_;
};

Responder::Script Answer(std::string reply) {
    return [reply](const std::string&) { return reply; };
}

const std::string kSysName = "1.3.6.1.2.1.1.5.0";
const std::string kIfDescr1 = Bytes({0x2B, 6, 1, 2, 1, 2, 2, 1, 2, 1});

TEST(SnmpExchange, GetSendsTheWorkedExampleAndTakesTheMatchingValue) {
    std::string value = "stale";
    {
        Responder agent(Answer(Response(kSysNameOid, 0x04, "router-7")));
        ASSERT_TRUE(agent.Ready());
        EXPECT_TRUE(SnmpGetValue(kSysName, "public", "127.0.0.1", value));
        EXPECT_EQ(agent.Request(), Bytes({0x30, 38, 0x02, 0x01, 0x00, 0x04, 6}) + "public" +
                                       Bytes({0xA0, 0x19, 0x02, 0x01, 0x01, 0x02, 0x01, 0x00, 0x02,
                                              0x01, 0x00, 0x30, 0x0E, 0x30, 0x0C, 0x06, 0x08}) +
                                       kSysNameOid + Bytes({0x05, 0x00}));
    }
    EXPECT_EQ(value, "router-7");
}

TEST(SnmpExchange, MismatchedIdCommunityAndSourceAreStillAccepted) {
    std::string value;
    Responder agent(Answer(Message(0xA2, "someone-else", 77, 0, kSysNameOid, 0x43,
                                   Bytes({0x00, 0x83, 0xD6, 0x00}))),
                    "127.0.0.2");
    ASSERT_TRUE(agent.Ready());
    EXPECT_TRUE(SnmpGetValue(kSysName, "public", "127.0.0.1", value));
    EXPECT_EQ(value, "8640000");
}

TEST(SnmpExchange, ReplySourceIsRecordedAsHostIp) {
    Responder agent(Answer(Response(kSysNameOid, 0x02, Bytes({0x05}))), "127.0.0.3");
    ASSERT_TRUE(agent.Ready());
    SnmpSend snmp;
    EXPECT_EQ(snmp.HostIP, "0.0.0.0");
    snmp.TargetHost = "localhost";
    snmp.TargetPort = SnmpDestinationPort();
    snmp.Query.PDUType = 0xA0;
    snmp.Query.AddBinding(kSysName, "", 0x05);
    ASSERT_TRUE(snmp.SendRequest());
    EXPECT_EQ(snmp.HostIP, "127.0.0.3");
    EXPECT_EQ(snmp.Buffer, Response(kSysNameOid, 0x02, Bytes({0x05})));
    EXPECT_EQ(snmp.Reply.ValueOf(kSysName), "5");
}

TEST(SnmpExchange, GetNextSendsIdTwoAndMovesToTheReturnedOid) {
    std::string oid = "1.3.6.1.2.1.2.2.1.2";
    std::string value;
    {
        Responder agent(Answer(Response(kIfDescr1, 0x04, std::string("eth\0", 4), "public", 2)));
        ASSERT_TRUE(agent.Ready());
        EXPECT_TRUE(SnmpGetNextValue(oid, "public", "127.0.0.1", value));
        EXPECT_EQ(agent.Request(),
                  Message(0xA1, "public", 2, 0, Bytes({0x2B, 6, 1, 2, 1, 2, 2, 1, 2}), 0x05, ""));
    }
    EXPECT_EQ(oid, "1.3.6.1.2.1.2.2.1.2.1");
    EXPECT_EQ(value, std::string("eth\0", 4));
}

TEST(SnmpExchange, NoSuchNameEchoKeepsTheOidAndGivesAnEmptyValue) {
    std::string oid = kSysName;
    std::string value = "stale";
    {
        // The agent echoes the request's binding with error-status 2.
        Responder agent([](const std::string& request) {
            std::string reply = request;
            reply[13] = static_cast<char>(0xA2);
            reply[20] = 0x02;  // error-status noSuchName
            reply[23] = 0x01;  // error-index
            return reply;
        });
        ASSERT_TRUE(agent.Ready());
        EXPECT_TRUE(SnmpGetNextValue(oid, "public", "127.0.0.1", value));
    }
    EXPECT_EQ(oid, kSysName);
    EXPECT_EQ(value, "");
}

TEST(SnmpExchange, GetReplyUnderAnotherOidIsSuccessWithEmptyValue) {
    std::string value = "stale";
    Responder agent(Answer(Response(kIfDescr1, 0x04, "eth0")));
    ASSERT_TRUE(agent.Ready());
    EXPECT_TRUE(SnmpGetValue(kSysName, "public", "127.0.0.1", value));
    EXPECT_EQ(value, "");
}

TEST(SnmpExchange, UnacceptableRepliesFailAndLeaveTheCallerClean) {
    const std::string good = Response(kIfDescr1, 0x04, "eth0");
    std::string primitive = good;
    primitive[0] = 0x10;
    const std::string bad[] = {
        Bytes({0x30}),
        primitive,
        good.substr(0, good.size() - 1),
        Message(0xA2, "public", 2, 0, kIfDescr1, 0x04, "eth0", 3),
    };
    for (const std::string& reply : bad) {
        std::string oid = "1.3.6.1.2.1.2.2.1.2";
        std::string value = "stale";
        {
            Responder agent(Answer(reply));
            ASSERT_TRUE(agent.Ready());
            EXPECT_FALSE(SnmpGetNextValue(oid, "public", "127.0.0.1", value));
        }
        EXPECT_EQ(oid, "1.3.6.1.2.1.2.2.1.2");
        EXPECT_EQ(value, "");
    }
}

// Descriptors this process holds open.
std::size_t OpenDescriptors() {
    std::size_t count = 0;
    if (DIR* dir = ::opendir("/proc/self/fd")) {
        while (::readdir(dir) != nullptr) {
            ++count;
        }
        ::closedir(dir);
    }
    return count;
}

// Calls share buffers behind the scenes; nothing of one call may show in the
// next: not its request-id, community or OID, not its reply, not its socket.
TEST(SnmpExchange, ConsecutiveCallsCarryNothingOver) {
    const std::size_t before = OpenDescriptors();
    std::string oid = "1.3.6.1.2.1.2.2.1.2";
    std::string value;
    {
        Responder agent(Answer(Response(kIfDescr1, 0x04, "a long interface description")));
        ASSERT_TRUE(agent.Ready());
        EXPECT_TRUE(SnmpGetNextValue(oid, "a-long-community-name", "127.0.0.1", value));
        EXPECT_EQ(agent.Request(), Message(0xA1, "a-long-community-name", 2, 0,
                                           Bytes({0x2B, 6, 1, 2, 1, 2, 2, 1, 2}), 0x05, ""));
    }
    EXPECT_EQ(value, "a long interface description");
    EXPECT_EQ(OpenDescriptors(), before);
    {
        // A Get after a GetNext goes back to request-id 1.
        Responder agent(Answer(Response(kIfDescr1, 0x04, "eth0")));
        ASSERT_TRUE(agent.Ready());
        EXPECT_TRUE(SnmpGetValue(kSysName, "c", "127.0.0.1", value));
        EXPECT_EQ(agent.Request(), Message(0xA0, "c", 1, 0, kSysNameOid, 0x05, ""));
    }
    EXPECT_EQ(value, "");
    {
        // A refused reply leaves nothing of the last good one behind.
        Responder agent(Answer(Bytes({0x30})));
        ASSERT_TRUE(agent.Ready());
        EXPECT_FALSE(SnmpGetNextValue(oid, "c", "127.0.0.1", value));
    }
    EXPECT_EQ(oid, "1.3.6.1.2.1.2.2.1.2.1");
    EXPECT_EQ(value, "");
    EXPECT_EQ(OpenDescriptors(), before);
}

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

TEST(SnmpExchange, SilentAgentFailsAfterTheFiveSecondTimeout) {
    LoopbackSocket silent("127.0.0.1");
    ASSERT_TRUE(silent.Bound());
    ::setenv("TESSEL_SNMP_PORT", std::to_string(silent.Port()).c_str(), 1);
    std::string oid = kSysName;
    std::string value = "stale";
    const auto start = Clock::now();
    EXPECT_FALSE(SnmpGetNextValue(oid, "public", "127.0.0.1", value));
    const double waited = SecondsSince(start);
    EXPECT_GE(waited, 4.5);
    EXPECT_LT(waited, 10.0);
    EXPECT_EQ(oid, kSysName);
    EXPECT_EQ(value, "");
    ::unsetenv("TESSEL_SNMP_PORT");
}

TEST(SnmpExchange, NegativeTimeoutDoesNotWaitForEver) {
    LoopbackSocket silent("127.0.0.1");
    ASSERT_TRUE(silent.Bound());
    SnmpSend snmp;
    snmp.TargetHost = "127.0.0.1";
    snmp.TargetPort = std::to_string(silent.Port());
    snmp.Timeout = -1;
    snmp.Query.AddBinding(kSysName, "", 0x05);
    const auto start = Clock::now();
    EXPECT_FALSE(snmp.SendRequest());
    EXPECT_LT(SecondsSince(start), 1.0);
    EXPECT_EQ(snmp.Sock.LastError(), ETIMEDOUT);
    EXPECT_EQ(snmp.HostIP, "0.0.0.0");
}

void IgnoreSignal(int) {}

TEST(SnmpExchange, SignalsDuringTheWaitNeitherEndNorStretchIt) {
    LoopbackSocket silent("127.0.0.1");
    ASSERT_TRUE(silent.Bound());
    // A handler without SA_RESTART, so every signal ends poll with EINTR.
    struct sigaction action {};
    struct sigaction previous {};
    action.sa_handler = IgnoreSignal;
    sigemptyset(&action.sa_mask);
    ASSERT_EQ(::sigaction(SIGUSR1, &action, &previous), 0);
    const pthread_t waiter = ::pthread_self();
    std::atomic<bool> done{false};
    // Signals for two seconds at most: a wait that began anew at each one
    // would outlast them and show as too long rather than hang the test.
    std::thread interrupter([&] {
        const auto stop = Clock::now() + std::chrono::seconds(2);
        while (!done && Clock::now() < stop) {
            ::pthread_kill(waiter, SIGUSR1);
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    });
    SnmpSend snmp;
    snmp.TargetHost = "127.0.0.1";
    snmp.TargetPort = std::to_string(silent.Port());
    snmp.Timeout = 700;
    snmp.Query.AddBinding(kSysName, "", 0x05);
    const auto start = Clock::now();
    EXPECT_FALSE(snmp.SendRequest());
    const double waited = SecondsSince(start);
    done = true;
    interrupter.join();
    ::sigaction(SIGUSR1, &previous, nullptr);
    EXPECT_EQ(snmp.Sock.LastError(), ETIMEDOUT);
    // About a dozen signals came in; the wait still ends near 700 ms.
    EXPECT_GE(waited, 0.68);
    EXPECT_LT(waited, 1.9);
}

TEST(SnmpExchange, ClosedPortFailsAtOnce) {
    int port = 0;
    {
        LoopbackSocket closed("127.0.0.1");
        ASSERT_TRUE(closed.Bound());
        port = closed.Port();
    }
    ::setenv("TESSEL_SNMP_PORT", std::to_string(port).c_str(), 1);
    std::string value = "stale";
    const auto start = Clock::now();
    EXPECT_FALSE(SnmpGetValue(kSysName, "public", "127.0.0.1", value));
    EXPECT_LT(SecondsSince(start), 1.0);
    EXPECT_EQ(value, "");
    ::unsetenv("TESSEL_SNMP_PORT");

    // It is the port-unreachable report that ends the wait.
    SnmpSend snmp;
    snmp.TargetHost = "127.0.0.1";
    snmp.TargetPort = std::to_string(port);
    snmp.Query.AddBinding(kSysName, "", 0x05);
    EXPECT_FALSE(snmp.SendRequest());
    EXPECT_EQ(snmp.Sock.LastError(), ECONNREFUSED);
}

TEST(SnmpExchange, UnresolvableHostFailsWithoutSending) {
    std::string value = "stale";
    const auto start = Clock::now();
    EXPECT_FALSE(SnmpGetValue(kSysName, "public", "no-such-host.invalid", value));
    EXPECT_FALSE(SnmpGetValue(kSysName, "public", "", value));
    EXPECT_LT(SecondsSince(start), 1.0);
    EXPECT_EQ(value, "");

    for (const char* host : {"no-such-host.invalid", "x.INVALID.", "", "invalid"}) {
        SnmpSend snmp;
        snmp.TargetHost = host;
        snmp.Query.AddBinding(kSysName, "", 0x05);
        EXPECT_FALSE(snmp.SendRequest()) << host;
        EXPECT_FALSE(snmp.Sock.IsOpen()) << host;
        EXPECT_NE(snmp.Sock.LastError(), 0);
    }
}

TEST(SnmpExchange, DestinationPortComesFromTheEnvironmentOnlyWhenValid) {
    const std::pair<const char*, const char*> cases[] = {
        {"1161", "1161"}, {"65535", "65535"}, {"1", "1"},     {"0", "161"},
        {"65536", "161"}, {"", "161"},        {"16x", "161"}, {"-5", "161"},
    };
    for (const auto& [set, expected] : cases) {
        ::setenv("TESSEL_SNMP_PORT", set, 1);
        EXPECT_EQ(SnmpDestinationPort(), expected) << set;
    }
    ::unsetenv("TESSEL_SNMP_PORT");
    EXPECT_EQ(SnmpDestinationPort(), "161");
    EXPECT_EQ(SnmpSend().TargetPort, "161");
    EXPECT_EQ(SnmpSend().Timeout, 5000);
}

}  // namespace
}  // namespace tessel
