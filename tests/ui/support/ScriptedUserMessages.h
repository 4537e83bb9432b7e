#pragma once

#include "seams/UserMessages.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

namespace zelt::test {

// Records every message and answers questions from a script. A question without a scripted
// answer fails the test and is answered with Cancel, the answer that changes nothing.
class ScriptedUserMessages final : public UserMessages {
public:
    void ShowMessage(std::string_view text, MessageIcon icon = MessageIcon::None) override {
        messages.emplace_back(text);
        icons.push_back(icon);
        events.push_back("message: " + std::string(text));
    }

    YesNoCancel AskYesNoCancel(std::string_view question) override {
        questions.emplace_back(question);
        events.push_back("question: " + std::string(question));
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << question;
            return YesNoCancel::Cancel;
        }
        const YesNoCancel answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<std::string> messages;
    std::vector<MessageIcon> icons;
    std::vector<std::string> questions;
    std::deque<YesNoCancel> answers;
    // Messages and questions in the order they came, for tests of what comes first.
    std::vector<std::string> events;
};

} // namespace zelt::test
