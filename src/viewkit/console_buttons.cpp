#include "viewkit/console_buttons.hpp"

#include <QAbstractButton>
#include <QVariant>

#include <algorithm>

namespace tessel {

namespace {

// Kept on the button itself: the window and the page share nothing else.
constexpr char ReadyProperty[] = "tesselConsoleReady";
constexpr char LockedProperty[] = "tesselConsoleLocked";

void Apply(QAbstractButton* button) {
    const QVariant ready = button->property(ReadyProperty);
    const bool locked = button->property(LockedProperty).toBool();
    button->setEnabled((!ready.isValid() || ready.toBool()) && !locked);
}

}  // namespace

void SetConsoleButtonReady(QAbstractButton* button, bool ready) {
    button->setProperty(ReadyProperty, ready);
    Apply(button);
}

void SetConsoleButtonLocked(QAbstractButton* button, bool locked) {
    button->setProperty(LockedProperty, locked);
    Apply(button);
}

void LockConsoleButtons(std::span<QAbstractButton* const> buttons, int& locks, bool enabled) {
    // A lock given back twice must not take another report's.
    locks = enabled ? std::max(locks - 1, 0) : locks + 1;
    for (QAbstractButton* button : buttons) {
        SetConsoleButtonLocked(button, locks > 0);
    }
}

}  // namespace tessel
