// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace voltaris::test {

// The shell command that runs the built voltaris-cli with `arguments`, its error output
// discarded.
std::string CliCommand(const std::string& arguments);
// Runs it; its standard output (bytes unchanged) in `output`. The exit status, or -1 when the
// program could not run or did not end normally.
int RunCli(const std::string& arguments, std::string& output);

}  // namespace voltaris::test
