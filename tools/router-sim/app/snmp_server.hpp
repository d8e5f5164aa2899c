#pragma once

#include <QHostAddress>
#include <QObject>
#include <QSocketNotifier>
#include <memory>
#include <string>

#include "agent.hpp"
#include "event_log.hpp"
#include "faults.hpp"
#include "router_model.hpp"

namespace tessel::sim {

// The UDP side of the agent. A plain non-blocking socket watched by a
// QSocketNotifier: each wake-up drains every pending datagram with
// recvmmsg, so a request costs one poll, one receive and one send (a
// QUdpSocket peeks before every read and once more at the end, which on a
// GetNext walk costs more than building the answer).
class SnmpServer : public QObject {
    Q_OBJECT
  public:
    SnmpServer(RouterModel& model, std::string community, const FaultSettings& faults,
               EventLog& log, QObject* parent = nullptr);
    ~SnmpServer() override;

    bool Listen(const QHostAddress& address, quint16 port, QString& error);
    quint16 Port() const { return port_; }

  private:
    struct Peer;
    void ReadPending();
    void Handle(std::string_view datagram, const Peer& from);
    void Reply(const std::string& bytes, const Peer& to);
    void LogRequest(const AgentOutcome& outcome, const Peer& from, bool dropped);

    RouterModel& model_;
    Agent agent_;
    FaultSettings faults_;
    DropPolicy drops_;
    EventLog& log_;
    int fd_ = -1;
    quint16 port_ = 0;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::string buffers_;
    std::uint64_t received_ = 0;
};

}  // namespace tessel::sim
