#pragma once

#include <QStringList>

namespace tessel {

// The host's own IPv4 interface addresses as dotted quads, every
// non-loopback one first and the loopback ones last, so that the entry
// selected by default can reach a router on a real link. Interfaces that are
// down are left out. Any failure leaves the list as far as it got.
void ListLocalAddresses(QStringList& list);

}  // namespace tessel
