// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "model/project.h"
#include "model/user_dialogs.h"

namespace voltaris::cli {

// Exit statuses besides 0 (success), the same for every command.
constexpr int ExitFailure = 1;  // the work could not be done: a file not read or written, no such tab
constexpr int ExitUsage = 2;    // the command line is wrong: unknown command or option, missing or bad argument

// Messages go to stderr; questions are answered No.
class StderrDialogs : public UserDialogs {
public:
    void ShowMessage(const std::string& text) override;
    void ShowError(const std::string& text) override;
    Answer Ask(const std::string& text, bool withCancel) override;
    bool failed = false;  // an error was shown
};

// Loads FILE (a .psf path or the word "sample") into `project`; false after an error on stderr.
bool LoadProjectArgument(const std::string& file, Project& project);
// Makes tab TAB (counted from 1) the shown tab as the program would; false with a message.
bool ShowTabArgument(Project& project, const std::string& tab);
// Metres written with a point ("1.5", "-2e-3"); false with a message.
bool ParseMetresArgument(const std::string& text, float& value);
// Applies "--swap" (SignFactor -1) if present; false for any other unknown option.
bool ApplySwapOption(Project& project, const std::string& option);
// printf("%.17g") into a string, independent of the locale.
std::string Format17g(double value);

}  // namespace voltaris::cli
