#pragma once

// A message service for tests: records every box and answers Yes/No boxes
// from a script (No when the script runs out).

#include "app/message_service.hpp"

#include <QString>

#include <deque>
#include <vector>

namespace tessel::testing {

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
    }
    bool AskYesNo(QWidget*, const QString& text, const QString& caption) override {
        boxes.push_back({text, caption, true});
        if (answers.empty()) {
            return false;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<Box> boxes;
    std::deque<bool> answers;
};

}  // namespace tessel::testing
