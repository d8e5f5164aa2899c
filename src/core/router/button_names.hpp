#pragma once

// What the small unlabelled buttons beside the fields are called for screen
// readers and other accessibility tools: their faces ("?" and "OK") say
// nothing about which field they belong to.

#include <span>
#include <string>
#include <string_view>

namespace tessel {

enum class FieldButtonKind {
    Help,    // shows the field's help text in the status popup
    Change,  // "Click to change": sends the field's new value to the router
};

struct FieldButton {
    std::string_view button;  // object name
    FieldButtonKind kind;
    std::string_view field;  // the field it belongs to, as the operator knows it
};

std::span<const FieldButton> AllFieldButtons();

// The accessible name of a help or change button: "Help on <field>" or
// "Change <field>"; empty for a name that is neither.
std::string FieldButtonAccessibleName(std::string_view button);

}  // namespace tessel
