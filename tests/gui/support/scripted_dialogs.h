#pragma once
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "model/project_commands.h"

namespace voltaris::test {

// Answers every dialog of the program from what the test queued and records what was
// shown. An empty queue answers No, cancels the file dialogs and the text box.
class ScriptedDialogs : public CommandDialogs {
public:
    std::deque<Answer> answers;
    std::deque<std::optional<std::string>> openFiles, saveFiles;
    std::deque<std::optional<std::string>> texts;
    std::vector<std::string> messages, errors, questions;
    int openDialogs = 0, saveDialogs = 0;
    std::vector<std::string> textTitles;

    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    void ShowError(const std::string& text) override { errors.push_back(text); }
    Answer Ask(const std::string& text, bool) override {
        questions.push_back(text);
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
