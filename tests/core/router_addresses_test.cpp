#include "core/router/address_checks.hpp"
#include "core/router/number_text.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace tessel {
namespace {

TEST(NumberText, ConversionRules) {
    struct Case {
        std::string text;
        std::optional<std::int64_t> value;
    };
    const Case cases[] = {
        {"0", 0},
        {"255", 255},
        {"007", 7},
        {"  12", 12},  // leading blanks are skipped
        {"+5", 5},
        {"-1", -1},
        {"$A", 10},
        {"$ff", 255},
        {"xFF", 255},
        {"0x1f", 31},
        {"-$10", -16},
        {"+0x10", 16},
        {"0", 0},
        {"9223372036854775807", std::numeric_limits<std::int64_t>::max()},
        {"-9223372036854775808", std::numeric_limits<std::int64_t>::min()},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"+", std::nullopt},
        {"-", std::nullopt},
        {"$", std::nullopt},
        {"0x", std::nullopt},
        {"x", std::nullopt},
        {"12 ", std::nullopt},  // trailing blanks are not
        {"1 2", std::nullopt},
        {"- 1", std::nullopt},
        {"\t1", std::nullopt},
        {"1a", std::nullopt},   // hex digits only after a hex prefix
        {"0X1", std::nullopt},  // the prefixes are lower-case
        {"$G", std::nullopt},
        {"5.5", std::nullopt},
        {"--1", std::nullopt},
        {std::string("1\0", 2), std::nullopt},
        {"9223372036854775808", std::nullopt},
        {"$10000000000000000", std::nullopt},
        {"99999999999999999999999", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseInteger(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(NumberText, WholeNumberIsZeroForEmptyOrNonNumericText) {
    EXPECT_EQ(WholeNumberOrZero(""), 0);
    EXPECT_EQ(WholeNumberOrZero("abc"), 0);
    EXPECT_EQ(WholeNumberOrZero("5.5"), 0);
    EXPECT_EQ(WholeNumberOrZero("16"), 16);
    EXPECT_EQ(WholeNumberOrZero("-3"), -3);
}

TEST(AddressChecks, IpAddressCases) {
    const char* const valid[] = {
        "10.0.0.1",   "0.0.0.0",         "255.255.255.255", "192.168.1.254", "-1.0.0.1",
        "$A.0.0.1",   "x1.0x2.$3.4",     " 10.0.0.1",       "10. 0. 0. 1",   "+1.+2.+3.+4",
        "-999.0.0.0", "010.000.000.001", "$FF.0.0.0",       "10.0.0.0x0ff",
    };
    for (const char* text : valid) {
        EXPECT_TRUE(IsValidIpAddress(text)) << '"' << text << '"';
    }
    const char* const invalid[] = {
        "",
        "10.0.0",
        "10.0.0.256",
        "10.0.0.1.5",
        "10..0.1",
        "10.0.0.1 ",
        "10.0.0.",
        ".10.0.0.1",
        "...",
        "1.2.3.4.",
        "a.b.c.d",
        "10.0.0.1a",
        "$100.0.0.0",
        "10,0,0,1",
        "10.0.0.1/24",
        "10 .0.0.1",
        "1.2.3.4\n",
        "256.0.0.0",
        "10.0.0.99999999999999999999",
    };
    for (const char* text : invalid) {
        EXPECT_FALSE(IsValidIpAddress(text)) << '"' << text << '"';
    }
    EXPECT_FALSE(IsValidIpAddress(std::string("10.0.0.1\0", 9)));
    EXPECT_FALSE(IsValidIpAddress(std::string("10.0\0.0.1", 9)));
}

TEST(AddressChecks, MaskMayBeBlankButIsOtherwiseAnAddress) {
    EXPECT_TRUE(IsValidMaskOrBlank(""));
    EXPECT_TRUE(IsValidMaskOrBlank("255.255.255.0"));
    EXPECT_FALSE(IsValidMaskOrBlank(" "));
    EXPECT_FALSE(IsValidMaskOrBlank("24"));
    EXPECT_FALSE(IsValidMaskOrBlank("255.255.255.256"));
    EXPECT_FALSE(IsValidIpAddress(""));
}

}  // namespace
}  // namespace tessel
