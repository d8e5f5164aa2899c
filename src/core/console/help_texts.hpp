#pragma once

// The field help shown in the status popup by the help buttons of the pages.

#include <span>
#include <string_view>

namespace tessel {

struct HelpText {
    std::string_view button;  // object name of the help button
    std::string_view text;
};

std::span<const HelpText> AllHelpTexts();

// The text of one help button; empty for a name without help.
std::string_view HelpTextFor(std::string_view button);

// The hover hint of a help button: the help text itself, except where the
// hint is laid out differently.
std::string_view HelpHintFor(std::string_view button);

}  // namespace tessel
