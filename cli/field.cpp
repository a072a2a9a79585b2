// SPDX-License-Identifier: GPL-3.0-or-later
// voltaris-cli field FILE TAB X Y [--swap]: field strength (V/m) and its direction (radians).
#include <cstdio>

#include "command_registry.h"
#include "field/kernels.h"
#include "field_probe_args.h"

namespace voltaris::cli {
namespace {

constexpr const char* Usage = "field FILE TAB X Y [--swap]";

int Run(const std::vector<std::string>& args) {
    Project project;
    std::vector<float> point;
    if (const int status = ParseTabProbe(args, 2, Usage, project, point)) return status;
    double angle = 0;
    const double strength = FieldAt(SnapshotOfActiveTab(project), point[0], point[1], angle);
    std::printf("%s %s\n", Format17g(strength).c_str(), Format17g(angle).c_str());
    return 0;
}

const RegisterCommand registration({"field", Usage + 6, &Run,
                                    "The field strength (V/m) and its direction (radians) at the point X Y (metres)."});

}  // namespace
}  // namespace voltaris::cli
