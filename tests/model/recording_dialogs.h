#pragma once
#include <deque>
#include <string>
#include <vector>

#include "model/user_dialogs.h"

namespace voltaris::test {

// Records what the model tells the user and answers its questions from a queue (No once the
// queue is empty).
class RecordingDialogs : public UserDialogs {
public:
    std::vector<std::string> messages;   // plain message boxes
    std::vector<std::string> errors;     // exception message boxes
    std::vector<std::string> questions;  // asked, in order
    std::deque<Answer> answers;

    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    void ShowError(const std::string& text) override { errors.push_back(text); }
    Answer Ask(const std::string& text, bool) override {
        questions.push_back(text);
        if (answers.empty()) return Answer::No;
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    size_t Shown() const { return messages.size() + errors.size(); }
    void Clear() {
        messages.clear();
        errors.clear();
        questions.clear();
    }
};

}  // namespace voltaris::test
