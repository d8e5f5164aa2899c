#pragma once

// The application title: "Quellor Wireless Router Manager" at start, then the
// window caption after every change of it; plain information boxes take it
// as their caption. It is the application's own state and never Qt's
// application display name, which the X11 platform appends to the title of
// every window it shows.

#include <QString>

namespace tessel {

QString ApplicationTitle();
void SetApplicationTitle(const QString& title);

}  // namespace tessel
