#pragma once

// The table walk shared by the pages: start at a column OID and step with
// uncounted GetNext requests for as long as the agent hands back rows of that
// column. A walk always ends: at the first failed exchange, at a reply whose
// OID does not lie after the one asked for (a buggy or echoing agent would
// otherwise keep us on one row for ever), at the first OID outside the
// column's subtree, or once the page's row limit is reached.

#include "core/snmp/snmp_reader.hpp"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tessel {

struct WalkRow {
    std::string oid;    // the OID the agent returned
    std::string index;  // the part of oid after the column and its "."
    std::string value;  // the value text of that binding
};

// Numeric order of dotted OID texts. A text that is not a dotted-decimal OID
// sorts as nothing: both order tests below then answer false.
bool OidIsAfter(std::string_view later, std::string_view earlier);

// True when oid names an instance below column ("1.2.3.10.0.0.1" below
// "1.2.3"), on arc boundaries: "1.2.30" is not below "1.2.3". A trailing "."
// on column is allowed.
bool OidIsBelow(std::string_view oid, std::string_view column);

// Walks column, calling onRow for each row in agent order, at most maxRows
// times; onRow may make its own reads (they come between the GetNexts, as the
// pages that read cells while walking need). Returns the number of rows.
std::size_t WalkColumn(SnmpReader& reader, std::string_view column, std::size_t maxRows,
                       const std::function<void(const WalkRow&)>& onRow);

// The same walk, collecting the rows.
std::vector<WalkRow> WalkColumn(SnmpReader& reader, std::string_view column, std::size_t maxRows);

}  // namespace tessel
