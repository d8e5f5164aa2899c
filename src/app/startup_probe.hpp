#pragma once

// A measuring aid for the start-up benchmark: with TESSEL_QUIT_WHEN_SHOWN set,
// the program prints "shown" once its window is first painted, and quits.

class QWidget;

namespace tessel {

void WatchFirstPaint(QWidget& window);

}  // namespace tessel
