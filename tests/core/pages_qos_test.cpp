#include "core/pages/qos_table_read.hpp"

#include "recording_reader.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessel {
namespace {

using test::RecordingReader;

const std::string Q = "1.3.6.1.4.1.3942.1.1.4.1.1.";

TEST(QosTableRead, RowsAreIndexedByTheFirstColumnsValues) {
    RecordingReader reader;
    // The OID suffixes differ from the index values on purpose.
    reader.Set(Q + "1.1", "7");
    reader.Set(Q + "1.2", "3");
    for (int column = 2; column <= 12; ++column) {
        reader.Set(Q + std::to_string(column) + ".7", "r7c" + std::to_string(column));
        reader.Set(Q + std::to_string(column) + ".3", "r3c" + std::to_string(column));
    }
    reader.Set(Q + "5.1", "by suffix");

    const auto rows = ReadQosTable(reader);
    EXPECT_EQ(reader.Oids('N'), (std::vector<std::string>{Q + "1", Q + "1.1", Q + "1.2"}));
    std::vector<std::string> counted;
    for (const char* index : {"7", "3"}) {
        for (int column = 2; column <= 12; ++column) {
            counted.push_back(Q + std::to_string(column) + "." + index);
        }
    }
    EXPECT_EQ(reader.Oids('C'), counted);

    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0][0], "7");
    EXPECT_EQ(rows[0][1], "r7c2");
    EXPECT_EQ(rows[0][4], "r7c5");
    EXPECT_EQ(rows[0][11], "r7c12");
    EXPECT_EQ(rows[1][0], "3");
    EXPECT_EQ(rows[1][11], "r3c12");
}

TEST(QosTableRead, EmptyTableAfterOneGetNext) {
    RecordingReader reader;
    reader.Set(Q + "2.1", "not a row");
    EXPECT_TRUE(ReadQosTable(reader).empty());
    EXPECT_EQ(reader.calls.size(), 1u);
}

TEST(QosTableRead, FailedCellsStayEmptyAndFailedWalkEnds) {
    RecordingReader reader;
    reader.Set(Q + "1.1", "1");
    const auto rows = ReadQosTable(reader);
    ASSERT_EQ(rows.size(), 1u);
    for (std::size_t cell = 1; cell < rows[0].size(); ++cell) {
        EXPECT_EQ(rows[0][cell], "") << cell;
    }
    reader.calls.clear();
    reader.failAll = true;
    EXPECT_TRUE(ReadQosTable(reader).empty());
    EXPECT_EQ(reader.calls.size(), 1u);
}

TEST(QosTableRead, AtMostSixtyFourRows) {
    RecordingReader reader;
    for (int i = 1; i <= 80; ++i) {
        reader.Set(Q + "1." + std::to_string(i), std::to_string(i));
    }
    const auto rows = ReadQosTable(reader);
    ASSERT_EQ(rows.size(), QosRowLimit);
    EXPECT_EQ(rows.back()[0], "64");
    EXPECT_EQ(reader.Oids('N').size(), QosRowLimit);
}

TEST(QosTableRead, GridHeaders) {
    const auto columns = QosGridColumns();
    ASSERT_EQ(columns.size(), 12u);
    EXPECT_EQ(columns[0].header, "№");
    EXPECT_EQ(columns[0].kind, ReportColumnKind::Text);
    EXPECT_EQ(columns[11].header, "BytesDrop");
}

}  // namespace
}  // namespace tessel
