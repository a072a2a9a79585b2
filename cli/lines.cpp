// SPDX-License-Identifier: GPL-3.0-or-later
// voltaris-cli lines FILE TAB equipotential|field [--swap]
// Traces the equipotential or the field lines of a tab as the program does when a view shows
// them, and prints the stored points: "# slots: N" (the slots the run opened), then CSV rows
// slot,point,gx,potential,gz (graph x, volts, graph z); empty slots give no rows.
#include <cstdio>
#include <string>
#include <vector>

#include "cli_common.h"
#include "command_registry.h"
#include "field/equipotential_lines.h"
#include "field/field_lines.h"
#include "field/kernels.h"
#include "field/value_range.h"
#include "output/data_csv.h"

namespace voltaris::cli {
namespace {

void PrintLines(const LineStore& store) {
    store.Read([](const LineSet& lines) {
        std::printf("# slots: %d\n", lines.Last() + 1);
        const std::string csv = LinesCsv(lines);
        std::fwrite(csv.data(), 1, csv.size(), stdout);
    });
}

int Run(const std::vector<std::string>& args) {
    if (args.size() < 3 || args.size() > 4) {
        std::fprintf(stderr, "voltaris-cli lines: FILE, TAB and equipotential or field are required\n");
        return 2;
    }
    const bool equipotentials = args[2] == "equipotential";
    if (!equipotentials && args[2] != "field") {
        std::fprintf(stderr, "voltaris-cli lines: the kind of lines is equipotential or field, not '%s'\n",
                     args[2].c_str());
        return 2;
    }
    Project project;
    if (!LoadProjectArgument(args[0], project) || !ShowTabArgument(project, args[1])) return 1;
    if (args.size() == 4 && !ApplySwapOption(project, args[3])) return 2;

    const FieldSnapshot field = SnapshotOfActiveTab(project);
    ValueRange range;
    ComputeValueRange(field, false, range);
    static LineStore store;
    if (equipotentials) {
        TraceEquipotentials(field, range, true, store);
    } else {
        TraceFieldLines(field, true, store);
    }
    PrintLines(store);
    return 0;
}

RegisterCommand reg({"lines", "FILE TAB equipotential|field [--swap]", &Run,
                     "The traced equipotential or field lines of the tab as CSV (%.9g)."});

}  // namespace
}  // namespace voltaris::cli
