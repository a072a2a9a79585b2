// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Argument handling shared by the commands that probe the field of one tab.
#include <cstdio>
#include <string>
#include <vector>

#include "cli_common.h"

namespace voltaris::cli {

// FILE TAB followed by `points` coordinates and the optional --swap: loads, shows the tab and
// fills `coordinates`. Returns 0, or after a message on stderr the exit status: 2 for a wrong
// command line, 1 when the file or the tab cannot be loaded.
inline int ParseTabProbe(const std::vector<std::string>& args, size_t points, const char* usage, Project& project,
                         std::vector<float>& coordinates) {
    const size_t fixed = 2 + points;
    if (args.size() < fixed || args.size() > fixed + 1) {
        std::fprintf(stderr, "usage: voltaris-cli %s\n", usage);
        return ExitUsage;
    }
    coordinates.assign(points, 0.0f);
    for (size_t i = 0; i < points; ++i)
        if (!ParseMetresArgument(args[2 + i], coordinates[i])) return ExitUsage;
    if (!LoadProjectArgument(args[0], project) || !ShowTabArgument(project, args[1])) return ExitFailure;
    return args.size() == fixed || ApplySwapOption(project, args[fixed]) ? 0 : ExitUsage;
}

}  // namespace voltaris::cli
