// OIDs and the sorted object store behind Get and GetNext.

#include <gtest/gtest.h>

#include "core/snmp/ber.hpp"
#include "mib_store.hpp"
#include "oid.hpp"

namespace tessel::sim {
namespace {

TEST(OidText, ParsingIsStrict) {
    EXPECT_EQ(ParseOid("1.3.6.1"), (Oid{1, 3, 6, 1}));
    EXPECT_EQ(ParseOid(".1.3.6.1"), (Oid{1, 3, 6, 1}));
    EXPECT_EQ(ParseOid("1.3.4294967295"), (Oid{1, 3, 4294967295u}));
    for (const char* bad : {"", ".", "1..3", "1.3.", "1.x.3", "1.3.4294967296", "1 .3", "-1.3"}) {
        EXPECT_FALSE(ParseOid(bad).has_value()) << bad;
    }
}

TEST(OidCodec, RoundTripsThroughBerAndAgreesWithTheCoreWriter) {
    for (const char* text : {"1.3.6.1.4.1.3942.1.1.3.6.0", "1.3.6.1.2.1.4.21.1.1.255.255.255.255",
                             "2.100.3", "1.3.4294967295.128.16383.16384"}) {
        const Oid oid = *ParseOid(text);
        const std::string encoded = EncodeOid(oid);
        EXPECT_EQ(encoded, ber::OidContent(text)) << text;
        EXPECT_EQ(DecodeOid(encoded), oid) << text;
        EXPECT_EQ(OidToText(oid), text);
    }
    EXPECT_FALSE(DecodeOid("").has_value());
    EXPECT_FALSE(DecodeOid("\x2B\x86").has_value()) << "unfinished sub-identifier";
    EXPECT_FALSE(DecodeOid("\x2B\x90\x80\x80\x80\x00").has_value()) << "over 32 bits";
}

TEST(MibStore, OrdersByNumericArcsAndFindsNeighbours) {
    MibStore store;
    store.Add(*ParseOid("1.3.6.1.10"), IntegerValue(10));
    store.Add(*ParseOid("1.3.6.1.2.5"), IntegerValue(25));
    store.Add(*ParseOid("1.3.6.1.2"), IntegerValue(2));
    store.Add(*ParseOid("1.3.6.1.9.1"), IntegerValue(91));
    store.Finish();
    const auto next = [&](const char* oid) {
        const MibEntry* e = store.Next(*ParseOid(oid));
        return e ? OidToText(e->oid) : std::string("end");
    };
    EXPECT_EQ(next("1"), "1.3.6.1.2");
    EXPECT_EQ(next("1.3.6.1.2"), "1.3.6.1.2.5");    // an extension follows its prefix
    EXPECT_EQ(next("1.3.6.1.2.5"), "1.3.6.1.9.1");  // 9 before 10, not "10" before "9"
    EXPECT_EQ(next("1.3.6.1.9.1.0"), "1.3.6.1.10");
    EXPECT_EQ(next("1.3.6.1.10"), "end");
    EXPECT_NE(store.Find(*ParseOid("1.3.6.1.2.5")), nullptr);
    EXPECT_EQ(store.Find(*ParseOid("1.3.6.1.2.6")), nullptr);
    EXPECT_EQ(store.Find(*ParseOid("1.3.6.1")), nullptr);
}

TEST(MibStore, InterleavedWalksGetTheSameSuccessorsAsAFreshSearch) {
    MibStore store;
    for (std::uint32_t table = 1; table <= 3; ++table) {
        for (std::uint32_t row = 1; row <= 50; ++row) {
            store.Add({1, 3, table, row}, IntegerValue(row));
        }
    }
    store.Finish();
    // Two walks advancing in turn, as two managers would, plus jumps back.
    Oid a = {1, 3, 1};
    Oid b = {1, 3, 2, 25};
    for (int step = 0; step < 60; ++step) {
        for (Oid* walk : {&a, &b}) {
            const MibEntry* next = store.Next(*walk);
            MibStore fresh;
            for (const MibEntry& e : store.Entries()) {
                fresh.Add(e.oid, e.value);
            }
            fresh.Finish();
            const MibEntry* expected = fresh.Next(*walk);
            ASSERT_EQ(next == nullptr, expected == nullptr);
            if (next == nullptr) {
                continue;
            }
            ASSERT_EQ(next->oid, expected->oid) << OidToText(*walk);
            *walk = next->oid;
        }
        if (step == 30) {
            a = {1, 3, 1, 10};
        }
    }
    EXPECT_EQ(store.Next({1, 3, 3, 50}), nullptr);
    EXPECT_EQ(store.Next({1, 3, 3, 49})->oid, (Oid{1, 3, 3, 50}));
}

TEST(MibStore, ALaterAddOfTheSameInstanceReplacesTheEarlierOne) {
    MibStore store;
    store.Add({1, 3, 1}, TextValue("old"));
    store.Add({1, 3, 2}, TextValue("other"));
    store.Add({1, 3, 1}, TextValue("new"));
    store.Finish();
    ASSERT_EQ(store.Size(), 2u);
    EXPECT_EQ(store.Find({1, 3, 1})->value.content, "new");
    EXPECT_EQ(store.Find({1, 3, 1})->encodedOid, EncodeOid({1, 3, 1}));
}

TEST(MibValues, LiveValuesFollowTheUptime) {
    const MibValue ticks{ber::TagTimeTicks, {}, LiveKind::UpTime, 0, 0};
    EXPECT_EQ(ber::UnsignedValue(ValueContent(ticks, 8640000)), 8640000u);
    const MibValue counter = RateCounter(4294967000u, 100);
    // 5 and 10 seconds at 100 per second from near the top: it wraps like a Counter32.
    EXPECT_EQ(ber::UnsignedValue(ValueContent(counter, 500)), 4294967000u + 500u);
    EXPECT_EQ(ber::UnsignedValue(ValueContent(counter, 1000)), 704u);
    const MibValue load{ber::TagGauge, {}, LiveKind::CpuLoad, 97, 0};
    for (std::uint64_t t = 0; t < 30000; t += 100) {
        EXPECT_LE(ber::UnsignedValue(ValueContent(load, t)), 100u);
        EXPECT_GE(ber::UnsignedValue(ValueContent(load, t)), 97u);
    }
    // Within one three-second period two reads agree.
    EXPECT_EQ(ValueContent(load, 301), ValueContent(load, 599));
}

}  // namespace
}  // namespace tessel::sim
