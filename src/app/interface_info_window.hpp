#pragma once

// The interface information window: the router's text about one interface.

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace tessel {

class InterfaceInfoWindow : public QDialog {
    Q_OBJECT
  public:
    explicit InterfaceInfoWindow(QWidget* parent = nullptr);

    // Replaces the text and brings the window up (not modal).
    void ShowInformation(const QString& text);
    QString Information() const;

    void OnCloseInterfaceInfo();

    QPlainTextEdit* interfaceInfoMemo_;
    QPushButton* interfaceInfoCloseButton_;
};

}  // namespace tessel
