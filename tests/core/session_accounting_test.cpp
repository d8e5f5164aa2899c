#include "core/session/request_accounting.hpp"
#include "core/session/session.hpp"
#include "core/session/status_texts.hpp"

#include <gtest/gtest.h>

#include <deque>

namespace tessel {
namespace {

TEST(SessionStatusTexts, UptimeParts) {
    EXPECT_EQ(UptimeText("9006100"), "Sys uptime: 1 day 1 hour 1 min 1 sec ");
    EXPECT_EQ(UptimeText("12000"), "Sys uptime: 2 mins ");
    EXPECT_EQ(UptimeText("0"), "Sys uptime: ");
    EXPECT_EQ(UptimeText(""), "Sys uptime: ");
    EXPECT_EQ(UptimeText("junk"), "Sys uptime: ");
    // 3 days 23 hours 59 mins 59 secs, plus 99 hundredths that are truncated.
    EXPECT_EQ(UptimeText("34559999"), "Sys uptime: 3 days 23 hours 59 mins 59 secs ");
    // TimeTicks can reach 2^32-1 hundredths: 497 days 2 hours 27 mins 52 secs.
    EXPECT_EQ(UptimeText("4294967295"), "Sys uptime: 497 days 2 hours 27 mins 52 secs ");
}

TEST(SessionStatusTexts, CpuAndCountTexts) {
    EXPECT_EQ(CpuLoadText("17"), "CPU load: 17 %");
    EXPECT_EQ(CpuLoadText(""), "CPU load:  %");
    EXPECT_EQ(RequestCountsText(2, 0, 0), "SNMP| Sent: 2/ Errors: 0/Row: 0");
    EXPECT_EQ(RequestCountsText(130, 30, 15), "SNMP| Sent: 130/ Errors: 30/Row: 15");
}

// A session over a scripted transport: each exchange takes the next outcome.
class ScriptedSession : public ::testing::Test, public SessionListener {
  protected:
    ScriptedSession()
        : session({[this](const std::string& oid, const std::string& community,
                          const std::string& host, std::string& value) {
                       return Exchange(host + " " + community + " " + oid, value);
                   },
                   [this](std::string& oid, const std::string&, const std::string&,
                          std::string& value) { return Exchange("next " + oid, value); }}) {
        session.SetListener(this);
        session.RouterHost = "10.1.1.1";
        session.SnmpCommunity = "public";
        session.Accounting().Reset();
    }

    bool Exchange(const std::string& request, std::string& value) {
        requests.push_back(request);
        const bool ok = outcomes.empty() ? true : outcomes.front();
        if (!outcomes.empty()) {
            outcomes.pop_front();
        }
        value = ok ? "v" + std::to_string(requests.size()) : "";
        return ok;
    }

    void RequestCountsChanged(long sent, long errors, long row) override {
        panel2 = RequestCountsText(sent, errors, row);
    }

    void Fail(int times) {
        for (int i = 0; i < times; ++i) {
            outcomes.push_back(false);
            std::string value = "x";
            session.GetCounted("1.3.6.1.4.1.3942.1.1.3.6.0", value);
            EXPECT_TRUE(value.empty());
        }
    }

    Session session;
    std::deque<bool> outcomes;
    std::vector<std::string> requests;
    std::string panel2;
};

TEST_F(ScriptedSession, FirstReadAfterLoginShowsSentTwoAndUsesSessionHostAndCommunity) {
    std::string value;
    session.GetCounted("1.3.6.1.2.1.1.3.0", value);
    EXPECT_EQ(value, "v1");
    EXPECT_EQ(panel2, "SNMP| Sent: 2/ Errors: 0/Row: 0");
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0], "10.1.1.1 public 1.3.6.1.2.1.1.3.0");
}

TEST_F(ScriptedSession, TwentyFailuresInARowAreToleratedTheTwentyFirstSuspendsReads) {
    Fail(20);
    EXPECT_FALSE(session.Accounting().Suspended());
    EXPECT_EQ(panel2, "SNMP| Sent: 21/ Errors: 20/Row: 20");
    Fail(1);
    EXPECT_TRUE(session.Accounting().Suspended());
    EXPECT_EQ(panel2, "SNMP| Sent: 22/ Errors: 21/Row: 21");
    EXPECT_EQ(session.Accounting().Skipped(), 0);
}

TEST_F(ScriptedSession, ASuccessBreaksTheRun) {
    Fail(15);
    std::string value;
    session.GetCounted("1.3.6.1.2.1.1.3.0", value);
    EXPECT_EQ(session.Accounting().Row(), 0);
    EXPECT_FALSE(session.Accounting().LastFailed());
    Fail(15);
    EXPECT_FALSE(session.Accounting().Suspended());
    EXPECT_EQ(session.Accounting().Errors(), 30);
    EXPECT_EQ(session.Accounting().Row(), 15);
    EXPECT_EQ(panel2, "SNMP| Sent: 32/ Errors: 30/Row: 15");
}

TEST_F(ScriptedSession, SuspendedReadsSendNothingWalksIncludedUntilTheNextSession) {
    Fail(21);
    const std::size_t sent = requests.size();
    std::string value = "as the caller had it";
    std::string oid = "1.3.6.1.2.1.2.2.1.2";
    panel2.clear();
    session.GetCounted("1.3.6.1.2.1.1.5.0", value);
    EXPECT_FALSE(session.Get("1.3.6.1.2.1.1.5.0", value));
    EXPECT_FALSE(session.GetNext(oid, value));
    EXPECT_EQ(requests.size(), sent);
    EXPECT_EQ(value, "as the caller had it");
    EXPECT_EQ(oid, "1.3.6.1.2.1.2.2.1.2");
    EXPECT_TRUE(panel2.empty());
    EXPECT_EQ(session.Accounting().Skipped(), 3);

    // The next post-login load starts afresh.
    session.Accounting().Reset();
    session.GetCounted("1.3.6.1.2.1.1.5.0", value);
    EXPECT_TRUE(session.GetNext(oid, value));
    EXPECT_EQ(requests.size(), sent + 2);
    EXPECT_EQ(panel2, "SNMP| Sent: 2/ Errors: 0/Row: 0");
    EXPECT_EQ(session.Accounting().Skipped(), 0);
}

TEST_F(ScriptedSession, GoingOnAtTheLimitResetsTheRunAndReadsAgain) {
    Fail(21);
    session.ResumeReads();
    EXPECT_FALSE(session.Accounting().Suspended());
    EXPECT_EQ(panel2, "SNMP| Sent: 22/ Errors: 21/Row: 0");
    // A new run needs another 21 failures before reads are suspended again.
    Fail(20);
    EXPECT_FALSE(session.Accounting().Suspended());
    Fail(1);
    EXPECT_TRUE(session.Accounting().Suspended());
}

}  // namespace
}  // namespace tessel
