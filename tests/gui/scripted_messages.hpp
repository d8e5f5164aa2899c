#pragma once

// A message service for tests: records every box and answers Yes/No boxes
// from a script (No when the script runs out). With openMs set, each box
// stays up that long, marked open, while the event loop runs as a real
// box's does. onBox, when set, runs as each box comes up (to note what the
// program had done by then).

#include "app/message_service.hpp"

#include <QString>
#include <QTest>

#include <deque>
#include <functional>
#include <vector>

namespace tessel::test {

class ScriptedMessages : public MessageService {
  public:
    struct Box {
        QString text;
        QString caption;
        bool question = false;
    };

    ScriptedMessages() { SetMessageService(this); }
    ~ScriptedMessages() override { SetMessageService(nullptr); }

    void Inform(QWidget*, const QString& text, const QString& caption) override {
        boxes.push_back({text, caption, false});
        StayOpen();
    }
    bool AskYesNo(QWidget*, const QString& text, const QString& caption) override {
        boxes.push_back({text, caption, true});
        StayOpen();
        if (answers.empty()) {
            return false;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<Box> boxes;
    std::deque<bool> answers;
    int openMs = 0;
    std::function<void()> onBox;

  private:
    void StayOpen() const {
        if (onBox) {
            onBox();
        }
        if (openMs > 0) {
            const OpenMessageBox open;
            QTest::qWait(openMs);
        }
    }
};

}  // namespace tessel::test
