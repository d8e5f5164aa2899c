#include <gtest/gtest.h>

#include <string>

#include "core/router/arp_parse.hpp"

namespace tessel {
namespace {

const std::string Entry1 = "10.0.0.1 at 00:0b:22:05:78:ff via eth0";
const std::string Entry2 = "192.168.1.20 at 00:11:22:33:44:55 via rf4.0";

std::string Reply(const std::string& body) {
    return "arp view\r\n" + body + "router> ";
}

TEST(ArpParse, ShortChunksAreNotTheTable) {
    EXPECT_FALSE(ParseArpChunk("").has_value());
    EXPECT_FALSE(ParseArpChunk("arp view\r\nroute").has_value());  // 15 characters
    const auto sixteen = ParseArpChunk("arp view\r\nrouter");
    ASSERT_TRUE(sixteen.has_value());
    EXPECT_TRUE(sixteen->empty());
}

TEST(ArpParse, EntryLinesBecomeRowsInReplyOrder) {
    const auto rows = ParseArpChunk(Reply(Entry1 + "\r\n" + Entry2 + "\r\n"));
    ASSERT_TRUE(rows.has_value());
    ASSERT_EQ(rows->size(), 2u);
    EXPECT_EQ((*rows)[0].interfaceName, "eth0");
    EXPECT_EQ((*rows)[0].ipAddress, "10.0.0.1");
    EXPECT_EQ((*rows)[0].macAddress, "00:0b:22:05:78:ff");
    EXPECT_EQ((*rows)[1].interfaceName, "rf4.0");
    EXPECT_EQ((*rows)[1].ipAddress, "192.168.1.20");
    EXPECT_EQ((*rows)[1].macAddress, "00:11:22:33:44:55");
}

TEST(ArpParse, ShortLinesBetweenEntriesAddNoRow) {
    const auto rows = ParseArpChunk(
        Reply("IP address   MAC\r\n\r\n" + Entry1 + "\r\n---\r\n\r\n" + Entry2 + "\r\n"));
    ASSERT_TRUE(rows.has_value());
    ASSERT_EQ(rows->size(), 2u);
    EXPECT_EQ((*rows)[0].ipAddress, "10.0.0.1");
    EXPECT_EQ((*rows)[1].ipAddress, "192.168.1.20");
}

TEST(ArpParse, LineOfTwentyCharactersIsNotARow) {
    const std::string twenty = "1.2.3.4 at 0:1 via e";  // 20
    const std::string twentyOne = "1.2.3.4 at 0:1 via e0";
    ASSERT_EQ(twenty.size(), 20u);
    const auto rows = ParseArpChunk(Reply(twenty + "\r\n" + twentyOne + "\r\n"));
    ASSERT_TRUE(rows.has_value());
    ASSERT_EQ(rows->size(), 1u);
    EXPECT_EQ((*rows)[0].interfaceName, "e0");
    EXPECT_EQ((*rows)[0].macAddress, "0:1");
}

TEST(ArpParse, TheLastLineIsTakenOnlyWithVia) {
    // The cut before the last CR LF leaves the last entry as the rest of the
    // body: it is still taken, where a prompt line never is.
    const auto withEntry = ParseArpChunk("arp view\r\n" + Entry1 + "\r\n" + Entry2 + "\r\nx");
    ASSERT_TRUE(withEntry.has_value());
    ASSERT_EQ(withEntry->size(), 2u);
    EXPECT_EQ((*withEntry)[1].ipAddress, "192.168.1.20");

    const auto cut = ParseArpChunk("\x1b[K\r\n" + Entry1 + "\r\n" + Entry2);
    ASSERT_TRUE(cut.has_value());
    ASSERT_EQ(cut->size(), 2u);
    EXPECT_EQ((*cut)[1].interfaceName, "rf4.0");

    const auto prompt = ParseArpChunk("\x1b[K\r\n" + Entry1 + "\r\nrouter-with-a-long-name> ");
    ASSERT_TRUE(prompt.has_value());
    ASSERT_EQ(prompt->size(), 1u);
    EXPECT_EQ((*prompt)[0].ipAddress, "10.0.0.1");
}

TEST(ArpParse, ScreenControlCutKeepsEverythingAfterIt) {
    // With "[K" CR LF the head is cut there and nothing is cut at the end.
    const auto rows = ParseArpChunk("arp view\r\n" + Entry1 + "\r\n\x1b[K\r\n" + Entry2 + "\r\n");
    ASSERT_TRUE(rows.has_value());
    ASSERT_EQ(rows->size(), 1u);
    EXPECT_EQ((*rows)[0].ipAddress, "192.168.1.20");
}

TEST(ArpParse, OnlyEntryAfterScreenControlWithoutLineEnd) {
    const auto rows = ParseArpChunk("\x1b[K\r\n" + Entry1);
    ASSERT_TRUE(rows.has_value());
    ASSERT_EQ(rows->size(), 1u);
    EXPECT_EQ((*rows)[0].macAddress, "00:0b:22:05:78:ff");
}

TEST(ArpParse, ChunkWithoutLineEndsGivesNoRows) {
    const auto rows = ParseArpChunk(Entry1 + " " + Entry2);
    ASSERT_TRUE(rows.has_value());
    EXPECT_TRUE(rows->empty());
}

TEST(ArpParse, LinesWithoutTheExpectedWordsGiveEmptyCells) {
    const auto rows = ParseArpChunk(
        Reply("10.0.0.7 incomplete entry here\r\nnospacesinthislineatall\r\n" + Entry1 + "\r\n"));
    ASSERT_TRUE(rows.has_value());
    ASSERT_EQ(rows->size(), 3u);
    EXPECT_EQ((*rows)[0].ipAddress, "10.0.0.7");
    EXPECT_EQ((*rows)[0].macAddress, "");
    EXPECT_EQ((*rows)[0].interfaceName, "here");
    EXPECT_EQ((*rows)[1].ipAddress, "");
    EXPECT_EQ((*rows)[1].interfaceName, "");
    EXPECT_EQ((*rows)[2].interfaceName, "eth0");
}

TEST(ArpParse, AtMostAThousandLinesAreKept) {
    std::string body;
    for (int i = 0; i < 1200; ++i) {
        body += "10.0." + std::to_string(i / 250) + "." + std::to_string(i % 250) +
                " at 00:00:00:00:00:01 via eth0\r\n";
    }
    const auto rows = ParseArpChunk(Reply(body));
    ASSERT_TRUE(rows.has_value());
    ASSERT_EQ(rows->size(), ArpLineLimit);
    EXPECT_EQ(rows->front().ipAddress, "10.0.0.0");
    EXPECT_EQ(rows->back().ipAddress, "10.0.3.249");  // line 1000
}

TEST(ArpParse, GridColumns) {
    const auto columns = ArpGridColumns();
    ASSERT_EQ(columns.size(), 4u);
    EXPECT_EQ(columns[0].kind, ReportColumnKind::RowNumber);
    EXPECT_EQ(columns[1].header, "Interface");
    EXPECT_EQ(columns[2].header, "IP-address");
    EXPECT_EQ(columns[3].header, "MAC-address");
    EXPECT_EQ(columns[3].width, 149);
}

}  // namespace
}  // namespace tessel
