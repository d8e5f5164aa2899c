#pragma once

// A console that plays the router's login dialogue on loopback and then does
// what a test needs the real router not to: close without a word after
// "quit", or close right after refusing a login. Lines received are kept.

#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <string>
#include <vector>

namespace tessel::test {

class FakeConsole : public QObject {
    Q_OBJECT
  public:
    enum class Ending { CloseSilentlyOnQuit, CloseAfterRefusal };

    explicit FakeConsole(Ending ending) : ending_(ending) {
        server_.listen(QHostAddress::LocalHost, 0);
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                peer_ = socket;
                stage_ = 0;
                connect(socket, &QTcpSocket::readyRead, this, &FakeConsole::Read);
                socket->write("Router console\r\n1) login 2) exit\r\n");
            }
        });
    }

    quint16 Port() const { return server_.serverPort(); }
    const std::vector<std::string>& Lines() const { return lines_; }

  private:
    // The prompt is the router's sysName: that of the lab router whose SNMP
    // agent the window reads meanwhile.
    static constexpr const char* Prompt = "bs-north> ";

    void Read() {
        buffer_ += peer_->readAll().toStdString();
        std::size_t end = 0;
        while ((end = buffer_.find("\r\n")) != std::string::npos) {
            const std::string line = buffer_.substr(0, end);
            buffer_.erase(0, end + 2);
            lines_.push_back(line);
            Answer(line);
        }
    }

    void Answer(const std::string& line) {
        switch (stage_++) {
            case 0:
                peer_->write("Login: ");
                return;
            case 1:
                peer_->write("Password: ");
                return;
            case 2:
                peer_->write("\r\n");
                if (ending_ == Ending::CloseAfterRefusal) {
                    peer_->write("Login incorrect.\r\n");
                    peer_->flush();
                    peer_->disconnectFromHost();
                    return;
                }
                QTimer::singleShot(30, peer_, [socket = peer_] {
                    socket->write(QByteArray("Welcome\r\nSupport: www.lab.test\r\n\r\n") + Prompt);
                });
                return;
            default:
                if (line == "quit") {
                    peer_->disconnectFromHost();  // not a byte more
                    return;
                }
                peer_->write((line + "\r\n(done)\r\n" + Prompt).c_str());
                return;
        }
    }

    Ending ending_;
    QTcpServer server_;
    QTcpSocket* peer_ = nullptr;
    int stage_ = 0;
    std::string buffer_;
    std::vector<std::string> lines_;
};

}  // namespace tessel::test
