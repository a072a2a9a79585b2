// SPDX-License-Identifier: GPL-3.0-or-later
// voltaris-cli range FILE TAB [--swap]: the display scaling of a tab.
#include <cstdio>

#include "command_registry.h"
#include "field/kernels.h"
#include "field/value_range.h"
#include "field_probe_args.h"

namespace voltaris::cli {
namespace {

constexpr const char* Usage = "range FILE TAB [--swap]";

int Run(const std::vector<std::string>& args) {
    Project project;
    std::vector<float> none;
    if (const int status = ParseTabProbe(args, 0, Usage, project, none)) return status;
    ValueRange range;
    ComputeValueRange(SnapshotOfActiveTab(project), false, range);
    std::printf("%s %s %s %s\n", Format17g(range.PotentialMin).c_str(), Format17g(range.PotentialMax).c_str(),
                Format17g(range.HeightScale).c_str(), Format17g(range.MaxFieldStrength).c_str());
    return 0;
}

const RegisterCommand registration({"range", Usage + 6, &Run,
                                    "The display scaling: PotentialMin PotentialMax HeightScale MaxFieldStrength."});

}  // namespace
}  // namespace voltaris::cli
