#include "core/pages/table_walk.hpp"

#include "recording_reader.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace tessel {
namespace {

using test::RecordingReader;
using ::testing::ElementsAre;

// An agent that answers GetNext from a script, whatever was asked: for the
// misbehaviours a well-ordered table cannot produce.
class ScriptedAgent : public SnmpReader {
  public:
    struct Reply {
        bool ok;
        std::string oid;
        std::string value;
    };
    std::vector<Reply> replies;
    std::vector<std::string> asked;

    void GetCounted(const std::string&, std::string& value) override { value.clear(); }
    bool Get(const std::string&, std::string& value) override {
        value.clear();
        return false;
    }
    bool GetNext(std::string& oid, std::string& value) override {
        asked.push_back(oid);
        value.clear();
        if (asked.size() > replies.size()) {
            return false;
        }
        const Reply& reply = replies[asked.size() - 1];
        if (reply.ok) {
            oid = reply.oid;
            value = reply.value;
        }
        return reply.ok;
    }
};

std::vector<std::string> Values(const std::vector<WalkRow>& rows) {
    std::vector<std::string> out;
    for (const auto& row : rows) {
        out.push_back(row.value);
    }
    return out;
}

const std::string kColumn = "1.3.6.1.2.1.4.20.1.1";

TEST(TableWalk, ReadsOneColumnInNumericOrderAndStopsAtTheNextColumn) {
    RecordingReader reader;
    reader.Set(kColumn + ".10.0.0.9", "10.0.0.9");
    reader.Set(kColumn + ".10.0.0.10", "10.0.0.10");
    reader.Set(kColumn + ".192.168.1.1", "192.168.1.1");
    reader.Set("1.3.6.1.2.1.4.20.1.2.10.0.0.9", "3");

    const auto rows = WalkColumn(reader, kColumn, 100);

    EXPECT_THAT(Values(rows), ElementsAre("10.0.0.9", "10.0.0.10", "192.168.1.1"));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1].oid, kColumn + ".10.0.0.10");
    EXPECT_EQ(rows[1].index, "10.0.0.10");
    // One GetNext per row plus the one that left the column; nothing counted.
    EXPECT_THAT(reader.Oids('N'), ElementsAre(kColumn, kColumn + ".10.0.0.9",
                                              kColumn + ".10.0.0.10", kColumn + ".192.168.1.1"));
    EXPECT_TRUE(reader.Oids('C').empty());
}

TEST(TableWalk, ColumnOneIsNotTheStartOfColumnTen) {
    RecordingReader reader;
    reader.Set("1.3.6.1.4.1.9.1.1.5", "row");
    reader.Set("1.3.6.1.4.1.9.1.10.5", "other column");
    EXPECT_THAT(Values(WalkColumn(reader, "1.3.6.1.4.1.9.1.1", 10)), ElementsAre("row"));
    // A trailing dot on the column names the same subtree.
    EXPECT_THAT(Values(WalkColumn(reader, "1.3.6.1.4.1.9.1.1.", 10)), ElementsAre("row"));
}

TEST(TableWalk, EmptyTableAndEndOfMibCostOneRequest) {
    RecordingReader reader;  // nothing at all: the agent echoes the OID back
    EXPECT_TRUE(WalkColumn(reader, kColumn, 100).empty());
    EXPECT_EQ(reader.calls.size(), 1u);

    RecordingReader failing;
    failing.failAll = true;
    failing.Set(kColumn + ".1.2.3.4", "1.2.3.4");
    EXPECT_TRUE(WalkColumn(failing, kColumn, 100).empty());
    EXPECT_EQ(failing.calls.size(), 1u);
}

TEST(TableWalk, StopsAtTheRowLimitWithoutAskingFurther) {
    RecordingReader reader;
    for (int i = 1; i <= 150; ++i) {
        reader.Set(kColumn + ".10.0." + std::to_string(i) + ".1", std::to_string(i));
    }
    const auto rows = WalkColumn(reader, kColumn, 100);
    ASSERT_EQ(rows.size(), 100u);
    EXPECT_EQ(rows.back().value, "100");
    EXPECT_EQ(reader.Oids('N').size(), 100u);
    EXPECT_TRUE(WalkColumn(reader, kColumn, 0).empty());
}

TEST(TableWalk, StopsWhenTheAgentMisbehaves) {
    struct Case {
        const char* what;
        std::vector<ScriptedAgent::Reply> replies;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases = {
        {"failure mid-walk",
         {{true, kColumn + ".1.1.1.1", "a"}, {false, "", ""}, {true, kColumn + ".9.9.9.9", "z"}},
         {"a"}},
        {"OID echoed back",
         {{true, kColumn + ".1.1.1.1", "a"}, {true, kColumn + ".1.1.1.1", "a"}},
         {"a"}},
        {"OID going backwards inside the column",
         {{true, kColumn + ".2.2.2.2", "b"}, {true, kColumn + ".1.1.1.1", "a"}},
         {"b"}},
        {"column itself returned", {{true, kColumn, "x"}}, {}},
        {"OID that is not numeric", {{true, kColumn + ".1.x", "a"}}, {}},
        {"OID beyond the column", {{true, "1.3.6.1.2.1.4.20.1.2.1.1.1.1", "7"}}, {}},
    };
    for (const auto& c : cases) {
        ScriptedAgent agent;
        agent.replies = c.replies;
        EXPECT_EQ(Values(WalkColumn(agent, kColumn, 100)), c.expected) << c.what;
        EXPECT_EQ(agent.asked.size(), c.expected.size() + 1) << c.what;
    }
}

TEST(TableWalk, VisitorReadsInterleaveWithTheGetNexts) {
    RecordingReader reader;
    reader.Set("1.3.6.1.4.1.9.4.1.2.1", "7");
    reader.Set("1.3.6.1.4.1.9.4.1.2.2", "8");
    std::vector<std::string> indexes;
    const auto count = WalkColumn(reader, "1.3.6.1.4.1.9.4.1.2", 70, [&](const WalkRow& row) {
        indexes.push_back(row.index);
        std::string cell;
        reader.GetCounted("1.3.6.1.4.1.9.4.1.3." + row.value, cell);
    });
    EXPECT_EQ(count, 2u);
    EXPECT_THAT(indexes, ElementsAre("1", "2"));
    std::vector<std::pair<char, std::string>> calls;
    for (const auto& call : reader.calls) {
        calls.emplace_back(call.kind, call.oid);
    }
    EXPECT_THAT(calls, ElementsAre(std::pair{'N', std::string("1.3.6.1.4.1.9.4.1.2")},
                                   std::pair{'C', std::string("1.3.6.1.4.1.9.4.1.3.7")},
                                   std::pair{'N', std::string("1.3.6.1.4.1.9.4.1.2.1")},
                                   std::pair{'C', std::string("1.3.6.1.4.1.9.4.1.3.8")},
                                   std::pair{'N', std::string("1.3.6.1.4.1.9.4.1.2.2")}));
}

TEST(OidOrder, NumericNotTextualAndStrictAboutForm) {
    EXPECT_TRUE(OidIsAfter("1.3.6.10", "1.3.6.9"));
    EXPECT_TRUE(OidIsAfter("1.3.6.1.0", "1.3.6.1"));
    EXPECT_FALSE(OidIsAfter("1.3.6.9", "1.3.6.10"));
    EXPECT_FALSE(OidIsAfter("1.3.6", "1.3.6"));
    for (const char* bad : {"", ".", "1..2", "1.2.", "1.a", "1.99999999999999999999999"}) {
        EXPECT_FALSE(OidIsAfter(bad, "1.0")) << bad;
        EXPECT_FALSE(OidIsAfter("9.9", bad)) << bad;
    }
    // A fault after the arc that decides the order still disqualifies.
    EXPECT_FALSE(OidIsAfter("2.x", "1.0"));
    EXPECT_FALSE(OidIsAfter("2.0", "1.0."));
    EXPECT_FALSE(OidIsAfter("1.3.6.1.0.", "1.3.6.1"));
    EXPECT_FALSE(OidIsAfter("1.3.6.1.0..1", "1.3.6.1"));
    EXPECT_FALSE(OidIsAfter("1.3.6.1", "1.3.6.1.x"));
    EXPECT_TRUE(OidIsAfter("1.18446744073709551615", "1.18446744073709551614"));
    EXPECT_TRUE(OidIsAfter("1.3.6.1.4.1.3942.1.1.3.1.1.1.2", "1.3.6.1.4.1.3942.1.1.3.1.1.1.1.200"));
    EXPECT_TRUE(OidIsBelow("1.3.6.1.1.5", "1.3.6.1.1"));
    EXPECT_FALSE(OidIsBelow("1.3.6.1.10.5", "1.3.6.1.1"));
    EXPECT_FALSE(OidIsBelow("1.3.6.1.1", "1.3.6.1.1"));
    EXPECT_FALSE(OidIsBelow("1.3.6.1.1.", "1.3.6.1.1"));
    EXPECT_FALSE(OidIsBelow("1.3", ""));
}

}  // namespace
}  // namespace tessel
