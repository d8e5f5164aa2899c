#pragma once

#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <deque>

#include "console_session.hpp"
#include "event_log.hpp"
#include "faults.hpp"
#include "router_model.hpp"

namespace tessel::sim {

// One console client: feeds its bytes to a ConsoleSession and writes the
// session's chunks, waiting each chunk's gap so that dialogue steps arrive
// as separate reads on the other side.
class ConsoleConnection : public QObject {
    Q_OBJECT
  public:
    ConsoleConnection(QTcpSocket* socket, RouterModel& model, const ConsoleSettings& settings,
                      const FaultSettings& faults, int tickMs, EventLog& log, int id);

  private:
    void ReadInput();
    // dialogue: the chunks answer the login dialogue (whole under
    // --console-chunk-after-login).
    void Enqueue(std::vector<ConsoleChunk> chunks, bool dialogue = false);
    // Under --reply-delay-ms: holds the chunks back that long, in order.
    void Output(std::vector<ConsoleChunk> chunks, bool dialogue = false);
    void ReleaseDelayed();
    void SendNext();
    void UpdateStream();
    void StreamTick();
    void Closed();

    QTcpSocket* socket_;
    RouterModel& model_;
    ConsoleSession session_;
    FaultSettings faults_;
    int tickMs_;
    EventLog& log_;
    int id_;
    ChunkSizer chunkSizes_;
    std::deque<ConsoleChunk> queue_;
    QTimer gapTimer_;
    QTimer streamTimer_;
    struct Delayed {
        qint64 dueMs;
        std::vector<ConsoleChunk> chunks;
        bool dialogue;
    };
    std::deque<Delayed> delayed_;
    QElapsedTimer clock_;
    QTimer delayTimer_;
    bool closing_ = false;
    bool closed_ = false;
};

class ConsoleServer : public QObject {
    Q_OBJECT
  public:
    ConsoleServer(RouterModel& model, ConsoleSettings settings, const FaultSettings& faults,
                  int tickMs, EventLog& log, QObject* parent = nullptr);

    bool Listen(const QHostAddress& address, quint16 port, QString& error);
    quint16 Port() const { return port_; }

  private:
    void Accept();

    RouterModel& model_;
    ConsoleSettings settings_;
    FaultSettings faults_;
    int tickMs_;
    EventLog& log_;
    QTcpServer server_;
    quint16 port_ = 0;
    int nextId_ = 1;
};

}  // namespace tessel::sim
