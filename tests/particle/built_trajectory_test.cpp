// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "particle/built_trajectory.h"

using namespace voltaris;

namespace {

Project TwoTabs() {
    Project p = Project::Initial();
    p.TabCount = 2;
    for (FieldTab& tab : p.tabs) {
        tab.ParticleCount = 1;
        tab.particles[0].dt = 1e-8;
    }
    return p;
}

BuiltTrajectory CutFrom(const Project& p, double newDt) {
    BuiltTrajectory b = StartOfBuild(p.ActiveTab, p.Active().particles[0]);
    b.result.built = true;
    b.result.dtCut = true;
    b.result.slot0Dt = newDt;
    b.result.slot0ReferenceSpeed = 0.007 / newDt;
    return b;
}

// A build's time-step cut reaches the tab it was built for, and only while that tab still
// holds the time step the build started from.
TEST(BuiltTrajectory, ACutReachesTheModelOnlyWhileItStillBelongsToIt) {
    Project p = TwoTabs();
    int32_t phases = 0;
    EXPECT_TRUE(ApplyBuiltTrajectory(CutFrom(p, 4e-9), p, phases));
    EXPECT_EQ(p.Active().particles[0].dt, 4e-9);

    // The user switched tabs before the result arrived: the other tab keeps its time step.
    const BuiltTrajectory forFirstTab = CutFrom(p, 2e-9);
    p.ActiveTab = 1;
    EXPECT_FALSE(ApplyBuiltTrajectory(forFirstTab, p, phases));
    EXPECT_EQ(p.tabs[1].particles[0].dt, 1e-8);
    EXPECT_EQ(p.tabs[0].particles[0].dt, 4e-9);

    // The user typed a new time step meanwhile: it is not overwritten by the old build's cut.
    const BuiltTrajectory overtaken = CutFrom(p, 5e-9);
    p.Active().particles[0].dt = 3e-8;
    EXPECT_FALSE(ApplyBuiltTrajectory(overtaken, p, phases));
    EXPECT_EQ(p.Active().particles[0].dt, 3e-8);

    BuiltTrajectory notBuilt = CutFrom(p, 1e-9);
    notBuilt.result.built = false;
    EXPECT_FALSE(ApplyBuiltTrajectory(notBuilt, p, phases));
    EXPECT_EQ(p.Active().particles[0].dt, 3e-8);
}

TEST(BuiltTrajectory, AnAlternatingVoltageStepWritesTheEndStateBackAndCountsThePhase) {
    Project p = TwoTabs();
    BuiltTrajectory b = StartOfBuild(p.ActiveTab, p.Active().particles[0]);
    b.result.built = true;
    b.result.slot0Dt = 1e-8;
    b.result.slotsWrittenBack = 1;
    b.result.endState[0] = SlotEndState{2e5, 1.5, 3.0f, 4.0f};
    b.result.phaseSteps = 1;
    int32_t phases = 11;
    EXPECT_FALSE(ApplyBuiltTrajectory(b, p, phases));
    EXPECT_EQ(phases, 12);
    EXPECT_EQ(p.Active().particles[0].speed, 2e5);
    EXPECT_EQ(p.Active().particles[0].x, 3.0f);
}

}  // namespace
