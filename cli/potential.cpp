// SPDX-License-Identifier: GPL-3.0-or-later
// voltaris-cli potential FILE TAB X Y [--swap]: the potential in volts at a point (metres).
#include <cstdio>

#include "command_registry.h"
#include "field/kernels.h"
#include "field_probe_args.h"

namespace voltaris::cli {
namespace {

constexpr const char* Usage = "potential FILE TAB X Y [--swap]";

int Run(const std::vector<std::string>& args) {
    Project project;
    std::vector<float> point;
    if (const int status = ParseTabProbe(args, 2, Usage, project, point)) return status;
    std::printf("%s\n", Format17g(PotentialAt(SnapshotOfActiveTab(project), point[0], point[1])).c_str());
    return 0;
}

const RegisterCommand registration({"potential", Usage + 10, &Run,
                                    "The potential in volts at the point X Y (metres)."});

}  // namespace
}  // namespace voltaris::cli
