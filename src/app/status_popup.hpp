#pragma once

// The status popup below the pages (Memo3): a command being sent or a field's
// help, shown for 300 ms per character (Timer10) or until clicked away.

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

    QPlainTextEdit* Memo3;
    QTimer* Timer10;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Timer10Timer();
    void Memo3MouseDown(Qt::MouseButton button);
};

}  // namespace tessel
