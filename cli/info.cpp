// SPDX-License-Identifier: GPL-3.0-or-later
// voltaris-cli info FILE: the project's name and one line per tab.
#include <cstdio>

#include "cli_common.h"
#include "command_registry.h"

namespace voltaris::cli {
namespace {

int Run(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: voltaris-cli info FILE\n");
        return ExitUsage;
    }
    Project project;
    if (!LoadProjectArgument(args[0], project)) return 1;
    std::printf("project: %s\n", project.ProjectName.c_str());
    for (int t = 0; t < project.TabCount; ++t) {
        const FieldTab& tab = project.tabs[t];
        std::printf("%d\t%s\t%s\t%d\t%d\n", t + 1, tab.caption.c_str(), Format17g(tab.Resolution).c_str(),
                    tab.ChargeCount, tab.ParticleCount);
    }
    return 0;
}

const RegisterCommand registration(
    {"info", "FILE", &Run, "The project name, then per tab: number, caption, resolution, charges, particles."});

}  // namespace
}  // namespace voltaris::cli
