#pragma once

// The SNMP side of one session with the router: host, community, connection
// state and whether the post-login load has finished. Owned by the session
// controller and handed to the pages by reference; it is also their SNMP
// reader, and every single read after login is counted here. The console and
// its reply code belong to the console channel.

#include "core/session/request_accounting.hpp"
#include "core/session/trace.hpp"
#include "core/snmp/snmp_reader.hpp"

#include <functional>
#include <string>

namespace tessel {

// The exchanges the session makes. Production uses the SNMP client; a test
// may substitute its own (for example to fail fast instead of timing out).
struct SnmpTransport {
    std::function<bool(const std::string& oid, const std::string& community,
                       const std::string& host, std::string& value)>
        get;
    std::function<bool(std::string& oid, const std::string& community, const std::string& host,
                       std::string& value)>
        getNext;

    // The real client sending to the agent's port (kept in its own file so
    // that code using only a test transport does not link the client). A
    // session traces whichever transport it is given when it has a trace.
    // timeoutMs: the wait for each reply (5000 ms unless a lab shortens it).
    static SnmpTransport Client(std::string port, int timeoutMs = 5000);
    // The client at the port the environment names now (TESSEL_SNMP_PORT).
    static SnmpTransport Client();
};

// Who shows the counts. The error limit is not reported here: a read never
// waits for the operator, it only suspends the reads that follow, and
// whoever runs the reads asks between its steps.
class SessionListener {
  public:
    virtual ~SessionListener() = default;
    // The counts behind status panel 2 after every counted request and after
    // reads resume (the panel's text is RequestCountsText of them). Thousands
    // come in one load, so the text is left to be built when it is shown.
    virtual void RequestCountsChanged(long sent, long errors, long row) = 0;
    // An exchange got no answer in time (or could not go out): the console
    // log shows it beside what the console said.
    virtual void ExchangeFailed(SnmpExchangeKind /*kind*/, const std::string& /*oid*/,
                                const std::string& /*host*/) {}
};

enum class ConnectionStates { Disconnected = 0, Connecting = 1, Connected = 2 };

class Session : public SnmpReader {
  public:
    // Every exchange goes to trace when there is one; trace must outlive the
    // session.
    explicit Session(SnmpTransport transport, const TraceLog* trace = nullptr);

    void SetListener(SessionListener* listener) { listener_ = listener; }
    void SetTransport(SnmpTransport transport);

    // The counted read: skipped entirely while reads are suspended.
    void SnmpGetCounted(const std::string& host, const std::string& community,
                        const std::string& oid, std::string& value);

    // SnmpReader over RouterHost and SnmpCommunity. While reads are suspended
    // nothing goes out: Get and GetNext fail at once and leave their
    // arguments as they were, so a table walk ends where it stands.
    void GetCounted(const std::string& oid, std::string& value) override;
    bool Get(const std::string& oid, std::string& value) override;
    bool GetNext(std::string& oid, std::string& value) override;

    // The operator chose to go on at the error limit: a new run of failures
    // starts and the counts are shown again.
    void ResumeReads();

    // Uncounted exchanges with an explicit host (the login probe, which
    // comes before the load that starts the reads afresh).
    bool Probe(const std::string& oid, const std::string& host, std::string& value);

    RequestAccounting& Accounting() { return accounting_; }
    const RequestAccounting& Accounting() const { return accounting_; }

    ConnectionStates ConnectionState = ConnectionStates::Disconnected;
    std::string SnmpCommunity;
    std::string RouterHost;
    bool SessionLoaded = false;

  private:
    // True (and the request counted as skipped) while reads are suspended.
    bool Refused();
    void ShowCounts();
    // The transport's exchanges, with their failures told to the listener.
    bool Exchange(const std::string& oid, const std::string& community, const std::string& host,
                  std::string& value);
    bool ExchangeNext(std::string& oid, std::string& value);

    const TraceLog* trace_;
    SnmpTransport transport_;
    SessionListener* listener_ = nullptr;
    RequestAccounting accounting_;
};

}  // namespace tessel
