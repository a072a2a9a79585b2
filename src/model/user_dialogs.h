// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace voltaris {

// Answers of the "Achtung!" questions; the numbers are the message-box results.
enum class Answer { Yes = 6, No = 7, Cancel = 2 };

// Everything the model needs to tell or ask the user. The program implements it with
// message boxes; tests and the command-line tool answer it themselves.
class UserDialogs {
public:
    virtual ~UserDialogs() = default;
    // Plain message box: caption = the application title, one OK button, no icon.
    virtual void ShowMessage(const std::string& text) = 0;
    // The application's standard exception message box (conversion and load errors).
    virtual void ShowError(const std::string& text) = 0;
    // Question box, caption "Achtung!", question icon; Yes/No, or Yes/No/Cancel when withCancel.
    virtual Answer Ask(const std::string& text, bool withCancel) = 0;
};

}  // namespace voltaris
