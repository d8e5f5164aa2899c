#pragma once

// A router snapshot as one JSON document. The router's texts are 8-bit; they
// cross into JSON strings as they cross into the widgets (Latin-1), so that
// the document shows what the window shows.

#include "core/snapshot/router_snapshot.hpp"

#include <QByteArray>
#include <QJsonObject>

namespace tessel {

// Top-level keys: system, rma, radios, interfaces, addresses, cpe,
// base_stations, registration, routes, qos. Tables are lists of objects with
// named fields; rows of a radio's page name the radio.
QJsonObject SnapshotJson(const RouterSnapshot& snapshot);

// The document as printed: indented UTF-8 with a final line break.
QByteArray SnapshotJsonText(const RouterSnapshot& snapshot);

}  // namespace tessel
