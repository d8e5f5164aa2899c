#pragma once

// The numeric editor of the pages: minimum, maximum, step and decimals. The
// pages send the text as the operator typed it, so the text is kept as is;
// RoundedValue gives the whole number for periods and limits.

#include <QDoubleSpinBox>

namespace tessel {

class TSpinEditor : public QDoubleSpinBox {
    Q_OBJECT
  public:
    explicit TSpinEditor(QWidget* parent = nullptr);

    // The text as typed (without prefix or suffix).
    QString Text() const;
    // Puts a text in as if typed; a value outside the range is clamped by the
    // editor when it is read back.
    void SetText(const QString& text);

    int RoundedValue() const;

  signals:
    // Any change of the text, by the operator or from code.
    void Changed();
};

}  // namespace tessel
