#pragma once

// The way into a session: "Login" probes the router over SNMP and opens the
// console; the console's connection events and the login dialogue's replies
// follow here, up to the router's verdict.

#include "core/console/login_dialogue.hpp"
#include "core/console/reply_dispatch.hpp"
#include "core/session/login_check.hpp"

#include <QObject>

#include <string>

class QTimer;
class QWidget;

namespace tessel {

class ConsoleChannel;
class Session;
struct LoginBlock;

class LoginFlow : public QObject {
    Q_OBJECT
  public:
    // window: the parent of the flow and of its boxes.
    LoginFlow(Session& session, ConsoleChannel& console, LoginBlock& block, QWidget* window);

    // "Login": the fields taken and checked, the router probed, the console
    // opened.
    void OnLogin();
    // What "Login" took from the fields.
    const LoginValues& Values() const { return values_; }

    // Probe attempts after the first success before giving up.
    static constexpr int ProbeRepeatLimit = 3;

    // The connect time-out, 5 s from the console's open.
    QTimer* connectTimeoutTimer_;

  signals:
    // The router accepted the login: the progress bar is shown and the
    // values that worked are remembered; the post-login load is next.
    void Accepted();

  private:
    bool ProbeRouter(const std::string& host);
    void OnConsoleConnected();
    void OnConsoleDisconnected();
    void OnConsoleError();
    void Replied(ReplyAction action);
    void Refused();
    void OnConnectTimeout();

    Session& session_;
    ConsoleChannel& console_;
    LoginBlock& block_;
    QWidget* window_;
    LoginValues values_;
    RefusedPasswordLimit passwords_;
};

}  // namespace tessel
