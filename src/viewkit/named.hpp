#pragma once

// Controls carry their layout names as object names, so that tests and
// accessibility tools find them.

#include <QLatin1String>

namespace tessel {

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

}  // namespace tessel
