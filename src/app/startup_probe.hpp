#pragma once

// A measuring aid for the start-up benchmark: with TESSEL_QUIT_WHEN_SHOWN set,
// the program prints "shown" once its window is first painted, then the size
// of the window's icon ("icon 0x0" when it has none), and quits.

class QWidget;

namespace tessel {

void WatchFirstPaint(QWidget& window);

}  // namespace tessel
