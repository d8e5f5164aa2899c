#pragma once

#include <QHostAddress>
#include <QObject>
#include <QUdpSocket>
#include <string>

#include "agent.hpp"
#include "event_log.hpp"
#include "faults.hpp"
#include "router_model.hpp"

namespace tessel::sim {

// The UDP side of the agent: drains every pending datagram per readyRead.
class SnmpServer : public QObject {
    Q_OBJECT
  public:
    SnmpServer(RouterModel& model, std::string community, const FaultSettings& faults,
               EventLog& log, QObject* parent = nullptr);

    bool Listen(const QHostAddress& address, quint16 port, QString& error);
    quint16 Port() const { return socket_.localPort(); }

  private:
    void ReadPending();
    void Reply(const std::string& bytes, const QHostAddress& to, quint16 port);
    void LogRequest(const AgentOutcome& outcome, const QHostAddress& from, bool dropped);

    RouterModel& model_;
    Agent agent_;
    FaultSettings faults_;
    DropPolicy drops_;
    EventLog& log_;
    QUdpSocket socket_;
    std::string buffer_;
    std::uint64_t received_ = 0;
};

}  // namespace tessel::sim
