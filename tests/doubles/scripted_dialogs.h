// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "model/project_commands.h"

namespace voltaris::test {

// Stands in for every dialog of the program: answers from what the test queued and records
// what was shown. An empty queue answers No, cancels the file dialogs and the text box. Tests
// that expect silence check Shown() afterwards.
class ScriptedDialogs : public CommandDialogs {
public:
    std::deque<Answer> answers;
    std::deque<std::optional<std::string>> openFiles, saveFiles;
    std::deque<std::optional<std::string>> texts;
    std::vector<std::string> messages;   // plain message boxes
    std::vector<std::string> errors;     // exception message boxes
    std::vector<std::string> questions;  // asked, in order
    std::vector<bool> questionsWithCancel;
    std::vector<std::string> textTitles;
    int openDialogs = 0, saveDialogs = 0;

    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    void ShowError(const std::string& text) override { errors.push_back(text); }
    Answer Ask(const std::string& text, bool withCancel) override {
        questions.push_back(text);
        questionsWithCancel.push_back(withCancel);
        return Next(answers, Answer::No);
    }
    std::optional<std::string> ChooseFileToOpen() override {
        ++openDialogs;
        return Next(openFiles, std::optional<std::string>());
    }
    std::optional<std::string> ChooseFileToSave() override {
        ++saveDialogs;
        return Next(saveFiles, std::optional<std::string>());
    }
    std::string AskText(const std::string& title, const std::string&, const std::string& preset) override {
        textTitles.push_back(title);
        return Next(texts, std::optional<std::string>()).value_or(preset);
    }

    // Message boxes shown (questions not counted).
    size_t Shown() const { return messages.size() + errors.size(); }
    // Every message box shown, one per line: for a test's failure text.
    std::string ShownText() const {
        std::string text;
        for (const auto* list : {&messages, &errors}) {
            for (const std::string& shown : *list) text += shown + "\n";
        }
        return text;
    }
    void Clear() {
        messages.clear();
        errors.clear();
        questions.clear();
        questionsWithCancel.clear();
        textTitles.clear();
    }

private:
    template <class T>
    static T Next(std::deque<T>& queue, T otherwise) {
        if (queue.empty()) return otherwise;
        T value = queue.front();
        queue.pop_front();
        return value;
    }
};

}  // namespace voltaris::test
