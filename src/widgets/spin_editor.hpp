#pragma once

// The numeric editor of the pages: minimum, maximum, step and decimals. The
// pages send the text as the operator typed it, so the text is kept as is;
// RoundedValue gives the whole number for periods and limits. Numbers are
// written and read in the C locale whatever the desktop's: the text goes to
// the router, which knows only ASCII digits and "-".

#include <QDoubleSpinBox>

#include <optional>

namespace tessel {

class SpinEditor : public QDoubleSpinBox {
    Q_OBJECT
  public:
    // The largest value of an editor whose field has no maximum of its own:
    // the router refuses what it cannot take.
    static constexpr double NoMaximum = 2147483647.0;
    // The decimal places of an editor that accepts decimals.
    static constexpr int DecimalPlaces = 6;

    // Whole numbers only, until AcceptDecimals.
    explicit SpinEditor(QWidget* parent = nullptr);

    // Takes decimals as typed (up to DecimalPlaces); a value from code or a
    // step still shows without trailing zeros ("5", "3.6").
    void AcceptDecimals();

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
    // Any change of the text, by the operator or from code, whether or not
    // it changes the value ("05", "5.", an emptied field).
    void Changed();

  protected:
    double valueFromText(const QString& text) const override;
    QString textFromValue(double value) const override;

  private:
    void ReportText();

    // The router's text while it is not a value of the editor.
    std::optional<QString> shown_;
    // The text Changed last told of.
    QString reported_;
};

}  // namespace tessel
