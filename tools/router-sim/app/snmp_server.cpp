#include "snmp_server.hpp"

#include <QTimer>

#include "core/snmp/ber.hpp"

namespace tessel::sim {

SnmpServer::SnmpServer(RouterModel& model, std::string community, const FaultSettings& faults,
                       EventLog& log, QObject* parent)
    : QObject(parent),
      model_(model),
      agent_(std::move(community)),
      faults_(faults),
      drops_(faults),
      log_(log),
      socket_(this),
      buffer_(65536, '\0') {
    connect(&socket_, &QUdpSocket::readyRead, this, &SnmpServer::ReadPending);
}

bool SnmpServer::Listen(const QHostAddress& address, quint16 port, QString& error) {
    if (!socket_.bind(address, port)) {
        error = socket_.errorString();
        return false;
    }
    return true;
}

void SnmpServer::ReadPending() {
    while (socket_.hasPendingDatagrams()) {
        QHostAddress from;
        quint16 port = 0;
        const qint64 size =
            socket_.readDatagram(buffer_.data(), static_cast<qint64>(buffer_.size()), &from, &port);
        if (size < 0) {
            break;
        }
        ++received_;
        const std::string_view datagram(buffer_.data(), static_cast<std::size_t>(size));
        const bool dropped = drops_.Drop();
        const AgentOutcome outcome = agent_.Handle(datagram, model_.Store(), model_.UpTimeTicks());
        if (log_.Enabled()) {
            LogRequest(outcome, from, dropped);
        }
        if (dropped || !outcome.answered) {
            continue;
        }
        const std::string reply = Damage(outcome.reply, faults_.malformed, received_);
        if (faults_.delayMs > 0) {
            QTimer::singleShot(faults_.delayMs, this,
                               [this, reply, from, port] { Reply(reply, from, port); });
        } else {
            Reply(reply, from, port);
        }
    }
}

void SnmpServer::Reply(const std::string& bytes, const QHostAddress& to, quint16 port) {
    socket_.writeDatagram(bytes.data(), static_cast<qint64>(bytes.size()), to, port);
}

void SnmpServer::LogRequest(const AgentOutcome& outcome, const QHostAddress& from, bool dropped) {
    std::vector<std::pair<std::string, std::string>> fields;
    fields.emplace_back("from", JsonString(from.toString().toStdString()));
    if (outcome.request) {
        const AgentRequest& r = *outcome.request;
        fields.emplace_back("type", JsonString(PduName(r.pduType)));
        fields.emplace_back("community", JsonString(r.community));
        fields.emplace_back("requestId", std::to_string(ber::SignedValue(r.requestId)));
        std::string oids = "[";
        for (std::size_t i = 0; i < r.bindings.size(); ++i) {
            oids += (i == 0 ? "" : ",") + JsonString(OidToText(r.bindings[i].oid));
        }
        fields.emplace_back("oids", oids + "]");
    }
    if (dropped) {
        fields.emplace_back("dropped", JsonString("fault"));
    } else if (!outcome.answered) {
        fields.emplace_back("dropped", JsonString(outcome.dropReason));
    } else {
        fields.emplace_back("errorStatus", std::to_string(outcome.errorStatus));
        fields.emplace_back("errorIndex", std::to_string(outcome.errorIndex));
    }
    log_.Write("snmp", fields);
}

}  // namespace tessel::sim
