#include "core/session/trace.hpp"
#include "core/session/traced_transport.hpp"

#include <gtest/gtest.h>

#include <regex>
#include <thread>
#include <vector>

namespace tessel {
namespace {

TEST(TraceEscape, PrintableTextStaysAndEverythingElseIsEscaped) {
    EXPECT_EQ(EscapeTraceText("sys name router-1"), "sys name router-1");
    EXPECT_EQ(EscapeTraceText(""), "");
    EXPECT_EQ(EscapeTraceText("Login: \r\n"), "Login: \\r\\n");
    EXPECT_EQ(EscapeTraceText("a\tb"), "a\\tb");
    // Quotes and backslashes are escaped so that the quoted text ends where
    // its closing quote is.
    EXPECT_EQ(EscapeTraceText("say \"hi\" \\ bye"), "say \\\"hi\\\" \\\\ bye");
    // A MAC address arrives as raw bytes, NUL included.
    EXPECT_EQ(EscapeTraceText(std::string("\x00\x1b\x7f\x80\xff\x0a", 6)),
              "\\x00\\x1b\\x7f\\x80\\xff\\n");
    EXPECT_EQ(EscapeTraceText("\x1b[K"), "\\x1b[K");
    // Whatever comes in, the result is one printable line.
    std::string everyByte;
    for (int b = 0; b < 256; ++b) {
        everyByte.push_back(static_cast<char>(b));
    }
    const std::string escaped = EscapeTraceText(everyByte);
    for (const char c : escaped) {
        EXPECT_TRUE(c >= 0x20 && c < 0x7f) << static_cast<int>(static_cast<unsigned char>(c));
    }
}

TEST(TraceMask, EveryOccurrenceOfTheSecretIsHidden) {
    EXPECT_EQ(MaskSecret("\r\nWelcome", "s3cret"), "\r\nWelcome");
    EXPECT_EQ(MaskSecret("s3cret\r\n", "s3cret"), "********\r\n");
    EXPECT_EQ(MaskSecret("x s3cret y s3crets3cret", "s3cret"), "x ******** y ****************");
    // Overlapping candidates: scanning goes on after each masked one.
    EXPECT_EQ(MaskSecret("aaaa", "aa"), "****************");
    EXPECT_EQ(MaskSecret("aaa", "aa"), "********a");
    // No secret, nothing to hide.
    EXPECT_EQ(MaskSecret("Password: ", ""), "Password: ");
    EXPECT_EQ(MaskSecret("", "pw"), "");
}

TEST(TraceTime, TimeOfDayWithMilliseconds) {
    using std::chrono::milliseconds;
    EXPECT_EQ(TimeOfDayText(milliseconds(0)), "00:00:00.000");
    EXPECT_EQ(TimeOfDayText(milliseconds(3723004)), "01:02:03.004");
    EXPECT_EQ(TimeOfDayText(milliseconds(86399999)), "23:59:59.999");
    EXPECT_EQ(TimeOfDayText(milliseconds(86400000 + 61000)), "00:01:01.000");
    EXPECT_EQ(TimeOfDayText(milliseconds(-1)), "23:59:59.999");
}

TEST(TraceLines, SnmpExchanges) {
    SnmpTraceRecord get{
        SnmpExchangeKind::Get, "10.0.0.1", "1.3.6.1.2.1.1.5.0", {}, true, "core-1", 812};
    EXPECT_EQ(SnmpTraceText(get), "SNMP Get 10.0.0.1 1.3.6.1.2.1.1.5.0 = \"core-1\" (812 us)");
    get.ok = false;
    get.value = {};
    get.microseconds = 5000123;
    EXPECT_EQ(SnmpTraceText(get), "SNMP Get 10.0.0.1 1.3.6.1.2.1.1.5.0 failed (5000123 us)");

    const std::string mac("\x00\x1b\x2c\xff\x01\x02", 6);
    const SnmpTraceRecord next{SnmpExchangeKind::GetNext,
                               "10.0.0.1",
                               "1.3.6.1.2.1.2.2.1.6",
                               "1.3.6.1.2.1.2.2.1.6.1",
                               true,
                               mac,
                               40};
    EXPECT_EQ(SnmpTraceText(next),
              "SNMP GetNext 10.0.0.1 1.3.6.1.2.1.2.2.1.6 -> 1.3.6.1.2.1.2.2.1.6.1 = "
              "\"\\x00\\x1b,\\xff\\x01\\x02\" (40 us)");
    // A GetNext that failed or had no binding names no reply OID.
    const SnmpTraceRecord failedNext{SnmpExchangeKind::GetNext, "h", "1.3", "1.3", false, {}, 7};
    EXPECT_EQ(SnmpTraceText(failedNext), "SNMP GetNext h 1.3 failed (7 us)");
    const SnmpTraceRecord emptyNext{SnmpExchangeKind::GetNext, "h", "1.3", "1.3", true, {}, 7};
    EXPECT_EQ(SnmpTraceText(emptyNext), "SNMP GetNext h 1.3 = \"\" (7 us)");
}

TEST(TraceLines, ConsoleTraffic) {
    EXPECT_EQ(ConsoleSentText("arp view\r\n", true), "console sent \"arp view\\r\\n\"");
    EXPECT_EQ(ConsoleSentText("quit\r\n", false),
              "console not sent (not connected) \"quit\\r\\n\"");
    EXPECT_EQ(ConsoleReceivedText("\x1b[Kbs1> "), "console received \"\\x1b[Kbs1> \"");
}

TEST(TraceLog, EachLineIsStampedAndEnded) {
    std::vector<std::string> lines;
    const TraceLog log([&](std::string_view line) { lines.emplace_back(line); });
    log.Write("console sent \"1\\r\\n\"");
    log.Write("");
    ASSERT_EQ(lines.size(), 2u);
    const std::regex stamped(
        R"(^([01]\d|2[0-3]):[0-5]\d:[0-5]\d\.\d{3} console sent "1\\r\\n"\n$)");
    EXPECT_TRUE(std::regex_match(lines[0], stamped)) << lines[0];
    EXPECT_TRUE(std::regex_match(lines[1], std::regex(R"(^\d\d:\d\d:\d\d\.\d{3} \n$)")))
        << lines[1];
}

// The traced transport over a scripted one.
class TracedExchanges : public ::testing::Test {
  protected:
    TracedExchanges()
        : log([this](std::string_view line) { lines.emplace_back(line); }),
          transport(TracedTransport({[this](const std::string& oid, const std::string& community,
                                            const std::string& host, std::string& value) {
                                         seen.push_back(host + " " + community + " " + oid);
                                         std::this_thread::sleep_for(
                                             std::chrono::milliseconds(delayMs));
                                         value = answer;
                                         return succeed;
                                     },
                                     [this](std::string& oid, const std::string& community,
                                            const std::string& host, std::string& value) {
                                         seen.push_back(host + " " + community + " " + oid);
                                         if (!succeed) {
                                             value.clear();
                                             return false;
                                         }
                                         oid += ".1";
                                         value = answer;
                                         return true;
                                     }},
                                    log)) {}

    std::vector<std::string> lines;
    std::vector<std::string> seen;
    TraceLog log;
    SnmpTransport transport;
    bool succeed = true;
    std::string answer = "v";
    int delayMs = 0;
};

TEST_F(TracedExchanges, GetPassesThroughAndIsTracedWithoutTheCommunity) {
    std::string value;
    answer = "bs1\r\n";
    EXPECT_TRUE(transport.get("1.3.6.1.2.1.1.5.0", "private!", "127.0.0.1", value));
    EXPECT_EQ(value, "bs1\r\n");
    succeed = false;
    answer.clear();
    EXPECT_FALSE(transport.get("1.3.6.1.2.1.1.6.0", "private!", "127.0.0.1", value));
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0], "127.0.0.1 private! 1.3.6.1.2.1.1.5.0");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines[0].find(" SNMP Get 127.0.0.1 1.3.6.1.2.1.1.5.0 = \"bs1\\r\\n\" ("),
              std::string::npos)
        << lines[0];
    EXPECT_NE(lines[1].find(" SNMP Get 127.0.0.1 1.3.6.1.2.1.1.6.0 failed ("), std::string::npos)
        << lines[1];
    for (const std::string& line : lines) {
        EXPECT_EQ(line.find("private!"), std::string::npos) << line;
        EXPECT_EQ(line.back(), '\n');
    }
}

TEST_F(TracedExchanges, GetNextShowsTheRequestedAndTheRepliedOid) {
    std::string oid = "1.3.6.1.2.1.4.20.1.1";
    std::string value;
    answer = "10.0.0.1";
    EXPECT_TRUE(transport.getNext(oid, "public", "h", value));
    EXPECT_EQ(oid, "1.3.6.1.2.1.4.20.1.1.1");
    EXPECT_EQ(value, "10.0.0.1");
    succeed = false;
    EXPECT_FALSE(transport.getNext(oid, "public", "h", value));
    EXPECT_EQ(oid, "1.3.6.1.2.1.4.20.1.1.1");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines[0].find(" SNMP GetNext h 1.3.6.1.2.1.4.20.1.1 -> 1.3.6.1.2.1.4.20.1.1.1 = "
                            "\"10.0.0.1\" ("),
              std::string::npos)
        << lines[0];
    EXPECT_NE(lines[1].find(" SNMP GetNext h 1.3.6.1.2.1.4.20.1.1.1 failed ("), std::string::npos)
        << lines[1];
}

TEST_F(TracedExchanges, TheTimeTakenCoversTheWholeExchange) {
    delayMs = 4;
    std::string value;
    transport.get("1.3", "c", "h", value);
    ASSERT_EQ(lines.size(), 1u);
    std::smatch match;
    ASSERT_TRUE(std::regex_search(lines[0], match, std::regex(R"(\((\d+) us\)\n$)"))) << lines[0];
    EXPECT_GE(std::stoll(match[1]), 4000);
}

}  // namespace
}  // namespace tessel
