#include "core/console/help_texts.hpp"
#include "core/router/button_names.hpp"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace tessel {
namespace {

TEST(FieldButtonNames, HelpAndChangeButtonsSayWhatTheyDoAndForWhichField) {
    EXPECT_EQ(FieldButtonAccessibleName("SpeedButton6"), "Help on System name");
    EXPECT_EQ(FieldButtonAccessibleName("SpeedButton16"), "Change System name");
    EXPECT_EQ(FieldButtonAccessibleName("SpeedButton55"), "Change Wocd mode");
    EXPECT_EQ(FieldButtonAccessibleName("SpeedButton39"), "Help on BS requested speed");
    EXPECT_EQ(FieldButtonAccessibleName("Button1"), "");
    EXPECT_EQ(FieldButtonAccessibleName("SpeedButton"), "");
    EXPECT_EQ(FieldButtonAccessibleName(""), "");
}

TEST(FieldButtonNames, EveryHelpButtonHasANameAndNoTwoButtonsShareOne) {
    std::set<std::string> helpButtons;
    for (const HelpText& help : AllHelpTexts()) {
        helpButtons.emplace(help.button);
        EXPECT_EQ(FieldButtonAccessibleName(help.button).rfind("Help on ", 0), 0u) << help.button;
    }
    std::set<std::string> names;
    std::set<std::string> objects;
    std::size_t helps = 0;
    for (const FieldButton& entry : AllFieldButtons()) {
        EXPECT_TRUE(objects.emplace(entry.button).second) << entry.button;
        const std::string name = FieldButtonAccessibleName(entry.button);
        EXPECT_TRUE(names.insert(name).second) << name;
        EXPECT_FALSE(entry.field.empty()) << entry.button;
        if (entry.kind == FieldButtonKind::Help) {
            ++helps;
            EXPECT_TRUE(helpButtons.count(std::string(entry.button))) << entry.button;
        }
    }
    EXPECT_EQ(helps, helpButtons.size());
    // Nine change buttons on the system page, ten on the radio group.
    EXPECT_EQ(AllFieldButtons().size() - helps, 19u);
}

TEST(FieldButtonNames, AChangeButtonNamesTheSameFieldAsItsHelpButton) {
    // Pairs that sit on one row.
    const std::pair<const char*, const char*> rows[] = {
        {"SpeedButton16", "SpeedButton6"},  {"SpeedButton41", "SpeedButton11"},
        {"SpeedButton42", "SpeedButton12"}, {"SpeedButton44", "SpeedButton15"},
        {"SpeedButton45", "SpeedButton2"},  {"SpeedButton50", "SpeedButton21"},
        {"SpeedButton52", "SpeedButton22"}, {"SpeedButton55", "SpeedButton51"},
    };
    for (const auto& [change, help] : rows) {
        EXPECT_EQ(FieldButtonAccessibleName(change).substr(7),
                  FieldButtonAccessibleName(help).substr(8))
            << change;
    }
}

}  // namespace
}  // namespace tessel
