#pragma once

// The main window logged in to a lab router of its own, for the tests of the
// table and utility pages: the router runs on free loopback ports, the
// window reaches it through the port overrides, and its reports tick fast.

#include "app/form1.hpp"
#include "app/process_exit.hpp"
#include "scripted_messages.hpp"
#include "support/router_sim_process.hpp"
#include "wait_for.hpp"

#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tessel::test {

class RouterSession : public ::testing::Test {
  protected:
    // A report "second" of the lab router lasts this long.
    static constexpr int TickMs = 40;

    RouterSession() : sim_({"--tick-ms", std::to_string(TickMs)}) {
        ::setenv("TESSEL_SNMP_PORT", std::to_string(sim_.SnmpPort()).c_str(), 1);
        ::setenv("TESSEL_CONSOLE_PORT", std::to_string(sim_.ConsolePort()).c_str(), 1);
        SetEndProcessFunction([this](int status) { exitStatus_ = status; });
        form_ = std::make_unique<TForm1>(SnmpTransport::Client());
        form_->FormCreate("tessel-manager");
        form_->show();
    }
    ~RouterSession() override {
        form_.reset();
        SetEndProcessFunction({});
        ::unsetenv("TESSEL_SNMP_PORT");
        ::unsetenv("TESSEL_CONSOLE_PORT");
    }

    // Logs in and waits for the post-login load and the ARP reply after it.
    void LogIn() {
        form_->Edit5->setText(QStringLiteral("127.0.0.1"));
        form_->Edit12->setText(QStringLiteral("admin"));
        form_->Edit13->setText(QStringLiteral("admin"));
        form_->Edit15->setText(QStringLiteral("public"));
        form_->Button1Click();
        ASSERT_TRUE(WaitFor([this] { return form_->IsManagedLayout(); }));
        ASSERT_TRUE(WaitFor([this] { return form_->CurrentSession().ReplyState == 20; }));
    }

    template <typename Widget>
    Widget* Find(const char* name) const {
        auto* widget = form_->findChild<Widget*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    // The lines the router's console received, in order.
    std::vector<std::string> ConsoleLines() const {
        std::vector<std::string> lines;
        const std::string key = "\"line\":\"";
        for (const std::string& entry : sim_.LogLines()) {
            if (entry.find("\"event\":\"console-line\"") == std::string::npos) {
                continue;
            }
            const auto start = entry.find(key);
            const auto end = entry.rfind('"');
            if (start != std::string::npos && end > start + key.size() - 1) {
                lines.push_back(entry.substr(start + key.size(), end - start - key.size()));
            }
        }
        return lines;
    }
    bool ReceivedLine(const std::string& line) const {
        const auto lines = ConsoleLines();
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }

    // SNMP requests the router received for an OID that begins with prefix.
    std::size_t SnmpRequestsFor(const std::string& prefix) const {
        const std::string quoted = "\"" + prefix;
        const auto lines = sim_.LogLines();
        return static_cast<std::size_t>(
            std::count_if(lines.begin(), lines.end(), [&quoted](const std::string& entry) {
                return entry.find("\"event\":\"snmp\"") != std::string::npos &&
                       entry.find(quoted) != std::string::npos;
            }));
    }

    // Waits until the router has logged count requests for prefix; the log
    // line may trail the reply by a moment.
    bool RequestsReach(const std::string& prefix, std::size_t count) const {
        return WaitFor([&] { return SnmpRequestsFor(prefix) >= count; }, 5000) &&
               SnmpRequestsFor(prefix) == count;
    }

    ScriptedMessages messages_;
    test::RouterSim sim_;
    std::unique_ptr<TForm1> form_;
    int exitStatus_ = -1;
};

}  // namespace tessel::test
