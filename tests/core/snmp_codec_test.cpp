#include <gtest/gtest.h>

#include <string>

#include "core/snmp/ber.hpp"
#include "core/snmp/snmp_rec.hpp"
#include "core/snmp/snmp_value.hpp"
#include "snmp_test_bytes.hpp"

namespace tessel {
namespace {

using test::Bytes;
using test::kSysNameOid;
using test::Message;
using test::Response;
using test::Tlv;

SnmpRec Request(int pduType, const std::string& community, const std::string& oid) {
    SnmpRec rec;
    rec.Clear();
    if (pduType == 0xA1) {
        ++rec.ID;
    }
    rec.Community = community;
    rec.PDUType = pduType;
    rec.AddBinding(oid, "", 0x05);
    return rec;
}

// The tail after the community of a request for sysName.0 with the given PDU tag and id.
std::string SysNameRequestTail(int pduTag, int id) {
    return Bytes({pduTag, 0x19, 0x02, 0x01, id, 0x02, 0x01, 0x00, 0x02, 0x01, 0x00, 0x30, 0x0E,
                  0x30, 0x0C, 0x06, 0x08}) +
           kSysNameOid + Bytes({0x05, 0x00});
}

TEST(SnmpEncoding, GetRequestMatchesTheWorkedExampleForShortCommunities) {
    for (const std::size_t c : {0u, 1u, 6u, 40u, 95u}) {
        const std::string community(c, 'k');
        const std::string expected =
            Bytes({0x30, static_cast<int>(32 + c), 0x02, 0x01, 0x00, 0x04, static_cast<int>(c)}) +
            community + SysNameRequestTail(0xA0, 1);
        const std::string bytes = Request(0xA0, community, "1.3.6.1.2.1.1.5.0").Encode();
        EXPECT_EQ(bytes.size(), 34 + c);
        EXPECT_EQ(bytes, expected) << "community of " << c << " bytes";
    }
}

TEST(SnmpEncoding, LongCommunitiesPushLengthsToTheLongForm) {
    struct Case {
        std::size_t c;
        std::string outerHeader;
        std::string communityHeader;
    };
    const Case cases[] = {
        {96, Bytes({0x30, 0x81, 0x80}), Bytes({0x04, 0x60})},
        {127, Bytes({0x30, 0x81, 0x9F}), Bytes({0x04, 0x7F})},
        {128, Bytes({0x30, 0x81, 0xA1}), Bytes({0x04, 0x81, 0x80})},
        {300, Bytes({0x30, 0x82, 0x01, 0x4E}), Bytes({0x04, 0x82, 0x01, 0x2C})},
    };
    for (const Case& k : cases) {
        const std::string community(k.c, static_cast<char>(0xE9));
        const std::string expected = k.outerHeader + Bytes({0x02, 0x01, 0x00}) + k.communityHeader +
                                     community + SysNameRequestTail(0xA0, 1);
        EXPECT_EQ(Request(0xA0, community, "1.3.6.1.2.1.1.5.0").Encode(), expected) << k.c;
    }
}

TEST(SnmpEncoding, GetNextCarriesRequestIdTwoAndClearKeepsTheId) {
    const std::string community = "public";
    EXPECT_EQ(
        Request(0xA1, community, "1.3.6.1.2.1.1.5.0").Encode(),
        Bytes({0x30, 38, 0x02, 0x01, 0x00, 0x04, 6}) + community + SysNameRequestTail(0xA1, 2));

    SnmpRec rec;
    rec.ID = 7;
    rec.Version = 1;
    rec.PDUType = 0xA2;
    rec.ErrorStatus = 2;
    rec.ErrorIndex = 1;
    rec.Community = "kept";
    rec.AddBinding("1.3", "x", 0x04);
    rec.Clear();
    EXPECT_EQ(rec.ID, 7);
    EXPECT_EQ(rec.Version, 0);
    EXPECT_EQ(rec.PDUType, 0);
    EXPECT_EQ(rec.ErrorStatus, 0);
    EXPECT_EQ(rec.ErrorIndex, 0);
    EXPECT_EQ(rec.BindingCount(), 0u);
    EXPECT_EQ(SnmpRec().ID, 1);
}

TEST(SnmpEncoding, OidsAndIntegersTakeTheirShortestForms) {
    SnmpRec rec = Request(0xA0, "", "1.3.6.1.4.1.3942");
    rec.ID = 128;  // needs a leading 0x00
    rec.ErrorStatus = -200;
    const std::string pdu =
        Tlv(0x02, Bytes({0x00, 0x80})) + Tlv(0x02, Bytes({0xFF, 0x38})) + Tlv(0x02, Bytes({0x00})) +
        Tlv(0x30, Tlv(0x30, Tlv(0x06, Bytes({0x2B, 0x06, 0x01, 0x04, 0x01, 0x9E, 0x66})) +
                                Bytes({0x05, 0x00})));
    EXPECT_EQ(rec.Encode(), Tlv(0x30, Bytes({0x02, 0x01, 0x00, 0x04, 0x00}) + Tlv(0xA0, pdu)));
}

struct Rendering {
    int tag;
    std::string content;
    std::string text;
};

TEST(SnmpDecoding, EveryValueTypeRendersByItsTag) {
    const std::string mac = Bytes({0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E});
    const Rendering cases[] = {
        {0x02, Bytes({0xFF}), "-1"},
        {0x02, Bytes({0x00, 0x80}), "128"},
        {0x02, Bytes({0xFF, 0xFF, 0xFF, 0x38}), "-200"},
        {0x02, Bytes({0x7F, 0xFF, 0xFF, 0xFF}), "2147483647"},
        {0x02, "", "0"},
        {0x01, Bytes({0xFF}), "-1"},
        {0x0A, Bytes({0x03}), "3"},
        {0x41, Bytes({0x00, 0xFF, 0xFF, 0xFF, 0xFF}), "4294967295"},
        {0x42, Bytes({0x80, 0x00, 0x00, 0x00}), "2147483648"},
        {0x43, Bytes({0x00, 0x83, 0xD6, 0x00}), "8640000"},
        {0x40, Bytes({192, 168, 1, 1}), "192.168.1.1"},
        {0x40, Bytes({0, 0, 0, 0}), "0.0.0.0"},
        {0x06, Bytes({0x2B, 0x06, 0x01, 0x04, 0x01, 0x9E, 0x66}), "1.3.6.1.4.1.3942"},
        {0x04, mac, mac},
        {0x04, "Quellor BS", "Quellor BS"},
        {0x44, Bytes({0x9F, 0x78, 0x04}), Bytes({0x9F, 0x78, 0x04})},
        {0x05, "", ""},
        {0x05, "junk", ""},
        {0x47, Bytes({0x01, 0x02}), Bytes({0x01, 0x02})},
        {0x30, Tlv(0x02, Bytes({0x05})), Tlv(0x02, Bytes({0x05}))},
        {0xA2, Bytes({0x01}), Bytes({0x01})},
    };
    for (const Rendering& k : cases) {
        SnmpRec rec;
        ASSERT_TRUE(rec.Decode(Response(kSysNameOid, k.tag, k.content))) << k.tag;
        ASSERT_EQ(rec.BindingCount(), 1u);
        EXPECT_EQ(rec.Binding(0).OID, "1.3.6.1.2.1.1.5.0");
        EXPECT_EQ(rec.Binding(0).Value, k.text) << "tag " << k.tag;
        EXPECT_EQ(rec.Binding(0).ValueType, k.tag);
        EXPECT_EQ(RenderValue(static_cast<std::uint8_t>(k.tag), k.content), k.text);
    }
}

TEST(SnmpDecoding, HeaderFieldsComeFromTheReplyAsTheyAre) {
    SnmpRec rec;
    ASSERT_TRUE(rec.Decode(Message(0xA2, "other", 99, 2, kSysNameOid, 0x05, "", 1)));
    EXPECT_EQ(rec.Version, 1);
    EXPECT_EQ(rec.Community, "other");
    EXPECT_EQ(rec.PDUType, 0xA2);
    EXPECT_EQ(rec.ID, 99);
    EXPECT_EQ(rec.ErrorStatus, 2);
    EXPECT_EQ(rec.ErrorIndex, 1);
    EXPECT_EQ(rec.ValueOf("1.3.6.1.2.1.1.5.0"), "");
    EXPECT_EQ(rec.BindingCount(), 1u);
}

TEST(SnmpDecoding, ValueOfWantsTheExactOidAndTakesTheFirstMatch) {
    const std::string bindings =
        Tlv(0x30, Tlv(0x06, kSysNameOid + Bytes({0x01})) + Tlv(0x04, "longer")) +
        Tlv(0x30, Tlv(0x06, kSysNameOid) + Tlv(0x04, "first")) +
        Tlv(0x30, Tlv(0x06, kSysNameOid) + Tlv(0x04, "second"));
    const std::string reply =
        Tlv(0x30, Bytes({0x02, 0x01, 0x00}) + Tlv(0x04, "c") +
                      Tlv(0xA2, Bytes({0x02, 0x01, 0x01, 0x02, 0x01, 0x00, 0x02, 0x01, 0x00}) +
                                    Tlv(0x30, bindings)));
    SnmpRec rec;
    ASSERT_TRUE(rec.Decode(reply));
    EXPECT_EQ(rec.BindingCount(), 3u);
    EXPECT_EQ(rec.ValueOf("1.3.6.1.2.1.1.5.0"), "first");
    EXPECT_EQ(rec.ValueOf("1.3.6.1.2.1.1.5.0.1"), "longer");
    EXPECT_EQ(rec.ValueOf("1.3.6.1.2.1.1.5"), "");
    EXPECT_EQ(rec.ValueOf("1.3.6.1.2.1.1.5.0."), "");
}

TEST(SnmpAcceptance, OnlySizeConstructedBitAndDeclaredLengthAreChecked) {
    const std::string good = Response(kSysNameOid, 0x04, "x");
    SnmpRec rec;
    EXPECT_TRUE(rec.Decode(good));
    EXPECT_FALSE(rec.Decode(""));
    EXPECT_FALSE(rec.Decode(good.substr(0, 1)));
    EXPECT_FALSE(rec.Decode(good.substr(0, good.size() - 1)));
    std::string primitive = good;
    primitive[0] = 0x10;  // a SEQUENCE without its constructed bit
    EXPECT_FALSE(rec.Decode(primitive));
    std::string anyConstructed = good;
    anyConstructed[0] = 0x31;  // a SET would do too: only the bit is examined
    EXPECT_TRUE(rec.Decode(anyConstructed));
    EXPECT_EQ(rec.ValueOf("1.3.6.1.2.1.1.5.0"), "x");
    // Trailing bytes beyond the declared length are ignored.
    EXPECT_TRUE(rec.Decode(good + Bytes({0x30, 0x03, 0x06, 0x01, 0x2B})));
    EXPECT_EQ(rec.BindingCount(), 1u);
    // An outer length that cannot be read, or one beyond the datagram.
    EXPECT_FALSE(rec.Decode(Bytes({0x30, 0x80, 0x02, 0x01, 0x00, 0x00, 0x00})));
    EXPECT_FALSE(rec.Decode(Bytes({0x30, 0x85, 0x00, 0x00, 0x00, 0x00, 0x03, 1, 2, 3})));
    EXPECT_FALSE(rec.Decode(Bytes({0x30, 0x84, 0xFF, 0xFF, 0xFF, 0xFF, 1, 2, 3})));
    // The smallest acceptable datagram: an empty constructed element.
    EXPECT_TRUE(rec.Decode(Bytes({0x30, 0x00})));
    EXPECT_EQ(rec.BindingCount(), 0u);
}

TEST(SnmpAcceptance, VersionCommunityIdAndPduTagAreNotExamined) {
    SnmpRec rec;
    EXPECT_TRUE(rec.Decode(Message(0xA0, "", 42, 5, kSysNameOid, 0x02, Bytes({0x07}), 1)));
    EXPECT_EQ(rec.PDUType, 0xA0);
    EXPECT_EQ(rec.ValueOf("1.3.6.1.2.1.1.5.0"), "7");
    EXPECT_TRUE(rec.Decode(Message(0xA7, "x", 0, 0, kSysNameOid, 0x02, Bytes({0x08}), 2)));
    EXPECT_EQ(rec.ValueOf("1.3.6.1.2.1.1.5.0"), "8");
    // A version-3 message has no community layout: refused rather than misread.
    EXPECT_FALSE(rec.Decode(Message(0xA2, "x", 1, 0, kSysNameOid, 0x02, Bytes({0x08}), 3)));
    EXPECT_EQ(rec.BindingCount(), 0u);
}

TEST(SnmpDecoding, TrapUsesItsOwnLayoutBeforeTheBindings) {
    const std::string trap = Tlv(0x06, Bytes({0x2B, 0x06, 0x01, 0x04, 0x01, 0x9E, 0x66})) +
                             Tlv(0x40, Bytes({10, 0, 0, 7})) + Tlv(0x02, Bytes({0x06})) +
                             Tlv(0x02, Bytes({0x11})) + Tlv(0x43, Bytes({0x01, 0x00})) +
                             Tlv(0x30, Tlv(0x30, Tlv(0x06, kSysNameOid) + Tlv(0x04, "bs1")));
    const std::string datagram =
        Tlv(0x30, Bytes({0x02, 0x01, 0x00}) + Tlv(0x04, "t") + Tlv(0xA4, trap));
    SnmpRec rec;
    ASSERT_TRUE(rec.Decode(datagram));
    EXPECT_EQ(rec.PDUType, 0xA4);
    EXPECT_EQ(rec.Enterprise, "1.3.6.1.4.1.3942");
    EXPECT_EQ(rec.AgentAddress, "10.0.0.7");
    EXPECT_EQ(rec.GenericTrap, 6);
    EXPECT_EQ(rec.SpecificTrap, 17);
    EXPECT_EQ(rec.TimeStamp, 256u);
    EXPECT_EQ(rec.ID, 1);
    ASSERT_EQ(rec.BindingCount(), 1u);
    EXPECT_EQ(rec.ValueOf("1.3.6.1.2.1.1.5.0"), "bs1");
    // Its own encoding is byte for byte the datagram it came from.
    EXPECT_EQ(rec.Encode(), datagram);
    SnmpRec again;
    ASSERT_TRUE(again.Decode(rec.Encode()));
    EXPECT_EQ(again.Enterprise, rec.Enterprise);
    EXPECT_EQ(again.AgentAddress, rec.AgentAddress);
    EXPECT_EQ(again.TimeStamp, rec.TimeStamp);
    EXPECT_EQ(again.ValueOf("1.3.6.1.2.1.1.5.0"), "bs1");
}

TEST(SnmpDecoding, TruncatedPrefixesNeverReadPastTheirBuffer) {
    // Long-form outer length: the acceptance rule lets a reply one byte short
    // through, and its cut value must then read as empty.
    const std::string community(130, 'c');
    const std::string full = Response(kSysNameOid, 0x04, "value");
    const std::string longForm = Response(kSysNameOid, 0x04, "value", community);
    for (const std::string* reply : {&full, &longForm}) {
        for (std::size_t cut = 0; cut < reply->size(); ++cut) {
            const std::string prefix = reply->substr(0, cut);
            SnmpRec rec;
            const bool accepted = rec.Decode(prefix);
            const bool wanted = cut + 1 == longForm.size() && reply == &longForm;
            EXPECT_EQ(accepted, wanted) << cut;
            if (accepted) {
                ASSERT_EQ(rec.BindingCount(), 1u);
                EXPECT_EQ(rec.Binding(0).OID, "1.3.6.1.2.1.1.5.0");
                EXPECT_EQ(rec.Binding(0).Value, "");
                EXPECT_EQ(rec.Community, community);
            }
        }
    }
}

TEST(SnmpDecoding, ItemsRunningPastTheEndReadAsEmpty) {
    // The outer length is honest but the value claims more than is there.
    const std::string pdu = Bytes({0x02, 0x01, 0x01, 0x02, 0x01, 0x00, 0x02, 0x01, 0x00}) +
                            Bytes({0x30, 0x0F, 0x30, 0x0D}) + Tlv(0x06, kSysNameOid) +
                            Bytes({0x04, 0x20, 'a', 'b', 'c'});
    const std::string reply =
        Tlv(0x30, Bytes({0x02, 0x01, 0x00, 0x04, 0x01, 'p'}) + Tlv(0xA2, pdu));
    SnmpRec rec;
    ASSERT_TRUE(rec.Decode(reply));
    ASSERT_EQ(rec.BindingCount(), 1u);
    EXPECT_EQ(rec.Binding(0).Value, "");
    EXPECT_EQ(rec.Binding(0).ValueType, 0x04);

    // Bad inner lengths (indefinite, five bytes) stop the reading, not the decode.
    for (const int bad : {0x80, 0x85}) {
        std::string broken = Response(kSysNameOid, 0x04, "v");
        broken[broken.size() - 2] = static_cast<char>(bad);
        ASSERT_TRUE(rec.Decode(broken));
        ASSERT_EQ(rec.BindingCount(), 1u);
        EXPECT_EQ(rec.Binding(0).Value, "");
    }
}

TEST(SnmpDecoding, LongLengthFormsInsideTheReply) {
    const std::string big(300, 'z');
    SnmpRec rec;
    ASSERT_TRUE(rec.Decode(Response(kSysNameOid, 0x04, big)));
    EXPECT_EQ(rec.ValueOf("1.3.6.1.2.1.1.5.0"), big);
    // A needlessly long length form is still a definite length.
    const std::string padded =
        Bytes({0x30, 0x84, 0x00, 0x00, 0x00, 0x05, 0x02, 0x83, 0x00, 0x00, 0x00});
    ASSERT_TRUE(rec.Decode(padded));
    EXPECT_EQ(rec.Version, 0);
}

TEST(SnmpCodec, EncodeThenDecodeKeepsEveryValueText) {
    SnmpRec rec;
    rec.Community = std::string("c\0mm", 4);
    rec.PDUType = 0xA2;
    rec.ID = 70000;
    rec.ErrorStatus = 0;
    const std::pair<int, std::string> values[] = {
        {0x02, "-2147483648"},
        {0x02, "12"},
        {0x41, "4294967295"},
        {0x42, "0"},
        {0x43, "8640000"},
        {0x40, "172.16.0.254"},
        {0x06, "1.3.6.1.4.1.3942.1.1.3.6.0"},
        {0x04, std::string("\0\xff", 2)},
        {0x05, ""},
        {0x44, "opaque"},
        {0x0A, "-3"},
    };
    int arc = 1;
    for (const auto& [tag, text] : values) {
        rec.AddBinding("1.3.6.1.2.1.2.2.1.2." + std::to_string(arc++), text, tag);
    }
    SnmpRec back;
    ASSERT_TRUE(back.Decode(rec.Encode()));
    EXPECT_EQ(back.Community, rec.Community);
    EXPECT_EQ(back.ID, 70000);
    ASSERT_EQ(back.BindingCount(), rec.BindingCount());
    for (std::size_t i = 0; i < rec.BindingCount(); ++i) {
        EXPECT_EQ(back.Binding(i).OID, rec.Binding(i).OID);
        EXPECT_EQ(back.Binding(i).Value, rec.Binding(i).Value) << i;
        EXPECT_EQ(back.Binding(i).ValueType, rec.Binding(i).ValueType);
    }
    // Texts that are not numbers encode as 0 rather than failing.
    EXPECT_EQ(ValueContent(0x02, "twelve"), Bytes({0x00}));
    EXPECT_EQ(ValueContent(0x40, "10.x.3"), Bytes({10, 0, 3}));
    EXPECT_EQ(ValueContent(0x05, "ignored"), "");
}

TEST(SnmpCodec, IntegerAndOidBuildingHoldsAtTheExtremes) {
    EXPECT_EQ(ber::IntegerContent(INT64_MIN), Bytes({0x80, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(ber::IntegerContent(INT64_MAX),
              Bytes({0x7F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(ber::IntegerContent(2147483648), Bytes({0x00, 0x80, 0x00, 0x00, 0x00}));
    EXPECT_EQ(ber::IntegerContent(-2147483648), Bytes({0x80, 0x00, 0x00, 0x00}));
    EXPECT_EQ(ber::IntegerContent(-32769), Bytes({0xFF, 0x7F, 0xFF}));

    // OIDs far longer than any agent serves, of the largest arcs, in and out.
    std::string text = "1.3";
    std::string content = Bytes({0x2B});
    for (int i = 0; i < 120; ++i) {
        text += ".4294967295";
        content += Bytes({0x8F, 0xFF, 0xFF, 0xFF, 0x7F});
    }
    EXPECT_EQ(ber::OidContent(text), content);
    EXPECT_EQ(ber::OidText(content), text);
    // Empty pieces each still take a byte; a lone arc is one sub-identifier.
    EXPECT_EQ(ber::OidContent(std::string(300, '.')), std::string(299, '\0'));
    EXPECT_EQ(ber::OidContent("7"), Bytes({0x82, 0x18}));
    // An unterminated last sub-identifier is dropped, not read past the end.
    EXPECT_EQ(ber::OidText(Bytes({0x2B, 0x06, 0x81})), "1.3.6");
}

}  // namespace
}  // namespace tessel
