#include "core/text.hpp"

#include <gtest/gtest.h>

#include <string>

namespace tessel {
namespace {

TEST(TextHelpers, BeforeAndAfterFirstAndLastOccurrence) {
    EXPECT_EQ(TextBefore("a=b=c", "="), "a");
    EXPECT_EQ(TextAfter("a=b=c", "="), "b=c");
    EXPECT_EQ(TextBeforeLast("a=b=c", "="), "a=b");
    EXPECT_EQ(TextAfterLast("a=b=c", "="), "c");
    EXPECT_EQ(TextBefore("line\r\nnext\r\n", "\r\n"), "line");
    EXPECT_EQ(TextAfterLast("x\r\ny\r\nprompt>", "\r\n"), "prompt>");
}

TEST(TextHelpers, MissingOrEmptySeparatorGivesEmptyText) {
    for (const char* sep : {"#", ""}) {
        EXPECT_EQ(TextBefore("abc", sep), "");
        EXPECT_EQ(TextAfter("abc", sep), "");
        EXPECT_EQ(TextBeforeLast("abc", sep), "");
        EXPECT_EQ(TextAfterLast("abc", sep), "");
    }
    EXPECT_EQ(TextAfter("", "x"), "");
}

TEST(TextHelpers, CaseSensitiveAndBinarySafe) {
    EXPECT_EQ(TextBefore("aXbxc", "x"), "aXb");
    const std::string withNul("a\0b:c", 5);
    EXPECT_EQ(TextBefore(withNul, ":"), std::string("a\0b", 3));
    EXPECT_EQ(CountOccurrences(withNul, std::string("\0", 1)), 1u);
}

TEST(TextHelpers, TextAfterKeepsAtMost64000Characters) {
    const std::string longText = "#" + std::string(70000, 'z');
    EXPECT_EQ(TextAfter(longText, "#").size(), 64000u);
    EXPECT_EQ(TextAfterLast(longText, "#").size(), 70000u);
    EXPECT_EQ(TextAfter("#" + std::string(64000, 'z'), "#").size(), 64000u);
}

TEST(TextHelpers, CountOccurrencesIncludesOverlaps) {
    EXPECT_EQ(CountOccurrences("aaaa", "aa"), 3u);
    EXPECT_EQ(CountOccurrences("abcabc", "abc"), 2u);
    EXPECT_EQ(CountOccurrences("abc", "abcd"), 0u);
    EXPECT_EQ(CountOccurrences("abc", ""), 0u);
}

// The removal as stated: step through the positions, as many steps as the
// text had characters, deleting at the current position and moving on by one.
std::string ReferenceRemove(std::string s, const std::string& sub) {
    const std::size_t steps = s.size();
    std::size_t i = 0;
    for (std::size_t k = 0; k < steps; ++k) {
        if (i < s.size() && s.compare(i, sub.size(), sub) == 0) {
            s.erase(i, sub.size());
        }
        ++i;
    }
    return s;
}

TEST(TextHelpers, RemoveOccurrencesSkipsTheSecondOfTwoAdjacent) {
    const std::string esc = "\x1b[K";
    EXPECT_EQ(RemoveOccurrences("ab" + esc + "cd" + esc, esc), "abcd");
    EXPECT_EQ(RemoveOccurrences(esc + esc + "x", esc), esc + "x");
    EXPECT_EQ(RemoveOccurrences("aaaa", "a"), "aa");
    EXPECT_EQ(RemoveOccurrences("abab", "ab"), "ab");
    EXPECT_EQ(RemoveOccurrences("abc", ""), "abc");
    EXPECT_EQ(RemoveOccurrences("", "a"), "");
}

TEST(TextHelpers, RemoveOccurrencesMatchesTheStepwiseDefinition) {
    // Exhaustive over short texts from a small alphabet.
    const std::string alphabet = "ab";
    for (const std::string sub : {"a", "ab", "aa", "ba", "aba"}) {
        for (int length = 0; length <= 8; ++length) {
            for (int code = 0; code < (1 << length); ++code) {
                std::string s;
                for (int bit = 0; bit < length; ++bit) {
                    s.push_back(alphabet[(code >> bit) & 1]);
                }
                ASSERT_EQ(RemoveOccurrences(s, sub), ReferenceRemove(s, sub)) << s << " / " << sub;
            }
        }
    }
}

}  // namespace
}  // namespace tessel
