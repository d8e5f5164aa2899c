#include "core/router/console_text.hpp"

#include <gtest/gtest.h>

#include <string>

namespace tessel {
namespace {

TEST(ConsoleText, LineBreaksAndNulAreUnsafeAnywhere) {
    for (const std::string& bad :
         {std::string("sys name a\rb"), std::string("\nsys"), std::string("end\r\n"),
          std::string("a\0b", 3), std::string(1, '\0')}) {
        EXPECT_FALSE(IsSafeConsoleText(bad)) << bad.size();
    }
}

TEST(ConsoleText, OrdinaryEightBitTextIsSafe) {
    for (const std::string& good :
         {std::string(), std::string("sys name  two  blanks "), std::string("tab\there"),
          std::string("\x1b[K"), std::string("caf\xe9 \xff"), std::string("line > prompt")}) {
        EXPECT_TRUE(IsSafeConsoleText(good)) << good;
    }
}

}  // namespace
}  // namespace tessel
