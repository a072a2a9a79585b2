// SPDX-License-Identifier: GPL-3.0-or-later
// voltaris-cli path: the settled paths of a tab as CSV.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "cli_runner.h"
#include "doubles/scripted_dialogs.h"
#include "model/project.h"
#include "model/project_file.h"
#include "particle/trajectory.h"

using namespace voltaris;
using voltaris::test::RunCli;

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::vector<double> Fields(const std::string& line) {
    std::vector<double> values;
    std::istringstream in(line);
    for (std::string cell; std::getline(in, cell, ',');) values.push_back(std::strtod(cell.c_str(), nullptr));
    return values;
}

}  // namespace

TEST(PathCommand, PrintsEverySettledPointInFullPrecisionAndTheFinalTimeStep) {
    std::string output;
    ASSERT_EQ(RunCli("path sample 2", output), 0);
    const std::vector<std::string> lines = Lines(output);
    ASSERT_GT(lines.size(), 3u);
    EXPECT_EQ(lines.front(), "slot,index,t,speed,angle,gx,potential,gz");

    // The same tab built here until its time step settles.
    Project project = Project::Initial();
    test::ScriptedDialogs dialogs;
    ASSERT_TRUE(LoadProject(project, "sample", dialogs));
    ShowTab(project, 1, ScrollPositionOfResolution(project.tabs[1].Resolution));
    auto store = std::make_unique<PathStore>();
    int32_t phase = 0;
    for (int pass = 0; pass < 50; ++pass) {
        TrajectoryInputs in;
        in.field = SnapshotOfActiveTab(project);
        in.switches.ParticleEnabled = true;
        in.ParticleCount = project.Active().ParticleCount;
        in.slots = project.Active().particles;
        if (!ApplyTrajectoryResult(BuildParticleTrajectory(in, *store), project, phase)) break;
    }
    char dt[40];
    std::snprintf(dt, sizeof dt, "# dt: %.17g", project.Active().particles[0].dt);
    EXPECT_EQ(lines.back(), dt);

    store->Read([&](const PathSet& paths) {
        const PathSlot& p = paths.slots[0];
        ASSERT_EQ(static_cast<int>(lines.size()), p.PathFloatCount / 3 + 2);
        for (int i = 0; i < p.PathFloatCount / 3; ++i) {
            const std::vector<double> row = Fields(lines[i + 1]);
            ASSERT_EQ(row.size(), 8u) << lines[i + 1];
            EXPECT_EQ(row[0], 0);
            EXPECT_EQ(row[1], i);
            // %.17g gives every float back exactly.
            EXPECT_EQ(static_cast<float>(row[2]), p.PathTime[i]);
            EXPECT_EQ(static_cast<float>(row[3]), p.PathSpeed[i]);
            EXPECT_EQ(static_cast<float>(row[4]), p.PathAngle[i]);
            EXPECT_EQ(static_cast<float>(row[5]), p.PathPoints[3 * i]);
            EXPECT_EQ(static_cast<float>(row[6]), p.PathPoints[3 * i + 1]);
            EXPECT_EQ(static_cast<float>(row[7]), p.PathPoints[3 * i + 2]);
        }
    });
}

TEST(PathCommand, RadiationSlowsTheParticleSwapChangesThePathAndBadFactorsAreRefused) {
    std::string plain, radiating, swapped;
    ASSERT_EQ(RunCli("path sample 2", plain), 0);
    ASSERT_EQ(RunCli("path sample 2 --bremsstrahlung 1e9", radiating), 0);
    ASSERT_EQ(RunCli("path sample 2 --swap", swapped), 0);
    const std::vector<std::string> a = Lines(plain), b = Lines(radiating);
    ASSERT_GT(a.size(), 3u);
    ASSERT_GT(b.size(), 3u);
    // The radiating particle is slower at the same index later on.
    const size_t last = std::min(a.size(), b.size()) - 2;
    EXPECT_LT(Fields(b[last])[3], Fields(a[last])[3]);
    EXPECT_NE(Lines(swapped)[1], a[1]);

    std::string output;
    EXPECT_NE(RunCli("path sample 2 --bremsstrahlung", output), 0);
    EXPECT_NE(RunCli("path sample 2 --bremsstrahlung nan", output), 0);
    EXPECT_NE(RunCli("path sample 2 --bremsstrahlung 1e9x", output), 0);
    EXPECT_EQ(RunCli("path sample 2 --bremsstrahlung 1,5E9", output), 0);
    EXPECT_NE(RunCli("path sample 15", output), 0);
    EXPECT_NE(RunCli("path sample", output), 0);
}

TEST(PathCommand, EnergyAddsItsColumnsAfterTheUnchangedOnes) {
    std::string plain, energy, radiating;
    ASSERT_EQ(RunCli("path sample 1", plain), 0);
    ASSERT_EQ(RunCli("path sample 1 --energy", energy), 0);
    ASSERT_EQ(RunCli("path sample 1 --bremsstrahlung 1e4 --energy", radiating), 0);
    const std::vector<std::string> a = Lines(plain), b = Lines(energy);
    ASSERT_EQ(a.size(), b.size());
    EXPECT_EQ(b.front(), a.front() + ",e_kin_j,e_pot_j,e_total_j");
    EXPECT_EQ(Lines(radiating).front(), a.front() + ",e_kin_j,e_pot_j,e_total_j,e_radiated_j");
    EXPECT_EQ(b.back(), a.back());
    for (size_t i = 1; i + 1 < a.size(); ++i) {
        ASSERT_EQ(b[i].compare(0, a[i].size() + 1, a[i] + ","), 0) << b[i];
        const std::vector<double> row = Fields(b[i]);
        ASSERT_EQ(row.size(), 11u);
        EXPECT_DOUBLE_EQ(row[10], row[8] + row[9]);
    }
}
