#include "core/pages/radio_read.hpp"

#include "recording_reader.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessel {
namespace {

using test::RecordingReader;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

const std::string R = "1.3.6.1.4.1.3942.1.1.2.1.1.";
const std::string kPower = "1.3.6.1.4.1.3942.1.1.2.4.1.";
const std::string kFreq = "1.3.6.1.4.1.3942.1.1.2.5.1.";
const std::string kRate = "1.3.6.1.4.1.3942.1.1.2.6.1.";

const std::vector<std::string> kNames = {"lo", "eth0", "rf5.0", "rf5.1"};

void AddChoice(RecordingReader& r, const std::string& table, int row, const std::string& radio,
               const std::string& choice) {
    r.Set(table + "1." + std::to_string(row), radio);
    r.Set(table + "2." + std::to_string(row), choice);
}

// Two radios, interface numbers 3 and 4; the choice tables interleave them.
RecordingReader TwoRadios() {
    RecordingReader r;
    for (const auto& [column, value] : std::vector<std::pair<int, std::string>>{{3, "5180"},
                                                                                {4, "54"},
                                                                                {5, "305419896"},
                                                                                {6, "17"},
                                                                                {9, "12"},
                                                                                {10, "1"},
                                                                                {12, "2"},
                                                                                {13, "7"},
                                                                                {16, "1"}}) {
        r.Set(R + std::to_string(column) + ".3", value);
    }
    r.Set(R + "3.4", "2412");
    AddChoice(r, kRate, 1, "3", "6000");
    AddChoice(r, kRate, 2, "4", "54000");
    AddChoice(r, kRate, 3, "3", "54000");
    AddChoice(r, kRate, 4, "3", "48000");
    AddChoice(r, kPower, 1, "3", "10");
    AddChoice(r, kPower, 2, "3", "17");
    AddChoice(r, kFreq, 1, "4", "2412");
    AddChoice(r, kFreq, 2, "3", "5180");
    AddChoice(r, kFreq, 3, "3", "5200");
    return r;
}

TEST(RadioList, RadiosAndBands) {
    RecordingReader r;
    r.Set(R + "3.1", "2412");
    const auto list = ReadRadioInterfaceList(r, {"lo", "rf5.0", "eth0", "prf0", "RF1"});
    EXPECT_THAT(list.radios, ElementsAre("rf5.0", "prf0"));
    EXPECT_EQ(list.selected, 0);
    EXPECT_EQ(list.bands[0], 2);
    EXPECT_EQ(list.bands[1], 0);  // no second radio answers
    // The band rows are fixed, whatever the interface numbers.
    EXPECT_THAT(r.Oids('C'), ElementsAre(R + "3.1", R + "3.2"));
    EXPECT_EQ(r.calls.size(), 2u);

    r.Set(R + "3.1", "5180");
    r.Set(R + "3.2", "2437");
    const auto second = ReadRadioInterfaceList(r, {"eth0"});
    EXPECT_THAT(second.radios, IsEmpty());
    EXPECT_EQ(second.selected, -1);
    EXPECT_EQ(second.bands[0], 1);
    EXPECT_EQ(second.bands[1], 2);
}

TEST(RadioList, InterfaceNumberIsTheFirstEqualName) {
    EXPECT_EQ(RadioInterfaceNumber(kNames, "rf5.0"), "3");
    EXPECT_EQ(RadioInterfaceNumber({"rf0", "rf0"}, "rf0"), "1");
    EXPECT_EQ(RadioInterfaceNumber(kNames, "rf9"), "");
    EXPECT_EQ(RadioInterfaceNumber(kNames, ""), "");
}

TEST(RadioParametersRead, ReadOrderOfABand1Radio) {
    RecordingReader r = TwoRadios();
    ReadRadioParameters(r, kNames, "rf5.0", 0, RadioBands{1, 2});
    std::vector<std::string> expected = {R + "4.3"};
    for (int c = 1; c <= 4; ++c) {
        expected.push_back(kRate + "2." + std::to_string(c));
        expected.push_back(kRate + "1." + std::to_string(c));
    }
    expected.push_back(kRate + "2.5");
    expected.push_back(R + "13.3");
    expected.push_back(R + "6.3");
    for (int c = 1; c <= 2; ++c) {
        expected.push_back(kPower + "2." + std::to_string(c));
        expected.push_back(kPower + "1." + std::to_string(c));
    }
    expected.push_back(kPower + "2.3");
    for (const char* column : {"5.3", "10.3", "9.3", "16.3", "12.3", "3.3"}) {
        expected.push_back(R + column);
    }
    for (int c = 1; c <= 3; ++c) {
        expected.push_back(kFreq + "2." + std::to_string(c));
        expected.push_back(kFreq + "1." + std::to_string(c));
    }
    expected.push_back(kFreq + "2.4");
    EXPECT_EQ(r.Oids('C'), expected);
    EXPECT_EQ(r.calls.size(), expected.size());  // all counted, nothing else
}

TEST(RadioParametersRead, ValuesAsShown) {
    RecordingReader r = TwoRadios();
    const auto p = ReadRadioParameters(r, kNames, "rf5.0", 0, RadioBands{1, 2});
    EXPECT_EQ(p.interfaceNumber, "3");
    // Only this radio's choices; the current bitrate 54 selects 54000.
    EXPECT_THAT(p.bitrates.items, ElementsAre("6000", "54000", "48000"));
    EXPECT_EQ(p.bitrates.selected, 1);
    EXPECT_EQ(p.maxRetries, 7);
    EXPECT_THAT(p.powerLevels.items, ElementsAre("10", "17"));
    EXPECT_EQ(p.powerLevels.selected, 1);
    EXPECT_EQ(p.sid, "12345678");
    EXPECT_TRUE(p.burst);
    EXPECT_EQ(p.distance, 12);
    EXPECT_TRUE(p.wocdApplies);
    EXPECT_TRUE(p.wocd);
    EXPECT_FALSE(p.pwrctl);  // "2" is not on
    EXPECT_THAT(p.frequencies.items, ElementsAre("5180", "5200"));
    EXPECT_EQ(p.frequencies.selected, 0);
}

TEST(RadioParametersRead, WocdOnlyForBand1) {
    RecordingReader r = TwoRadios();
    const auto band2 = ReadRadioParameters(r, kNames, "rf5.1", 1, RadioBands{1, 2});
    EXPECT_FALSE(band2.wocdApplies);
    EXPECT_FALSE(band2.wocd);
    const auto counted = r.Oids('C');
    EXPECT_EQ(std::count(counted.begin(), counted.end(), R + "16.4"), 0);
    EXPECT_THAT(band2.bitrates.items, ElementsAre("54000"));
    EXPECT_EQ(band2.frequencies.items, std::vector<std::string>{"2412"});
    EXPECT_EQ(band2.frequencies.selected, 0);

    for (int position : {-1, 2}) {  // no selection, or a radio beyond the two bands
        RecordingReader again = TwoRadios();
        EXPECT_FALSE(
            ReadRadioParameters(again, kNames, "rf5.0", position, RadioBands{1, 1}).wocdApplies);
        const auto oids = again.Oids('C');
        EXPECT_EQ(std::count(oids.begin(), oids.end(), R + "16.3"), 0) << position;
    }
}

TEST(RadioParametersRead, SelectionRules) {
    RecordingReader r = TwoRadios();
    r.Set(R + "4.3", "54000");           // equal text selects by the first comparison
    AddChoice(r, kPower, 3, "3", "17");  // several matches: the last one stays selected
    auto p = ReadRadioParameters(r, kNames, "rf5.0", 0, RadioBands{1, 0});
    EXPECT_EQ(p.bitrates.selected, 1);
    EXPECT_THAT(p.powerLevels.items, ElementsAre("10", "17", "17"));
    EXPECT_EQ(p.powerLevels.selected, 2);

    for (const char* current : {"", "5.5", "999"}) {
        r.Set(R + "4.3", current);
        r.Set(R + "3.3", current);
        p = ReadRadioParameters(r, kNames, "rf5.0", 0, RadioBands{1, 0});
        EXPECT_EQ(p.bitrates.selected, -1) << current;
        EXPECT_EQ(p.frequencies.selected, -1) << current;
        EXPECT_EQ(p.bitrates.items.size(), 3u);
    }
}

TEST(RadioParametersRead, FailedReadsGiveEmptyValuesAndEndTheLists) {
    RecordingReader r = TwoRadios();
    r.failAll = true;
    const auto p = ReadRadioParameters(r, kNames, "rf5.0", 0, RadioBands{1, 0});
    EXPECT_THAT(p.bitrates.items, IsEmpty());
    EXPECT_THAT(p.powerLevels.items, IsEmpty());
    EXPECT_THAT(p.frequencies.items, IsEmpty());
    EXPECT_EQ(p.sid, "0");
    EXPECT_EQ(p.maxRetries, 0);
    EXPECT_EQ(p.distance, 0);
    EXPECT_FALSE(p.burst || p.wocd || p.pwrctl);
    EXPECT_EQ(r.calls.size(), 12u);  // nine single reads and one per list
}

TEST(RadioParametersRead, UnknownRadioReadsEmptyRows) {
    RecordingReader r = TwoRadios();
    const auto p = ReadRadioParameters(r, kNames, "rf7", 0, RadioBands{1, 0});
    EXPECT_EQ(p.interfaceNumber, "");
    EXPECT_EQ(r.Oids('C').front(), R + "4.");
    EXPECT_THAT(p.bitrates.items, IsEmpty());
    EXPECT_EQ(p.sid, "0");
}

// An agent that answers every read with the same text.
class EchoAgent : public SnmpReader {
  public:
    std::size_t reads = 0;
    void GetCounted(const std::string&, std::string& value) override {
        ++reads;
        value = "1";
    }
    bool Get(const std::string&, std::string& value) override {
        value = "1";
        return true;
    }
    bool GetNext(std::string&, std::string& value) override {
        value = "1";
        return true;
    }
};

TEST(RadioParametersRead, ChoiceTablesThatNeverEndAreCut) {
    EchoAgent agent;
    const auto p = ReadRadioParameters(agent, {"rf0"}, "rf0", 0, RadioBands{1, 0});
    EXPECT_EQ(p.bitrates.items.size(), kMaxChoiceRows);
    EXPECT_EQ(p.frequencies.items.size(), kMaxChoiceRows);
    EXPECT_EQ(agent.reads, 3 * 2 * kMaxChoiceRows + 9);
}

}  // namespace
}  // namespace tessel
