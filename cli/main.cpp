// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cli_common.h"
#include "command_registry.h"
#include "model/platform.h"

namespace voltaris::cli {

static std::vector<Command>& Registry() {
    static std::vector<Command> commands;
    return commands;
}

RegisterCommand::RegisterCommand(const Command& command) { Registry().push_back(command); }

const std::vector<Command>& Commands() { return Registry(); }

}  // namespace voltaris::cli

static void PrintUsage(FILE* out) {
    std::fprintf(out,
                 "usage: voltaris-cli COMMAND ARGS...\n"
                 "       voltaris-cli help [COMMAND] | --help | --version\n"
                 "FILE is a .psf path or the word 'sample'; TAB counts from 1;\n"
                 "X and Y are metres written with a point.\n\ncommands:\n");
    for (const auto& c : voltaris::cli::Commands()) std::fprintf(out, "  %s %s\n", c.name, c.usage);
    std::fprintf(out,
                 "\nexit status: 0 success, 1 the command failed (a file not read or written,\n"
                 "no such tab), 2 wrong command line\n");
}

static const voltaris::cli::Command* FindCommand(const std::string& name) {
    for (const auto& c : voltaris::cli::Commands()) {
        if (c.name == name) return &c;
    }
    std::fprintf(stderr, "voltaris-cli: unknown command '%s'\n", name.c_str());
    PrintUsage(stderr);
    return nullptr;
}

// "help" alone is --help; "help COMMAND" shows that command's synopsis and what it prints.
static int Help(int argc, char** argv) {
    if (argc == 2) {
        PrintUsage(stdout);
        return 0;
    }
    if (argc > 3) {
        std::fprintf(stderr, "usage: voltaris-cli help [COMMAND]\n");
        return voltaris::cli::ExitUsage;
    }
    const voltaris::cli::Command* command = FindCommand(argv[2]);
    if (!command) return voltaris::cli::ExitUsage;
    std::printf("usage: voltaris-cli %s %s\n%s\n", command->name, command->usage, command->summary);
    return 0;
}

int main(int argc, char** argv) {
    using voltaris::cli::ExitUsage;
    voltaris::UseByteExactStandardStreams();
    // UTF-8 on every system: file names with any letters reach the commands intact.
    std::vector<std::string> arguments = voltaris::CommandLineArguments(argc, argv);
    std::vector<char*> pointers;
    for (std::string& argument : arguments) pointers.push_back(argument.data());
    argv = pointers.data();
    if (argc < 2 || !std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h")) {
        PrintUsage(argc < 2 ? stderr : stdout);
        return argc < 2 ? ExitUsage : 0;
    }
    if (!std::strcmp(argv[1], "--version")) {
        std::printf("voltaris-cli %s\n", VOLTARIS_VERSION);
        return 0;
    }
    if (!std::strcmp(argv[1], "help")) return Help(argc, argv);
    const voltaris::cli::Command* command = FindCommand(argv[1]);
    return command ? command->run(std::vector<std::string>(argv + 2, argv + argc)) : ExitUsage;
}
