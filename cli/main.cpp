#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "command_registry.h"

namespace voltaris::cli {

static std::vector<Command>& Registry() {
    static std::vector<Command> commands;
    return commands;
}

RegisterCommand::RegisterCommand(const Command& command) { Registry().push_back(command); }

const std::vector<Command>& Commands() { return Registry(); }

}  // namespace voltaris::cli

static void PrintUsage(FILE* out) {
    std::fprintf(out, "usage: voltaris-cli COMMAND ARGS...\n"
                      "FILE is a .psf path or the word 'sample'; TAB counts from 1;\n"
                      "X and Y are metres written with a point.\n\ncommands:\n");
    for (const auto& c : voltaris::cli::Commands()) std::fprintf(out, "  %s %s\n", c.name, c.usage);
}

int main(int argc, char** argv) {
    if (argc < 2 || !std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h")) {
        PrintUsage(argc < 2 ? stderr : stdout);
        return argc < 2 ? 2 : 0;
    }
    for (const auto& c : voltaris::cli::Commands()) {
        if (c.name == std::string(argv[1])) return c.run(std::vector<std::string>(argv + 2, argv + argc));
    }
    std::fprintf(stderr, "voltaris-cli: unknown command '%s'\n", argv[1]);
    PrintUsage(stderr);
    return 2;
}
