// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_runner.h"

#include <cstdio>
#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace voltaris::test {

namespace {

// Appends everything the command writes to its output, as it writes it.
void ReadAll(FILE* pipe, std::string& output) {
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, n);
}

}  // namespace

#ifdef _WIN32
std::string CliCommand(const std::string& arguments) {
    return "\"" VOLTARIS_CLI "\" " + arguments + " 2>NUL";
}

int RunCli(const std::string& arguments, std::string& output) {
    output.clear();
    FILE* pipe = _popen(CliCommand(arguments).c_str(), "rb");
    if (!pipe) return -1;
    ReadAll(pipe, output);
    return _pclose(pipe);  // the exit code itself
}
#else
std::string CliCommand(const std::string& arguments) {
    return std::string(VOLTARIS_CLI) + " " + arguments + " 2>/dev/null";
}

int RunCli(const std::string& arguments, std::string& output) {
    output.clear();
    FILE* pipe = popen(CliCommand(arguments).c_str(), "r");
    if (!pipe) return -1;
    ReadAll(pipe, output);
    const int status = pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
#endif

}  // namespace voltaris::test
