// SPDX-License-Identifier: GPL-3.0-or-later
// voltaris-cli convert FILE OUT: loads a project and saves it again as OUT.
#include <cstdio>

#include "cli_common.h"
#include "command_registry.h"
#include "model/project_file.h"

namespace voltaris::cli {
namespace {

int Run(const std::vector<std::string>& args) {
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: voltaris-cli convert FILE OUT\n");
        return ExitUsage;
    }
    Project project;
    if (!LoadProjectArgument(args[0], project)) return 1;
    project.ProjectFileName = args[1];
    StderrDialogs dialogs;
    return SaveProject(project, dialogs) ? 0 : 1;
}

const RegisterCommand registration({"convert", "FILE OUT", &Run, "Loads the project and saves it again as OUT."});

}  // namespace
}  // namespace voltaris::cli
