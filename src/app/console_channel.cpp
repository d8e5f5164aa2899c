#include "app/console_channel.hpp"

#include "app/local_addresses.hpp"
#include "app/message_service.hpp"
#include "core/console/console_line.hpp"
#include "core/console/login_dialogue.hpp"
#include "core/session/console_observer.hpp"
#include "core/session/route_towards.hpp"
#include "core/session/source_address.hpp"
#include "core/session/trace.hpp"
#include "viewkit/text_bridge.hpp"

#include <QHostAddress>
#include <QHostInfo>
#include <QSignalBlocker>
#include <QTcpSocket>
#include <QTimer>
#include <QWidget>

#include <utility>

namespace tessel {

namespace {

// The router's IPv4 address as the connect will reach it: the text itself
// when it is one, else the first its name resolves to; empty when none.
std::string FirstIpv4(const QString& host) {
    if (QHostAddress(host).protocol() == QAbstractSocket::IPv4Protocol) {
        return host.toStdString();
    }
    for (const QHostAddress& address : QHostInfo::fromName(host).addresses()) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol) {
            return address.toString().toStdString();
        }
    }
    return {};
}

std::vector<std::string> HostAddresses() {
    QStringList present;
    ListLocalAddresses(present);
    std::vector<std::string> addresses;
    for (const QString& address : present) {
        addresses.push_back(address.toStdString());
    }
    return addresses;
}

}  // namespace

ConsoleChannel::ConsoleChannel(const TraceLog* trace, std::uint16_t port, QWidget* window)
    : QObject(window),
      window_(window),
      socket_(new QTcpSocket(this)),
      trace_(trace),
      port_(port),
      stopPause_(new QTimer(this)) {
    socket_->setObjectName(QStringLiteral("ClientSocket1"));
    stopPause_->setObjectName(QStringLiteral("ConsoleStopPause"));
    stopPause_->setSingleShot(true);
    // A coarse timer may end the router's half second early.
    stopPause_->setTimerType(Qt::PreciseTimer);
    stopPause_->setInterval(ReportStopPauseMs);
    connect(stopPause_, &QTimer::timeout, this, [this] { ReleaseHeld(false); });
    connect(socket_, &QTcpSocket::connected, this, [this] {
        ConnectionEvent("connected");
        SetCode(ReplyCode::Disconnected);
        emit Connected();
    });
    connect(socket_, &QTcpSocket::disconnected, this, [this] {
        // What came before the close is judged under the code it came to
        // (the "Bye." after "quit"), unless a box or a handler holds it.
        if (!reading_ && !MessageBoxOpen()) {
            Drain();
        }
        ConnectionEvent("disconnected");
        SetCode(ReplyCode::Disconnected);
        emit Disconnected();
    });
    connect(socket_, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError error) {
        // The router closing its end is a disconnect, which the disconnected
        // signal reports.
        if (error != QAbstractSocket::RemoteHostClosedError) {
            ConnectionEvent("socket error: " + ToBytes(socket_->errorString()));
            emit Failed();
        }
    });
    connect(socket_, &QTcpSocket::readyRead, this, &ConsoleChannel::Read);
}

ConsoleChannel::~ConsoleChannel() {
    // The socket's own signals must not reach a half-destroyed channel.
    socket_->disconnect(this);
}

void ConsoleChannel::Open(const QString& host, const QString& source, std::string secret) {
    secret_ = std::move(secret);
    if (observer_ != nullptr) {
        observer_->LoginSecret(secret_);
    }
    ConnectionEvent("connecting to " + ToBytes(host) + " port " + std::to_string(port_));
    Bind(host, source);
    socket_->connectToHost(host, port_);
}

void ConsoleChannel::Bind(const QString& host, const QString& source) {
    // A source the router cannot answer would leave the connect hanging and
    // then failing with a socket error, which ends the program: such a source
    // is not bound, and the routing table picks one.
    const std::string destination = FirstIpv4(host);
    const std::string sourceText = source.toStdString();
    const RouteTowards route = AskRouteTowards(destination, port_);
    SourceBinding decision = DecideSourceBinding(sourceText, destination, HostAddresses(), route);
    if (decision == SourceBinding::Bind) {
        // A failed bind reports a socket error too; it only means unbound.
        const QSignalBlocker quiet(socket_);
        if (!socket_->bind(QHostAddress(source), 0)) {
            socket_->abort();
            decision = SourceBinding::NotOnHost;
        }
    }
    if (trace_ != nullptr) {
        trace_->Write(SourceBindingTraceText(decision, sourceText, destination, route.source));
    }
}

void ConsoleChannel::Close() {
    // What the operator sent in the router's pause still goes, before the
    // connection does.
    ReleaseHeld(true);
    // Nothing of this connection is judged after it, but the log shows what
    // the router said.
    for (const std::string& chunk : chunks_) {
        Observe(chunk);
    }
    chunks_.clear();
    if (socket_->state() != QAbstractSocket::UnconnectedState) {
        ConnectionEvent("closed by the program");
        socket_->abort();
    }
}

bool ConsoleChannel::IsConnected() const {
    return socket_->state() == QAbstractSocket::ConnectedState;
}

bool ConsoleChannel::Send(const ConsoleCommand& command) {
    if (Holding()) {
        return Hold(command.line, false, [this, command] { Send(command); });
    }
    const ReplyCode previous = std::exchange(code_, command.replyState);
    const std::span<const ReadStep> previousReads = std::exchange(rereads_, command.rereads);
    if (!WriteLine(command.line, false)) {
        code_ = previous;
        rereads_ = previousReads;
        return false;
    }
    AnnounceEnd(previous);
    return true;
}

bool ConsoleChannel::SendLine(const std::string& text) {
    if (Holding()) {
        return Hold(text, false, [this, text] { WriteLine(text, false); });
    }
    return WriteLine(text, false);
}

bool ConsoleChannel::SendSecret(const std::string& text) {
    if (Holding()) {
        return Hold(text, true, [this, text] { WriteLine(text, true); });
    }
    return WriteLine(text, true);
}

void ConsoleChannel::StopReport() {
    if (Holding()) {
        // A stop sent in another report's pause stops what is running then.
        held_.emplace_back([this] { StopReport(); });
        return;
    }
    SetCode(ReplyCodeAfterStop(code_));
    stopPause_->start();
}

bool ConsoleChannel::Holding() const {
    return stopPause_->isActive() || (!held_.empty() && !releasing_);
}

bool ConsoleChannel::Hold(const std::string& text, bool secret, std::function<void()> send) {
    // Refused now, as it would be when it went: the caller learns at once.
    if (RefuseUnsafe(text, secret)) {
        return false;
    }
    held_.push_back(std::move(send));
    return true;
}

void ConsoleChannel::ReleaseHeld(bool throughPauses) {
    releasing_ = true;
    if (throughPauses) {
        stopPause_->stop();
    }
    // A held stop starts a pause of its own, which the rest waits out.
    while (!held_.empty() && !stopPause_->isActive()) {
        const std::function<void()> send = std::move(held_.front());
        held_.pop_front();
        send();
        if (throughPauses) {
            stopPause_->stop();
        }
    }
    releasing_ = false;
}

void ConsoleChannel::Abandon(ReplyCode waitingCode) {
    if (code_ == waitingCode) {
        SetCode(ReplyCode::Idle);
        rereads_ = {};
    }
}

void ConsoleChannel::Reset() {
    SetCode(ReplyCode::Disconnected);
    rereads_ = {};
    secret_.clear();
}

void ConsoleChannel::SetCode(ReplyCode next) {
    AnnounceEnd(std::exchange(code_, next));
}

void ConsoleChannel::AnnounceEnd(ReplyCode before) {
    if (EndsRunningReport(before, code_)) {
        emit ReportEnded(before);
    }
}

bool ConsoleChannel::RefuseUnsafe(const std::string& text, bool secret) {
    if (IsSafeConsoleText(text)) {
        return false;
    }
    if (observer_ != nullptr) {
        observer_->LineRefused(Shown(text, secret), "a line break or NUL in it");
    }
    Messages().Inform(window_, QStringLiteral("The command contains a line break and was not sent"),
                      QStringLiteral("Input error"));
    return true;
}

bool ConsoleChannel::WriteLine(const std::string& text, bool secret) {
    if (RefuseUnsafe(text, secret)) {
        return false;
    }
    const bool connected = IsConnected();
    const std::string bytes = ConsoleLineBytes(text);
    if (trace_ != nullptr) {
        trace_->Write(ConsoleSentText(ConsoleLineBytes(Shown(text, secret)), connected));
    }
    if (!connected) {
        // Dropped without a word to the operator; the log says why.
        if (observer_ != nullptr) {
            observer_->LineRefused(Shown(text, secret), "not connected");
        }
        return true;
    }
    socket_->write(bytes.data(), static_cast<qint64>(bytes.size()));
    // Out at once: an SNMP read may block this thread right after the send.
    socket_->flush();
    if (observer_ != nullptr) {
        observer_->LineSent(text, code_, secret);
    }
    return true;
}

std::string ConsoleChannel::Shown(const std::string& text, bool secret) const {
    return secret ? std::string(MaskedSecret) : DialogueMasked(text);
}

std::string ConsoleChannel::DialogueMasked(const std::string& bytes) const {
    // During the login dialogue the password may turn up in other lines: a
    // router that echoes it, or a login name that is the same text.
    if (!BeforeLogin(code_)) {
        return bytes;
    }
    return MaskSecret(bytes, secret_);
}

void ConsoleChannel::Read() {
    // Each chunk is taken as it comes, so that it keeps its boundaries
    // however long it waits to be judged.
    const QByteArray data = socket_->readAll();
    if (!data.isEmpty()) {
        chunks_.emplace_back(data.constData(), static_cast<std::size_t>(data.size()));
    }
    // Judged outside this signal: a box that a handler opens runs the event
    // loop, and the socket raises no new data signal while this one is
    // being handled, so what came meanwhile would run together.
    DrainLater();
}

void ConsoleChannel::Drain() {
    // Neither inside another chunk's handling nor while a message box is up:
    // a box runs the event loop before its opener goes on, and a chunk judged
    // then meets the code the opener has just set for a line it has not sent
    // yet (a code-75 add line would go out ahead of its delete).
    if (reading_ || MessageBoxOpen()) {
        DrainLater();
        return;
    }
    reading_ = true;
    while (!chunks_.empty()) {
        const std::string chunk = std::move(chunks_.front());
        chunks_.pop_front();
        if (trace_ != nullptr) {
            trace_->Write(ConsoleReceivedText(DialogueMasked(chunk)));
        }
        Observe(chunk);
        if (const auto reply = collector_.Take(code_, chunk)) {
            Handle(*reply);
        }
    }
    reading_ = false;
}

void ConsoleChannel::Observe(const std::string& chunk) {
    if (observer_ != nullptr) {
        observer_->ChunkReceived(chunk, code_);
    }
}

void ConsoleChannel::ConnectionEvent(const std::string& what) {
    if (observer_ != nullptr) {
        observer_->ConnectionEvent(what);
    }
}

void ConsoleChannel::DrainLater() {
    if (drainQueued_ || chunks_.empty()) {
        return;
    }
    drainQueued_ = true;
    // While a box is up, look again shortly rather than spin in its loop.
    const int delayMs = reading_ || MessageBoxOpen() ? 20 : 0;
    QTimer::singleShot(delayMs, this, [this] {
        drainQueued_ = false;
        Drain();
    });
}

void ConsoleChannel::Handle(const std::string& chunk) {
    const ReplyStep step = DispatchReply(code_, chunk);
    // The next code first: what the window does with the reply (a re-read,
    // the post-login load, the add line after a delete) may set a code of
    // its own, which then stands.
    SetCode(step.nextState);
    if (step.action == ReplyAction::CommandComplete) {
        emit Completed(std::exchange(rereads_, {}));
    } else if (step.action != ReplyAction::None) {
        emit Reply(step.action, chunk);
    }
}

}  // namespace tessel
