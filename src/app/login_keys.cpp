#include "app/login_keys.hpp"

#include <QAbstractButton>
#include <QEvent>
#include <QKeyEvent>

namespace tessel {

namespace {

class EnterPresses : public QObject {
  public:
    explicit EnterPresses(QAbstractButton* button) : QObject(button), button_(button) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) {
            return QObject::eventFilter(watched, event);
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) {
            return QObject::eventFilter(watched, event);
        }
        // A second Enter during a login in progress finds the button
        // disabled and does nothing, as a click would.
        if (button_->isEnabled() && button_->isVisible()) {
            button_->click();
        }
        return true;
    }

  private:
    QAbstractButton* button_;
};

}  // namespace

void PressOnEnter(QAbstractButton* button, std::initializer_list<QWidget*> fields) {
    auto* presses = new EnterPresses(button);
    for (QWidget* field : fields) {
        field->installEventFilter(presses);
    }
}

}  // namespace tessel
