// SPDX-License-Identifier: GPL-3.0-or-later
// The particle's energies along its stored path.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "doubles/scripted_dialogs.h"
#include "model/project_file.h"
#include "particle/path_energy.h"
#include "particle/settled_paths.h"

using namespace voltaris;

namespace {

// The lowest and highest of total (+ radiated) energy over slot 0's path of a sample tab.
struct EnergySpan {
    double first = 0, lowest = 0, highest = 0, lowestTotal = 0;
};

EnergySpan SpanOfSampleTab(int tab, ParticleSwitches switches) {
    Project project = Project::Initial();
    test::ScriptedDialogs dialogs;
    EXPECT_TRUE(LoadProject(project, "sample", dialogs));
    ShowTab(project, tab, -1);
    switches.ParticleEnabled = true;
    auto store = std::make_unique<PathStore>();
    BuildSettledPaths(project, switches, *store);
    const ParticleSlot& slot = project.Active().particles[0];
    EnergySpan span;
    store->Read([&](const PathSet& paths) {
        const PathSlot& path = paths.slots[0];
        const int points = path.PathFloatCount / 3;
        EXPECT_GT(points, 100);
        for (int i = 0; i < points; ++i) {
            const ParticleEnergy e = EnergyAtPoint(path, i, project.SignFactor * slot.charge, slot.mass);
            const double conserved = e.Total() + e.radiated;
            if (i == 0) span = {conserved, conserved, conserved, e.Total()};
            span.lowest = std::min(span.lowest, conserved);
            span.highest = std::max(span.highest, conserved);
            span.lowestTotal = std::min(span.lowestTotal, e.Total());
        }
    });
    return span;
}

}  // namespace

TEST(PathEnergy, AtAPointTheEnergiesAreHalfMvSquaredAndQV) {
    auto path = std::make_unique<PathSlot>();
    path->PathFloatCount = 6;
    path->PathSpeed[1] = 2e6f;
    path->PathPoints[4] = -27.5f;
    path->PathRadiated[1] = 1e-19f;
    const ParticleEnergy e = EnergyAtPoint(*path, 1, -1.6e-19, 9.11e-31);
    EXPECT_DOUBLE_EQ(e.kinetic, 0.5 * 9.11e-31 * 4e12);
    EXPECT_DOUBLE_EQ(e.potential, -1.6e-19 * -27.5);
    EXPECT_DOUBLE_EQ(e.Total(), e.kinetic + e.potential);
    EXPECT_FLOAT_EQ(e.radiated, 1e-19f);
    EXPECT_NEAR(ElectronVolts(-2.1789e-18), -13.6, 0.01);
}

TEST(PathEnergy, TheBohrOrbitKeepsItsTotalEnergyOfMinus13Point6ElectronVolts) {
    const EnergySpan span = SpanOfSampleTab(0, {});
    EXPECT_LT((span.highest - span.lowest) / -span.first, 0.005);
    EXPECT_NEAR(ElectronVolts(span.first), -13.6, 0.136);
}

TEST(PathEnergy, WithBremsstrahlungTotalAndRadiatedEnergyTogetherStayConstant) {
    ParticleSwitches radiating;
    radiating.BremsstrahlungEnabled = true;
    radiating.BremsstrahlungFactor = 1e4;
    const EnergySpan span = SpanOfSampleTab(0, radiating);
    // The electron loses a good part of its energy, and the radiation has it all.
    EXPECT_LT(span.lowestTotal, 1.2 * span.first);
    EXPECT_LT((span.highest - span.lowest) / -span.first, 0.01);
}
