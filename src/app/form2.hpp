#pragma once

// The interface information window: the router's text about one interface.

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace tessel {

class TForm2 : public QDialog {
    Q_OBJECT
  public:
    explicit TForm2(QWidget* parent = nullptr);

    // Replaces the text and brings the window up (not modal).
    void ShowInformation(const QString& text);
    QString Information() const;

    void Button1Click();

    QPlainTextEdit* Memo1;
    QPushButton* Button1;
};

}  // namespace tessel
