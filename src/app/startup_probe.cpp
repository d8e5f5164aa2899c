#include "app/startup_probe.hpp"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace tessel {

namespace {

class FirstPaint : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Report after this paint has been handled, then leave.
            QTimer::singleShot(0, this, [] {
                std::printf("shown\n");
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool seen_ = false;
};

}  // namespace

void WatchFirstPaint(QWidget& window) {
    if (qEnvironmentVariableIsEmpty("TESSEL_QUIT_WHEN_SHOWN")) {
        return;
    }
    window.installEventFilter(new FirstPaint(&window));
}

}  // namespace tessel
