#pragma once

// The reads a page makes, as one seam: the window's session implements it
// with the real client and the request accounting; tests implement it with a
// recording fake. Host and community are the session's own.

#include <string>

namespace tessel {

class SnmpReader {
  public:
    virtual ~SnmpReader() = default;

    // The counted read after login. Fills value with the value text, empty
    // after a failure; while reads are suspended it sends nothing and leaves
    // value exactly as the caller had it.
    virtual void GetCounted(const std::string& oid, std::string& value) = 0;

    // One uncounted GetRequest. Returns the exchange's success; false, with
    // nothing sent and value untouched, while reads are suspended.
    virtual bool Get(const std::string& oid, std::string& value) = 0;

    // One uncounted GetNextRequest, as used by the table walks: on success oid
    // becomes the OID of the reply's first binding (unchanged when it has none).
    // Like Get, it sends nothing while reads are suspended.
    virtual bool GetNext(std::string& oid, std::string& value) = 0;
};

}  // namespace tessel
