#pragma once

// The SNMP v1 entry points: one blocking exchange per call, one variable per
// message, no state between calls.

#include <string>

namespace tessel {

// How long an exchange waits for its reply, in ms.
inline constexpr int SnmpTimeoutMs = 5000;

// GetRequest for oid. value is emptied first and, on success, becomes the
// value text of the first reply binding whose OID equals oid (empty if none).
// Returns the success of the exchange. A lab that makes a router fall silent
// may wait less than timeoutMs.
bool SnmpGetValue(const std::string& oid, const std::string& community, const std::string& host,
                  const std::string& port, std::string& value, int timeoutMs = SnmpTimeoutMs);

// GetNextRequest for oid. On success with at least one reply binding, oid and
// value become that binding's OID and value text; otherwise oid is unchanged
// and value is empty. Returns the success of the exchange.
bool SnmpGetNextValue(std::string& oid, const std::string& community, const std::string& host,
                      const std::string& port, std::string& value, int timeoutMs = SnmpTimeoutMs);

// The same at the port SnmpDestinationPort() names, read at each call: for
// tools and tests that set the port just before an exchange.
bool SnmpGetValue(const std::string& oid, const std::string& community, const std::string& host,
                  std::string& value);
bool SnmpGetNextValue(std::string& oid, const std::string& community, const std::string& host,
                      std::string& value);

}  // namespace tessel
