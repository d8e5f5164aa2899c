#include "console_server.hpp"

#include <algorithm>

namespace tessel::sim {

ConsoleConnection::ConsoleConnection(QTcpSocket* socket, RouterModel& model,
                                     const ConsoleSettings& settings, const FaultSettings& faults,
                                     int tickMs, EventLog& log, int id)
    : QObject(socket),
      socket_(socket),
      model_(model),
      session_(model.State(), settings),
      faults_(faults),
      tickMs_(tickMs),
      log_(log),
      id_(id),
      chunkSizes_(faults) {
    socket_->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    gapTimer_.setSingleShot(true);
    connect(&gapTimer_, &QTimer::timeout, this, [this] {
        if (!queue_.empty()) {
            queue_.front().gapBeforeMs = 0;
        }
        SendNext();
    });
    connect(&streamTimer_, &QTimer::timeout, this, &ConsoleConnection::StreamTick);
    delayTimer_.setSingleShot(true);
    delayTimer_.setTimerType(Qt::PreciseTimer);
    connect(&delayTimer_, &QTimer::timeout, this, &ConsoleConnection::ReleaseDelayed);
    clock_.start();
    connect(socket_, &QTcpSocket::readyRead, this, &ConsoleConnection::ReadInput);
    connect(socket_, &QTcpSocket::disconnected, this, &ConsoleConnection::Closed);
    log_.Write("console-connect",
               {{"connection", std::to_string(id_)},
                {"peer", JsonString(socket_->peerAddress().toString().toStdString())}});
    Output(session_.Start(), true);
}

void ConsoleConnection::ReadInput() {
    const QByteArray data = socket_->readAll();
    if (closing_) {
        return;
    }
    // The chunk that accepts a login is still part of the dialogue.
    const bool dialogue = !session_.LoggedIn();
    std::vector<ConsoleChunk> chunks =
        session_.Receive(std::string_view(data.constData(), data.size()));
    for (const std::string& line : session_.TakeLines()) {
        log_.Write("console-line",
                   {{"connection", std::to_string(id_)}, {"line", JsonString(line)}});
    }
    if (session_.TakeStateChanged()) {
        model_.MarkChanged();
    }
    Output(std::move(chunks), dialogue);
    if (session_.WantsClose() || (faults_.closeAfterCommands != 0 &&
                                  session_.CommandCount() >= faults_.closeAfterCommands)) {
        closing_ = true;
    }
    UpdateStream();
    SendNext();
}

void ConsoleConnection::Output(std::vector<ConsoleChunk> chunks, bool dialogue) {
    if (faults_.replyDelayMs <= 0) {
        Enqueue(std::move(chunks), dialogue);
        return;
    }
    // Every entry waits the same time, so the queue stays in due order.
    delayed_.push_back({clock_.elapsed() + faults_.replyDelayMs, std::move(chunks), dialogue});
    if (!delayTimer_.isActive()) {
        delayTimer_.start(faults_.replyDelayMs);
    }
}

void ConsoleConnection::ReleaseDelayed() {
    while (!delayed_.empty() && delayed_.front().dueMs <= clock_.elapsed()) {
        Delayed next = std::move(delayed_.front());
        delayed_.pop_front();
        Enqueue(std::move(next.chunks), next.dialogue);
    }
    if (!delayed_.empty()) {
        delayTimer_.start(
            static_cast<int>(std::max<qint64>(0, delayed_.front().dueMs - clock_.elapsed())));
    }
}

void ConsoleConnection::Enqueue(std::vector<ConsoleChunk> chunks, bool dialogue) {
    const bool split = chunkSizes_.Active() && !(dialogue && faults_.chunkAfterLogin);
    for (ConsoleChunk& c : chunks) {
        if (!split) {
            queue_.push_back(std::move(c));
            continue;
        }
        // Fault: the same text in small pieces, each its own write.
        std::size_t at = 0;
        while (at < c.bytes.size()) {
            const std::size_t piece = chunkSizes_.Next();
            queue_.push_back({c.bytes.substr(at, piece), at == 0 ? c.gapBeforeMs : 5});
            at += piece;
        }
    }
    SendNext();
}

void ConsoleConnection::SendNext() {
    if (closed_ || gapTimer_.isActive()) {
        return;
    }
    while (!queue_.empty()) {
        ConsoleChunk& next = queue_.front();
        if (next.gapBeforeMs > 0) {
            gapTimer_.start(next.gapBeforeMs);
            return;
        }
        socket_->write(next.bytes.data(), static_cast<qint64>(next.bytes.size()));
        socket_->flush();
        queue_.pop_front();
    }
    // The last words (a delayed "Bye.") go out before the connection closes.
    if (closing_ && delayed_.empty()) {
        streamTimer_.stop();
        socket_->disconnectFromHost();
    }
}

void ConsoleConnection::UpdateStream() {
    const int seconds = session_.StreamIntervalSeconds();
    if (seconds == 0) {
        streamTimer_.stop();
    } else if (!streamTimer_.isActive() || streamTimer_.interval() != seconds * tickMs_) {
        streamTimer_.start(seconds * tickMs_);
    }
}

void ConsoleConnection::StreamTick() {
    Output(session_.Tick());
    UpdateStream();
}

void ConsoleConnection::Closed() {
    if (closed_) {
        return;
    }
    closed_ = true;
    streamTimer_.stop();
    gapTimer_.stop();
    delayTimer_.stop();
    log_.Write("console-disconnect", {{"connection", std::to_string(id_)}});
    socket_->deleteLater();
}

ConsoleServer::ConsoleServer(RouterModel& model, ConsoleSettings settings,
                             const FaultSettings& faults, int tickMs, EventLog& log,
                             QObject* parent)
    : QObject(parent),
      model_(model),
      settings_(std::move(settings)),
      faults_(faults),
      tickMs_(tickMs),
      log_(log),
      server_(this) {
    connect(&server_, &QTcpServer::newConnection, this, &ConsoleServer::Accept);
}

bool ConsoleServer::Listen(const QHostAddress& address, quint16 port, QString& error) {
    if (!server_.listen(address, port)) {
        error = server_.errorString();
        return false;
    }
    port_ = server_.serverPort();
    if (faults_.refuseConsole) {
        // The port was taken to report it; closing it makes every connect fail.
        server_.close();
    }
    return true;
}

void ConsoleServer::Accept() {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        new ConsoleConnection(socket, model_, settings_, faults_, tickMs_, log_, nextId_++);
    }
}

}  // namespace tessel::sim
