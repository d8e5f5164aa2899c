#pragma once

#include "core/snmp/snmp_reader.hpp"

#include <string>

namespace tessel {

// One counted read into a fresh text. While the session suspends its reads the
// value is left as the caller had it; starting from the empty text every time
// makes a suspended read look like a failed one, so that no loop over a table
// can keep seeing an old non-empty value and run for ever.
inline std::string ReadCounted(SnmpReader& reader, const std::string& oid) {
    std::string value;
    reader.GetCounted(oid, value);
    return value;
}

// A switch is on only when its value text is exactly "1".
inline bool ReadSwitch(SnmpReader& reader, const std::string& oid) {
    return ReadCounted(reader, oid) == "1";
}

}  // namespace tessel
