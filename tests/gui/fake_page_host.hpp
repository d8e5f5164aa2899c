#pragma once

// A page host for page tests that build one page on its own: it records what
// the page sends and the boxes it shows, and answers questions as scripted.
// The reply code is kept as the console channel keeps it.

#include "core/console/reply_dispatch.hpp"
#include "core/session/router_model.hpp"
#include "viewkit/console_buttons.hpp"
#include "viewkit/page_host.hpp"

#include <QAbstractButton>
#include <QStringList>
#include <QTimer>
#include <QToolButton>

#include <functional>
#include <string>
#include <vector>

namespace tessel::test {

class FakePageHost : public PageHost {
  public:
    struct Box {
        QString text;
        QString caption;
    };

    bool SendCommand(const ConsoleCommand& command) override {
        if (refuseLines) {
            return false;
        }
        code = command.replyState;
        lines.push_back(command.line);
        return true;
    }
    bool RunCommand(const ConsoleCommand& command) override {
        popups.push_back(QString::fromLatin1(command.line.c_str()));
        return SendCommand(command);
    }
    bool SendLine(const std::string& line) override {
        if (refuseLines) {
            return false;
        }
        lines.push_back(line);
        return true;
    }
    void LineRefused(const std::string& text, const std::string&) override {
        refused.push_back(text);
    }
    void ReportStopped() override { code = ReplyCodeAfterStop(code); }
    void ReplyAbandoned(ReplyCode waitingCode) override {
        if (code == waitingCode) {
            code = ReplyCode::Idle;
        }
    }
    // A tick runs at once, as no error limit is asked here.
    void AddReadTimer(QTimer* timer, std::function<void()> tick) override {
        QObject::connect(timer, &QTimer::timeout, timer, std::move(tick));
    }
    void AddConsoleButton(QAbstractButton* button) override { consoleButtons.push_back(button); }
    void SetConsoleButtonsEnabled(bool enabled) override {
        LockConsoleButtons(consoleButtons, consoleLocks, enabled);
    }
    void Inform(const QString& text, const QString& caption) override {
        boxes.push_back({text, caption});
    }
    bool Ask(const QString& text, const QString& caption) override {
        boxes.push_back({text, caption});
        return answerYes;
    }
    QToolButton* MakeHelpButton(QWidget* parent, const QString& name) override {
        auto* button = new QToolButton(parent);
        button->setObjectName(name);
        return button;
    }
    void ShowStatusPopup(const QString& text) override { popups.push_back(text); }
    void SetCaption(const QString& text) override { caption = text; }
    QString Title() const override { return QStringLiteral("Tessel Manager"); }
    RouterModel& Router() override { return router; }
    bool SessionLoaded() const override { return loaded; }

    // What the page did.
    std::vector<std::string> lines;
    // The texts refused for the console log.
    std::vector<std::string> refused;
    std::vector<Box> boxes;
    QStringList popups;
    QString caption;
    std::vector<QAbstractButton*> consoleButtons;
    ReplyCode code = ReplyCode::Idle;
    int consoleLocks = 0;

    // How the host answers.
    bool answerYes = true;
    bool refuseLines = false;
    bool loaded = true;
    RouterModel router;
};

}  // namespace tessel::test
