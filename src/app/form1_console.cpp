// The console channel: sending lines and handling every received chunk by
// the current reply code.

#include "app/form1.hpp"

#include "app/form2.hpp"
#include "app/message_service.hpp"
#include "app/recent_routers_box.hpp"
#include "core/console/console_line.hpp"
#include "core/console/reply_dispatch.hpp"
#include "core/router/console_text.hpp"
#include "core/session/trace.hpp"
#include "viewkit/text_bridge.hpp"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTcpSocket>
#include <QTimer>

namespace tessel {

namespace {

bool RefuseUnsafeLine(QWidget* window, const std::string& text) {
    if (IsSafeConsoleText(text)) {
        return false;
    }
    Messages().Inform(window, QStringLiteral("The command contains a line break and was not sent"),
                      QStringLiteral("Input error"));
    return true;
}

}  // namespace

bool TForm1::SendConsoleLine(const std::string& text, const std::string& /*description*/) {
    return WriteLine(text, false);
}

bool TForm1::WriteLine(const std::string& text, bool secret) {
    if (RefuseUnsafeLine(this, text)) {
        return false;
    }
    const bool connected = ClientSocket1->state() == QAbstractSocket::ConnectedState;
    const std::string bytes = ConsoleLineBytes(text);
    if (trace_ != nullptr) {
        trace_->Write(ConsoleSentText(
            secret ? ConsoleLineBytes(MaskedSecret) : DialogueMasked(bytes), connected));
    }
    if (!connected) {
        return true;  // a send on a closed connection is dropped silently
    }
    ClientSocket1->write(bytes.data(), static_cast<qint64>(bytes.size()));
    // Out at once: an SNMP read may block this thread right after the send.
    ClientSocket1->flush();
    return true;
}

bool TForm1::RunConsoleCommand(const std::string& command, int replyState,
                               const std::string& description) {
    if (RefuseUnsafeLine(this, command)) {
        return false;
    }
    ShowStatusPopup(ToQString(command));
    session_.ReplyState = replyState;
    return SendConsoleLine(command, description);
}

bool TForm1::SendCommand(const ConsoleCommand& command) {
    const ReplyCode previous = session_.ReplyState;
    session_.ReplyState = command.replyState;
    if (!SendConsoleLine(command.line)) {
        session_.ReplyState = previous;
        return false;
    }
    return true;
}

bool TForm1::RunCommand(const ConsoleCommand& command) {
    if (RefuseUnsafeLine(this, command.line)) {
        return false;
    }
    ShowStatusPopup(ToQString(command.line));
    return SendCommand(command);
}

void TForm1::ReportStopped() {
    session_.ReplyState = ReplyStateAfterStop(session_.ReplyState);
}

void TForm1::ReplyAbandoned(ReplyCode waitingCode) {
    if (session_.ReplyState == waitingCode) {
        session_.ReplyState = reply::Idle;
    }
}

void TForm1::ClientSocket1Read() {
    // Neither inside another chunk's handling nor while a message box is up:
    // a box runs the event loop before its opener goes on, and a chunk judged
    // then meets the code the opener has just set for a line it has not sent
    // yet (a code-75 add line would go out ahead of its delete).
    if (reading_ || MessageBoxOpen()) {
        ReadConsoleLater();
        return;
    }
    reading_ = true;
    const QByteArray data = ClientSocket1->readAll();
    if (!data.isEmpty()) {
        const std::string chunk(data.constData(), static_cast<std::size_t>(data.size()));
        if (trace_ != nullptr) {
            TraceReceived(chunk);
        }
        if (const auto reply = collector_.Take(session_.ReplyState, chunk)) {
            HandleChunk(*reply);
        }
    }
    reading_ = false;
    // Bytes that came while the handler held the thread raise no new signal.
    if (ClientSocket1->bytesAvailable() > 0) {
        ReadConsoleLater();
    }
}

void TForm1::ReadConsoleLater() {
    if (readQueued_) {
        return;
    }
    readQueued_ = true;
    // While a box is up, look again shortly rather than spin in its loop.
    const int delayMs = reading_ || MessageBoxOpen() ? 20 : 0;
    QTimer::singleShot(delayMs, this, [this] {
        readQueued_ = false;
        ClientSocket1Read();
    });
}

void TForm1::TraceReceived(const std::string& chunk) const {
    trace_->Write(ConsoleReceivedText(DialogueMasked(chunk)));
}

std::string TForm1::DialogueMasked(const std::string& bytes) const {
    // During the login dialogue the password may turn up in other lines: a
    // router that echoes it, or a login name that is the same text.
    if (session_.ReplyState >= reply::Idle) {
        return bytes;
    }
    return MaskSecret(bytes, ToBytes(Edit13->text()));
}

void TForm1::HandleChunk(const std::string& chunk) {
    const ReplyStep step = DispatchReply(session_.ReplyState, chunk);
    switch (step.action) {
        case ReplyAction::None:
            break;
        case ReplyAction::SendOne:
            SendConsoleLine("1", "Login dialogue");
            break;
        case ReplyAction::SendLoginName:
            SendConsoleLine(ToBytes(Edit12->text()), "Login name");
            break;
        case ReplyAction::SendPassword:
            WriteLine(ToBytes(Edit13->text()), true);
            break;
        case ReplyAction::LoginAccepted:
            session_.ReplyState = reply::Idle;
            // The values that worked, as the dialogue used them; never the
            // password.
            recentRouters_->Record(
                {ToBytes(Edit5->text()), ToBytes(Edit12->text()), session_.SnmpCommunity});
            ProgressBar3->show();
            PostLoginLoad();
            return;  // the load leaves its own reply code
        case ReplyAction::LoginRefused:
            Label85->setText(QStringLiteral("Invalid login or password. Try again"));
            Button1->setEnabled(true);
            break;
        case ReplyAction::EnableLogin:
            Button1->setEnabled(true);
            break;
        case ReplyAction::ShowInterfaceInfo: {
            QString text = ToQString(InterfaceInfoText(chunk));
            text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            form2_->ShowInformation(text);
            break;
        }
        case ReplyAction::CloseWindow:
            close();
            return;
        case ReplyAction::SendAddBsRecord:
            // The page sets its own code for the add line.
            for (Page* page : pages_) {
                page->ConsoleReply(step.action, chunk);
            }
            return;
        default: {
            const auto reads = ReadsAfterReply(step.action);
            for (const ReadStep read : reads) {
                ReadAll(read);
            }
            if (reads.empty()) {
                for (Page* page : pages_) {
                    page->ConsoleReply(step.action, chunk);
                }
            }
            break;
        }
    }
    session_.ReplyState = step.nextState;
}

}  // namespace tessel
