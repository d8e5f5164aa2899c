#pragma once

// Runs a timer's tick at once instead of waiting for it.

#include <QMetaObject>
#include <QTimer>

namespace tessel::test {

inline bool FireTimer(QTimer* timer) {
    return timer != nullptr && QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
}

}  // namespace tessel::test
