#include "core/session/login_check.hpp"

#include <gtest/gtest.h>

#include <string>

namespace tessel {
namespace {

TEST(LoginCheck, EmptyFieldsComeFirstThenUnsafeNameOrPassword) {
    const auto empty = CheckLoginFields("10.0.0.1", "", "a\rb");
    ASSERT_TRUE(empty.has_value());
    EXPECT_EQ(empty->text, "Please fill in all fields");
    EXPECT_EQ(empty->caption, "Error");

    for (const auto& [login, password] : {std::pair<std::string, std::string>{"admin\r", "admin"},
                                          {"admin", "ad\nmin"},
                                          {std::string("ad\0min", 6), "admin"},
                                          {"admin", std::string(1, '\0')}}) {
        const auto refusal = CheckLoginFields("10.0.0.1", login, password);
        ASSERT_TRUE(refusal.has_value()) << login.size() << " " << password.size();
        EXPECT_EQ(refusal->caption, "Input error");
        EXPECT_EQ(refusal->text,
                  "The value must not contain line breaks or NUL characters; nothing was sent.");
    }
    // Blanks and 8-bit bytes are the operator's business; the community is
    // not checked here at all.
    EXPECT_FALSE(CheckLoginFields("router", " ad min ", "p\xe4ss\t").has_value());
}

}  // namespace
}  // namespace tessel
