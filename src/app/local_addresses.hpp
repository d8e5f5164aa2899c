#pragma once

#include <QStringList>

namespace tessel {

// The IPv4 addresses of the local host name, in the order the resolver gives
// them, as dotted quads. Any failure leaves the list as far as it got.
void ListLocalAddresses(QStringList& list);

}  // namespace tessel
