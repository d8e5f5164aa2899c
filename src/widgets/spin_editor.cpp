#include "widgets/spin_editor.hpp"

#include <QLineEdit>

#include <cmath>

namespace tessel {

TSpinEditor::TSpinEditor(QWidget* parent) : QDoubleSpinBox(parent) {
    setDecimals(0);
    setKeyboardTracking(true);
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    connect(this, &QDoubleSpinBox::textChanged, this, [this] { emit Changed(); });
}

QString TSpinEditor::Text() const {
    return cleanText();
}

void TSpinEditor::SetText(const QString& text) {
    lineEdit()->setText(text);
    interpretText();
}

int TSpinEditor::RoundedValue() const {
    return static_cast<int>(std::lround(value()));
}

}  // namespace tessel
