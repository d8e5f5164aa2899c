#include "app/startup_probe.hpp"

#include <QCoreApplication>
#include <QEvent>
#include <QIcon>
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
            // Report after this paint has been handled, then leave. The
            // icon's size tells an installed program's check that the
            // embedded bitmap reached the window.
            const QIcon icon = static_cast<QWidget*>(watched)->windowIcon();
            QTimer::singleShot(0, this, [icon] {
                std::printf("shown\n");
                QSize largest(0, 0);
                for (const QSize& size : icon.availableSizes()) {
                    largest = largest.width() >= size.width() ? largest : size;
                }
                std::printf("icon %dx%d\n", largest.width(), largest.height());
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
