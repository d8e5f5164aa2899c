#pragma once

// The numeric editor of the pages: minimum, maximum, step and decimals. The
// pages send the text as the operator typed it, so the text is kept as is;
// RoundedValue gives the whole number for periods and limits. Numbers are
// written and read in the C locale whatever the desktop's: the text goes to
// the router, which knows only ASCII digits and "-".

#include <QDoubleSpinBox>

#include <optional>

namespace tessel {

class TSpinEditor : public QDoubleSpinBox {
    Q_OBJECT
  public:
    explicit TSpinEditor(QWidget* parent = nullptr);

    // The text as typed (without prefix or suffix).
    QString Text() const;
    // Puts a text in as the router reported it. A text the editor cannot take
    // as a value (a failed read's empty text, a number outside the range) is
    // still shown and kept as it is until the operator edits or steps it:
    // turning it into 0 would send 0 back as a setting of its own. The value
    // meanwhile is the nearest bound of such a number, or the last one.
    void SetText(const QString& text);
    void setValue(double value);

    int RoundedValue() const;

    QValidator::State validate(QString& input, int& position) const override;
    void stepBy(int steps) override;

  signals:
    // Any change of the text, by the operator or from code.
    void Changed();

  protected:
    double valueFromText(const QString& text) const override;
    QString textFromValue(double value) const override;

  private:
    // The router's text while it is not a value of the editor.
    std::optional<QString> shown_;
};

}  // namespace tessel
