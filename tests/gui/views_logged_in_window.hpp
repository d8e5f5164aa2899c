#pragma once

// The real main window, logged in to a lab router child process on free
// loopback ports: the base for the page tests. What the router received is
// read back from its request log; waits poll the event loop with generous
// time-outs instead of sleeping.

#include "app/form1.hpp"
#include "app/process_exit.hpp"
#include "scripted_messages.hpp"
#include "support/router_sim_process.hpp"
#include "wait_for.hpp"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QString>
#include <QTest>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tessel::test {

// The text of a JSON string value that starts at json[at] (the opening quote).
inline std::string JsonStringAt(const std::string& json, std::size_t at) {
    std::string out;
    for (std::size_t i = at + 1; i < json.size() && json[i] != '"'; ++i) {
        if (json[i] != '\\' || i + 1 >= json.size()) {
            out.push_back(json[i]);
            continue;
        }
        const char escaped = json[++i];
        if (escaped == 'u' && i + 4 < json.size()) {
            out.push_back(static_cast<char>(std::stoi(json.substr(i + 1, 4), nullptr, 16)));
            i += 4;
        } else {
            out.push_back(escaped);
        }
    }
    return out;
}

// Where the router runs and how the window reaches it: by default a child
// process on loopback, reached from loopback.
struct RouterPlace {
    std::string host = "127.0.0.1";
    // Runs the router elsewhere ("ip netns exec NS"); empty: a plain child.
    std::vector<std::string> launcher;
    // The source entry to select; empty: the first entry of the list the
    // window made, as the operator gets it.
    QString source = QStringLiteral("127.0.0.1");
};

class LoggedInWindow : public ::testing::Test {
  protected:
    explicit LoggedInWindow(std::vector<std::string> simArguments = {}, RouterPlace place = {})
        : place_(std::move(place)),
          sim_(std::move(simArguments), std::chrono::seconds(15), place_.launcher) {}

    void SetUp() override {
        setenv("TESSEL_SNMP_PORT", std::to_string(sim_.SnmpPort()).c_str(), 1);
        setenv("TESSEL_CONSOLE_PORT", std::to_string(sim_.ConsolePort()).c_str(), 1);
        SetEndProcessFunction([this](int status) { endStatus_ = status; });
        form = std::make_unique<TForm1>(SnmpTransport::Client());
        form->FormCreate("tessel-manager");
        form->show();
        LogIn();
    }

    // Fills the login block and logs in; returns when the post-login load
    // is complete.
    void LogIn() {
        form->Edit5->setText(QString::fromStdString(place_.host));
        form->Edit12->setText(QStringLiteral("admin"));
        form->Edit13->setText(QStringLiteral("admin"));
        form->Edit15->setText(QStringLiteral("public"));
        if (!place_.source.isEmpty()) {
            // The console leaves from this address, whatever addresses the host has.
            form->ComboBox13->clear();
            form->ComboBox13->addItem(place_.source);
        }
        form->Button1Click();
        ASSERT_TRUE(
            WaitFor([this] { return form->IsManagedLayout() || endStatus_ != -1; }, 60000) &&
            endStatus_ == -1)
            << "the login to the lab router did not complete";
        // The load ends with "arp view"; its reply must be in before a test
        // sends, or both replies may arrive as one chunk under the test's code.
        ASSERT_TRUE(WaitFor([this] { return form->CurrentSession().ReplyState == 20; }))
            << "the reply to \"arp view\" did not arrive";
    }

    void TearDown() override {
        form.reset();
        SetEndProcessFunction({});
        EXPECT_EQ(endStatus_, -1) << "the window tried to end the process";
    }

    template <typename Widget>
    Widget* Find(const char* name) const {
        auto* widget = form->findChild<Widget*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    // Every console line the router received, in order.
    std::vector<std::string> ConsoleLines() const {
        std::vector<std::string> lines;
        for (const std::string& entry : sim_.LogLines()) {
            if (entry.find("\"event\":\"console-line\"") == std::string::npos) {
                continue;
            }
            const std::size_t key = entry.find("\"line\":");
            if (key != std::string::npos) {
                lines.push_back(JsonStringAt(entry, key + 7));
            }
        }
        return lines;
    }

    // The lines received after the first `skip` ones.
    std::vector<std::string> LinesAfter(std::size_t skip) const {
        const std::vector<std::string> all = ConsoleLines();
        return skip < all.size() ? std::vector<std::string>(all.begin() + skip, all.end())
                                 : std::vector<std::string>{};
    }

    // Waits until the router has received `count` lines after the first `skip`.
    std::vector<std::string> WaitForLines(std::size_t skip, std::size_t count) const {
        WaitFor([&] { return LinesAfter(skip).size() >= count; });
        return LinesAfter(skip);
    }

    // Selects entry text of a selector as the operator does (which raises
    // the operator-only signal).
    static void Choose(QComboBox* box, const QString& text) {
        const int index = box->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        box->setCurrentIndex(index);
        emit box->activated(index);
    }

    static void TypeInto(QLineEdit* edit, const QString& text) {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    // With TESSEL_SCREENSHOT_DIR set, saves the page shown as file.
    void SaveScreenshot(int tab, const char* file) const {
        const char* dir = std::getenv("TESSEL_SCREENSHOT_DIR");
        if (dir == nullptr || *dir == '\0') {
            return;
        }
        form->main->setCurrentIndex(tab);
        QCoreApplication::processEvents();
        EXPECT_TRUE(form->grab().save(QDir(QString::fromLocal8Bit(dir)).filePath(file)));
    }

    RouterPlace place_;
    test::RouterSim sim_;
    ScriptedMessages messages;
    std::unique_ptr<TForm1> form;

  private:
    int endStatus_ = -1;
};

}  // namespace tessel::test
