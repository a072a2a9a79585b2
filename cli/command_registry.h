// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

namespace voltaris::cli {

// A subcommand of voltaris-cli. Each lives in its own file and registers itself with a
// file-scope `RegisterCommand`; main() dispatches on the first argument.
struct Command {
    const char* name;
    const char* usage;  // argument synopsis shown by --help, e.g. "FILE TAB X Y [--swap]"
    int (*run)(const std::vector<std::string>& args);  // args after the command name
    // What it prints, for "voltaris-cli help COMMAND".
    const char* summary = "";
};

struct RegisterCommand {
    explicit RegisterCommand(const Command& command);
};

const std::vector<Command>& Commands();

}  // namespace voltaris::cli
