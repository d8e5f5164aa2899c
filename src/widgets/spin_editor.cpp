#include "widgets/spin_editor.hpp"

#include <QLineEdit>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace tessel {

SpinEditor::SpinEditor(QWidget* parent) : QDoubleSpinBox(parent) {
    setLocale(QLocale::c());
    setDecimals(0);
    setKeyboardTracking(true);
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    // The spin box reports a text only with a new value, and writes its own
    // texts into the line edit with the line edit's signals blocked: each
    // tells of changes the other misses.
    connect(this, &QDoubleSpinBox::textChanged, this, &SpinEditor::ReportText);
    connect(lineEdit(), &QLineEdit::textChanged, this, &SpinEditor::ReportText);
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { shown_.reset(); });
}

void SpinEditor::ReportText() {
    if (lineEdit()->text() != reported_) {
        reported_ = lineEdit()->text();
        emit Changed();
    }
}

void SpinEditor::AcceptDecimals() {
    setDecimals(DecimalPlaces);
}

QString SpinEditor::Text() const {
    return cleanText();
}

void SpinEditor::SetText(const QString& text) {
    shown_.reset();
    QString copy = text;
    int position = 0;
    if (QDoubleSpinBox::validate(copy, position) == QValidator::Acceptable) {
        lineEdit()->setText(text);
        interpretText();
        return;
    }
    shown_ = text;
    bool number = false;
    const double read = locale().toDouble(text.trimmed(), &number);
    if (number) {
        QDoubleSpinBox::setValue(std::clamp(read, minimum(), maximum()));
    }
    lineEdit()->setText(text);
}

void SpinEditor::setValue(double value) {
    shown_.reset();
    QDoubleSpinBox::setValue(value);
}

int SpinEditor::RoundedValue() const {
    return static_cast<int>(std::lround(value()));
}

QValidator::State SpinEditor::validate(QString& input, int& position) const {
    if (shown_ && input == *shown_) {
        return QValidator::Acceptable;
    }
    return QDoubleSpinBox::validate(input, position);
}

void SpinEditor::stepBy(int steps) {
    shown_.reset();
    QDoubleSpinBox::stepBy(steps);
}

double SpinEditor::valueFromText(const QString& text) const {
    if (shown_ && text == *shown_) {
        return value();
    }
    return QDoubleSpinBox::valueFromText(text);
}

QString SpinEditor::textFromValue(double value) const {
    if (shown_) {
        return *shown_;
    }
    QString text = QDoubleSpinBox::textFromValue(value);
    if (decimals() > 0 && text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0'))) {
            text.chop(1);
        }
        if (text.endsWith(QLatin1Char('.'))) {
            text.chop(1);
        }
    }
    return text;
}

}  // namespace tessel
