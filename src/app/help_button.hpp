#pragma once

// The small square help buttons beside the fields: each shows its field's
// help text in the status popup and carries a hover hint.

#include <QToolButton>

#include <functional>

namespace tessel {

// A help button named name (e.g. "SpeedButton6") whose click hands its text
// to show.
QToolButton* MakeHelpButton(QWidget* parent, const QString& name,
                            const std::function<void(const QString&)>& show);

}  // namespace tessel
