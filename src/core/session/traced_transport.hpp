#pragma once

// The session's SNMP exchanges with the support trace around them.

#include "core/session/session.hpp"
#include "core/session/trace.hpp"

namespace tessel {

// inner, with every exchange (kind, host, OID, value or failure, time taken)
// written to log. log must outlive the result.
SnmpTransport TracedTransport(SnmpTransport inner, const TraceLog& log);

// transport traced to log when there is one, else transport itself: with the
// trace off the exchanges cost nothing extra.
SnmpTransport WithTrace(SnmpTransport transport, const TraceLog* log);

}  // namespace tessel
