#pragma once

// The real main window logged in to a lab router on free loopback ports, for
// the base-station and CPE page tests: what the router received is read back
// from its request log.

#include "app/form1.hpp"
#include "app/process_exit.hpp"
#include "scripted_messages.hpp"
#include "support/router_sim_process.hpp"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace tessel::test {

class LabSession {
  public:
    explicit LabSession(const std::string& dataFile)
        : sim_({"--data", std::string(TESSEL_SIM_DATA_DIR) + "/" + dataFile}) {
        SetEndProcessFunction([](int) {});
        setenv("TESSEL_SNMP_PORT", std::to_string(sim_.SnmpPort()).c_str(), 1);
        setenv("TESSEL_CONSOLE_PORT", std::to_string(sim_.ConsolePort()).c_str(), 1);
        form_ = std::make_unique<TForm1>(SnmpTransport::Client());
        // Shown, as in the program: the pages learn of tab switches by being
        // shown and hidden.
        form_->show();
        form_->FormCreate(
            "tessel-manager --host=127.0.0.1 --login=admin --password=admin --community=public");
    }
    ~LabSession() {
        form_.reset();
        SetEndProcessFunction({});
    }

    // Waits for the post-login load to finish.
    bool LoggedIn() {
        return QTest::qWaitFor([this] { return form_->IsManagedLayout(); }, 60000);
    }

    TForm1& Form() { return *form_; }

    template <typename Page>
    Page* FindPage(const char* name) {
        return form_->findChild<Page*>(QLatin1String(name));
    }

    // Brings the tab holding page to the front (which shows it).
    void ShowPage(QWidget* page) { form_->main->setCurrentWidget(page); }
    void ShowOtherPage() { form_->main->setCurrentIndex(0); }

    // With TESSEL_SCREENSHOT_DIR set, brings page to the front and saves the
    // window as file; otherwise does nothing, so the tests run unchanged.
    void SaveScreenshot(QWidget* page, const char* file) {
        const char* dir = std::getenv("TESSEL_SCREENSHOT_DIR");
        if (dir == nullptr || *dir == '\0') {
            return;
        }
        ShowPage(page);
        EXPECT_TRUE(form_->grab().save(QDir(QString::fromLocal8Bit(dir)).filePath(file)));
    }

    // The console lines the router has received so far, in order.
    std::vector<std::string> ConsoleLines() const { return Field("console-line", "line"); }

    // How many SNMP requests the router has received so far.
    std::size_t SnmpRequests() const { return Field("snmp", "type").size(); }

    // How many of them asked for an object below prefix.
    std::size_t SnmpRequestsBelow(const std::string& prefix) const {
        std::size_t count = 0;
        for (const std::string& line : sim_.LogLines()) {
            const QJsonObject entry =
                QJsonDocument::fromJson(QByteArray::fromStdString(line)).object();
            for (const auto oid : entry.value(QLatin1String("oids")).toArray()) {
                if (oid.toString().toStdString().rfind(prefix, 0) == 0) {
                    ++count;
                }
            }
        }
        return count;
    }

    // Waits until the router has received line.
    bool Received(const std::string& line) {
        return QTest::qWaitFor(
            [&] {
                for (const auto& seen : ConsoleLines()) {
                    if (seen == line) {
                        return true;
                    }
                }
                return false;
            },
            10000);
    }

    ScriptedMessages messages;

  private:
    std::vector<std::string> Field(const char* event, const char* key) const {
        std::vector<std::string> values;
        for (const std::string& line : sim_.LogLines()) {
            const QJsonObject entry =
                QJsonDocument::fromJson(QByteArray::fromStdString(line)).object();
            if (entry.value(QLatin1String("event")).toString() == QLatin1String(event)) {
                values.push_back(
                    entry.value(QLatin1String(key)).toString().toLatin1().toStdString());
            }
        }
        return values;
    }

    test::RouterSim sim_;
    std::unique_ptr<TForm1> form_;
};

}  // namespace tessel::test
