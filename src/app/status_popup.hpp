#pragma once

// The status popup below the pages (statusPopupMemo_): a command being sent or a field's
// help, shown for 300 ms per character (statusPopupTimer_) or until clicked away.

#include <QObject>
#include <QString>

class QPlainTextEdit;
class QTimer;
class QWidget;

namespace tessel {

class StatusPopup : public QObject {
    Q_OBJECT
  public:
    explicit StatusPopup(QWidget* area);

    void Show(const QString& text);

    QPlainTextEdit* statusPopupMemo_;
    QTimer* statusPopupTimer_;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void OnStatusPopupTimeout();
    void OnStatusPopupPressed(Qt::MouseButton button);
};

}  // namespace tessel
