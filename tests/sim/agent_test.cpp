// The agent's request handling, datagram in, datagram out, without sockets.

#include <gtest/gtest.h>

#include "agent.hpp"
#include "core/snmp/ber.hpp"
#include "mib_builder.hpp"
#include "sim_fixture.hpp"
#include "snmp_probe.hpp"

namespace tessel::sim {
namespace {

using test::DecodeReply;
using test::EncodeRequest;
using test::Reply;

class AgentRequests : public ::testing::Test {
  protected:
    AgentRequests() { BuildMib(test::BundledState(), store_); }

    std::optional<Reply> Ask(const std::string& datagram) {
        const AgentOutcome outcome = agent_.Handle(datagram, store_, 4242);
        if (!outcome.answered) {
            return std::nullopt;
        }
        auto reply = DecodeReply(outcome.reply);
        EXPECT_TRUE(reply.has_value()) << "the agent's reply must decode";
        return reply;
    }

    MibStore store_;
    Agent agent_{"public"};
};

TEST_F(AgentRequests, GetAnswersEveryBindingInOrderWithItsType) {
    const auto reply =
        Ask(EncodeRequest(ber::TagGetRequest, {"1.3.6.1.2.1.1.5.0", "1.3.6.1.2.1.1.3.0",
                                               "1.3.6.1.4.1.3942.1.1.1.3.1.3.1.0.11.34.5.120.255",
                                               "1.3.6.1.2.1.4.20.1.3.192.168.1.1"}));
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->pduType, ber::TagGetResponse);
    EXPECT_EQ(reply->errorStatus, 0);
    ASSERT_EQ(reply->bindings.size(), 4u);
    EXPECT_EQ(reply->bindings[0].tag, ber::TagOctetString);
    EXPECT_EQ(reply->bindings[0].value, "bs-north");
    EXPECT_EQ(reply->bindings[1].tag, ber::TagTimeTicks);
    EXPECT_EQ(ber::UnsignedValue(reply->bindings[1].value), 4242u);
    EXPECT_EQ(reply->bindings[2].value, std::string("\x00\x0B\x22\x05\x78\xFF", 6));
    EXPECT_EQ(reply->bindings[3].tag, ber::TagIpAddress);
    EXPECT_EQ(reply->bindings[3].value, std::string("\xFF\xFF\xFF\x00", 4));
}

TEST_F(AgentRequests, GetNextStepsEachBindingToItsSuccessor) {
    const auto reply = Ask(EncodeRequest(ber::TagGetNextRequest,
                                         {"1.3.6.1.2.1.4.21.1.1", "1.3.6.1.4.1.3942.1.1.1.4.1.2"}));
    ASSERT_TRUE(reply);
    ASSERT_EQ(reply->bindings.size(), 2u);
    EXPECT_EQ(reply->bindings[0].oid, "1.3.6.1.2.1.4.21.1.1.0.0.0.0");
    // A base station has neither base-station rows nor a registration, so
    // the walk of column 2 leaves the table for the next object.
    EXPECT_EQ(reply->bindings[1].oid, "1.3.6.1.4.1.3942.1.1.1.6.0");
}

TEST_F(AgentRequests, AbsentInstanceGivesNoSuchNameAtItsPositionWithTheRequestEchoed) {
    const std::vector<std::string> oids = {"1.3.6.1.2.1.1.5.0", "1.3.6.1.2.1.1.5.1",
                                           "1.3.6.1.2.1.1.6.0"};
    const auto reply = Ask(EncodeRequest(ber::TagGetRequest, oids));
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->errorStatus, ErrorNoSuchName);
    EXPECT_EQ(reply->errorIndex, 2);
    ASSERT_EQ(reply->bindings.size(), 3u);
    for (std::size_t i = 0; i < oids.size(); ++i) {
        EXPECT_EQ(reply->bindings[i].oid, oids[i]);
        EXPECT_EQ(reply->bindings[i].tag, ber::TagNull);
    }
    const auto past =
        Ask(EncodeRequest(ber::TagGetNextRequest, {"1.3.6.1.4.1.3942.1.1.4.1.1.12.7"}));
    ASSERT_TRUE(past);
    EXPECT_EQ(past->errorStatus, ErrorNoSuchName);
    EXPECT_EQ(past->errorIndex, 1);
    EXPECT_EQ(past->bindings[0].oid, "1.3.6.1.4.1.3942.1.1.4.1.1.12.7");
}

TEST_F(AgentRequests, SetIsRefusedAndChangesNothing) {
    const auto existing = Ask(EncodeRequest(ber::TagSetRequest, {"1.3.6.1.2.1.1.5.0"}));
    ASSERT_TRUE(existing);
    EXPECT_EQ(existing->errorStatus, ErrorReadOnly);
    EXPECT_EQ(existing->errorIndex, 1);
    const auto absent = Ask(EncodeRequest(ber::TagSetRequest, {"1.3.6.1.2.1.1.99.0"}));
    ASSERT_TRUE(absent);
    EXPECT_EQ(absent->errorStatus, ErrorNoSuchName);
    const auto name = Ask(EncodeRequest(ber::TagGetRequest, {"1.3.6.1.2.1.1.5.0"}));
    EXPECT_EQ(name->bindings[0].value, "bs-north");
}

TEST_F(AgentRequests, RequestIdAndCommunityAreEchoedExactly) {
    for (const std::string& id : {std::string("\x80\x00\x00\x00", 4), std::string("\xFF", 1),
                                  std::string("\x00\x80", 2), std::string("\x7F\xFF\xFF\xFF", 4)}) {
        const auto reply =
            Ask(EncodeRequest(ber::TagGetRequest, {"1.3.6.1.2.1.1.5.0"}, "public", id));
        ASSERT_TRUE(reply);
        EXPECT_EQ(reply->requestId, id);
        EXPECT_EQ(reply->community, "public");
    }
}

TEST_F(AgentRequests, WrongCommunityOtherVersionsAndNonRequestsGetNoAnswer) {
    EXPECT_FALSE(Ask(EncodeRequest(ber::TagGetRequest, {"1.3.6.1.2.1.1.5.0"}, "Public")));
    EXPECT_FALSE(Ask(EncodeRequest(ber::TagGetRequest, {"1.3.6.1.2.1.1.5.0"}, "public",
                                   std::string(1, '\x01'), 1)));
    EXPECT_FALSE(Ask(EncodeRequest(ber::TagGetResponse, {"1.3.6.1.2.1.1.5.0"})));
    EXPECT_FALSE(Ask(EncodeRequest(ber::TagTrap, {"1.3.6.1.2.1.1.5.0"})));
    EXPECT_FALSE(Ask(
        EncodeRequest(ber::TagGetRequest, {"1.3.6.1.2.1.1.5.0"}, "public", std::string(5, '\x01'))))
        << "request-id over 32 bits";
}

TEST_F(AgentRequests, EveryTruncationOrTrailingJunkIsIgnored) {
    const std::string good =
        EncodeRequest(ber::TagGetNextRequest, {"1.3.6.1.2.1.1", "1.3.6.1.2.1.2"});
    ASSERT_TRUE(Ask(good));
    for (std::size_t n = 0; n < good.size(); ++n) {
        // Exactly n bytes on the heap, so a sanitizer sees any over-read.
        const std::unique_ptr<char[]> copy(new char[n + 1]);
        std::copy(good.begin(), good.begin() + static_cast<long>(n), copy.get());
        EXPECT_FALSE(agent_.Handle(std::string_view(copy.get(), n), store_, 0).answered) << n;
    }
    EXPECT_FALSE(Ask(good + std::string(1, '\0')));
}

}  // namespace
}  // namespace tessel::sim
