#pragma once

// How an operator's edit moves a "Click to change" button. Filling a group
// from code raises the same change events as an operator, so every group has
// a guard during which edits move nothing.

namespace tessel {

enum class ChangeButtonRule {
    // System and radio groups: an edit enables; only a click or a re-read
    // disables, even when the operator restores the old value.
    EnableOnEdit,
    // RMA group: each click of a switch flips the button, so ticking and
    // unticking again leaves nothing to send.
    ToggleOnEdit,
};

constexpr bool ChangeButtonAfterEdit(ChangeButtonRule rule, bool guardSet, bool enabled) {
    if (guardSet) {
        return enabled;
    }
    return rule == ChangeButtonRule::EnableOnEdit ? true : !enabled;
}

}  // namespace tessel
