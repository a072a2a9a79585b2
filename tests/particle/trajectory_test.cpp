// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "field/kernels.h"
#include "model/number_format.h"
#include "particle/trajectory.h"

using namespace voltaris;

namespace {

TrajectoryInputs Electron(float x, float y, double speed, double angle, int steps, double dt = 1e-9) {
    TrajectoryInputs in;
    in.switches.ParticleEnabled = true;
    in.ParticleCount = 1;
    ParticleSlot& s = in.slots[0];
    s.charge = -1.6e-19;
    s.mass = 9.1e-31;
    s.speed = speed;
    s.angle = angle;
    s.x = x;
    s.y = y;
    s.steps = steps;
    s.dt = dt;
    return in;
}

void AddCharge(TrajectoryInputs& in, double amount, float x, float y, float radius) {
    const int i = in.field.ChargeCount++;
    in.field.amount[i] = amount;
    in.field.x[i] = x;
    in.field.y[i] = y;
    in.field.radius[i] = radius;
}

int PointsOf(const PathStore& store, int slot) {
    int n = 0;
    store.Read([&](const PathSet& p) { n = p.slots[slot].PathFloatCount / 3; });
    return n;
}

}  // namespace

TEST(Trajectory, StartInsideAChargeOrFarAwayGivesAnEmptyPath) {
    auto store = std::make_unique<PathStore>();
    TrajectoryInputs in = Electron(5, 5, 1000, 0, 4000);
    AddCharge(in, 5.6e-10, 5, 5, 0.5f);
    BuildParticleTrajectory(in, *store);
    EXPECT_EQ(PointsOf(*store, 0), 0);
    in = Electron(150, 5, 1000, 0, 4000);
    BuildParticleTrajectory(in, *store);
    EXPECT_EQ(PointsOf(*store, 0), 0);
}

TEST(Trajectory, FreeFlightIsAStraightLineAtConstantSpeedEndingOnTheLastStep) {
    auto store = std::make_unique<PathStore>();
    // 4000 steps of 2e-9 s at 1e5 m/s: 0.2 mm per step, 0.8 m in all, the time step well below the cut.
    const TrajectoryInputs in = Electron(1, 2, 1e5, 0, 4000, 2e-9);
    const TrajectoryResult r = BuildParticleTrajectory(in, *store);
    EXPECT_FALSE(r.dtCut);
    EXPECT_EQ(r.slot0Dt, 2e-9);
    store->Read([&](const PathSet& p) {
        const PathSlot& s = p.slots[0];
        const int n = s.PathFloatCount / 3;
        ASSERT_GT(n, 2);
        for (int i = 0; i < n; ++i) {
            EXPECT_FLOAT_EQ(s.PathPoints[3 * i + 2], 2.0f);
            EXPECT_FLOAT_EQ(s.PathSpeed[i], 1e5f);
        }
        // 4001 steps: the last stored point is the position after the last one.
        // Times and positions are summed in float32 step by step.
        EXPECT_NEAR(s.PathTime[n - 1], 4001 * 2e-9, 1e-3 * 4001 * 2e-9);
        EXPECT_NEAR(s.PathPoints[3 * (n - 1)], 1 + 4001 * 2e-4, 1e-3);
    });
}

TEST(Trajectory, FastParticleGetsASmallerTimeStepAndAsksForAnotherPass) {
    auto store = std::make_unique<PathStore>();
    TrajectoryInputs in = Electron(1, 2, 1e6, 0, 4000, 1e-8);  // 10 mm per step: far above 7 mm
    TrajectoryResult r = BuildParticleTrajectory(in, *store);
    EXPECT_TRUE(r.dtCut);
    EXPECT_DOUBLE_EQ(r.slot0Dt, 0.007 / 1e6);
    in.slots[0].dt = r.slot0Dt;
    r = BuildParticleTrajectory(in, *store);
    EXPECT_FALSE(r.dtCut);

    Project project = Project::Initial();
    int32_t phase = 0;
    EXPECT_FALSE(ApplyTrajectoryResult(r, project, phase));
    EXPECT_DOUBLE_EQ(project.Active().particles[0].dt, 0.007 / 1e6);
}

TEST(Trajectory, NumbersThatCannotGiveAPathGiveAnEmptyOneWithoutHanging) {
    auto store = std::make_unique<PathStore>();
    for (const double mass : {0.0, double(NAN), double(INFINITY)}) {
        TrajectoryInputs in = Electron(1, 1, 1e5, 0, 4000, 1e-9);
        AddCharge(in, 5.6e-10, 5, 5, 0.5f);
        in.slots[0].mass = mass;
        BuildParticleTrajectory(in, *store);
        EXPECT_EQ(PointsOf(*store, 0), 0) << mass;
    }
    for (const double dt : {0.0, -1e-9, double(NAN)}) {
        TrajectoryInputs in = Electron(1, 1, 1e5, 0, 4000, dt);
        in.switches.AcRunning = true;
        BuildParticleTrajectory(in, *store);
        EXPECT_EQ(PointsOf(*store, 0), 0) << dt;
    }
    TrajectoryInputs in = Electron(1, 1, 1e5, 0, 4000, 1e-9);
    in.slots[0].charge = NAN;
    BuildParticleTrajectory(in, *store);
    EXPECT_EQ(PointsOf(*store, 0), 0);
}

TEST(Trajectory, AlternatingVoltageStepContinuesThePathAndReportsTheEndState) {
    auto store = std::make_unique<PathStore>();
    TrajectoryInputs in = Electron(1, 1, 1e5, 0.5, 4000, 0.004 * 1.8939e-8);
    in.switches.AcRunning = true;
    in.switches.AcChunkDuration = 1.8939e-8f;
    TrajectoryResult r = BuildParticleTrajectory(in, *store);
    EXPECT_EQ(r.phaseSteps, 1);
    ASSERT_EQ(r.slotsWrittenBack, 1);
    const int first = PointsOf(*store, 0);
    // About 250 steps of a 1.8939e-8 s phase step.
    EXPECT_NEAR(r.endState[0].x, 1 + std::cos(0.5) * 1e5 * 251 * 0.004 * 1.8939e-8, 1e-4);
    in.slots[0].x = r.endState[0].x;
    in.slots[0].y = r.endState[0].y;
    BuildParticleTrajectory(in, *store);
    EXPECT_GE(PointsOf(*store, 0), first);
}

TEST(Trajectory, FastBuildStoresThePlainBuildsPointsWithAndWithoutRadiation) {
    auto fast = std::make_unique<PathStore>(), plain = std::make_unique<PathStore>();
    TrajectoryInputs in = Electron(0.5f, 5, 4e5, 0.3, 200000, 3e-9);
    AddCharge(in, 5.6e-10, 4, 4, 0.5f);
    AddCharge(in, -2.8e-10, 7, 6, 0.3f);
    AddCharge(in, 1.12e-9, 3, 8, 0.5f);
    AddCharge(in, -5.6e-10, 8, 2, 0.4f);
    in.ParticleCount = 2;
    in.slots[1] = in.slots[0];
    in.slots[1].angle = -1.2;
    for (const bool radiation : {false, true}) {
        in.switches.BremsstrahlungEnabled = radiation;
        in.switches.BremsstrahlungFactor = 1e9;
        const TrajectoryResult a = BuildParticleTrajectory(in, *fast);
        const TrajectoryResult b = BuildParticleTrajectoryReference(in, *plain);
        EXPECT_EQ(a.slot0Dt, b.slot0Dt);
        EXPECT_NEAR(a.SuggestedAmplification, b.SuggestedAmplification, 1e-9 * b.SuggestedAmplification);
        fast->Read([&](const PathSet& f) {
            plain->Read([&](const PathSet& p) {
                for (int s = 0; s < 2; ++s) {
                    ASSERT_EQ(f.slots[s].PathFloatCount, p.slots[s].PathFloatCount);
                    for (int i = 0; i < f.slots[s].PathFloatCount; ++i)
                        ASSERT_EQ(f.slots[s].PathPoints[i], p.slots[s].PathPoints[i]) << i;
                }
            });
        });
    }
}

namespace {

// The first sample tab: an electron circling a proton at the Bohr radius.
TrajectoryInputs BohrAtom(float& centre) {
    TrajectoryInputs in = Electron(static_cast<float>(ParseNumber("1,46431131109459E-11")),
                                   static_cast<float>(ParseNumber("1,09851858512422E-11")), 2192308,
                                   ParseNumber("-222,129845303873") * Pi / 180, 201407,
                                   ParseNumber("5,50039485664272E-21"));
    in.slots[0].mass = 9.1e-31;
    in.field.unitLength = UnitLengthOf(-10);
    centre = static_cast<float>(ParseNumber("5,00000006675716E-11"));
    AddCharge(in, ParseNumber("1,60217646821162E-19"), centre, centre,
              static_cast<float>(ParseNumber("3,49028206510227E-12")));
    return in;
}

// Builds until the time step has settled, as the frame loop does.
TrajectoryResult Settle(TrajectoryInputs& in, PathStore& store) {
    TrajectoryResult r;
    for (int pass = 0; pass < 20; ++pass) {
        r = BuildParticleTrajectory(in, store);
        in.slots[0].dt = r.slot0Dt;
        if (!r.dtCut) break;
    }
    return r;
}

}  // namespace

TEST(Trajectory, BohrOrbitKeepsItsRadiusAndEnergy) {
    auto store = std::make_unique<PathStore>();
    float centre = 0;
    TrajectoryInputs in = BohrAtom(centre);
    const TrajectoryResult r = Settle(in, *store);
    ASSERT_FALSE(r.dtCut);
    const double r0 = std::hypot(in.slots[0].x - centre, in.slots[0].y - centre);
    const double q = in.slots[0].charge, m = in.slots[0].mass, v0 = in.slots[0].speed;
    const double e0 = 0.5 * m * v0 * v0 + q * PotentialAt(in.field, in.slots[0].x, in.slots[0].y);
    store->Read([&](const PathSet& p) {
        const PathSlot& s = p.slots[0];
        const int n = s.PathFloatCount / 3;
        ASSERT_GT(n, 100);
        for (int i = 0; i < n; ++i) {
            const double x = s.PathPoints[3 * i] * in.field.unitLength, y = s.PathPoints[3 * i + 2] * in.field.unitLength;
            ASSERT_NEAR(std::hypot(x - centre, y - centre), r0, 0.02 * r0) << i;
            const double energy = 0.5 * m * s.PathSpeed[i] * s.PathSpeed[i] + q * s.PathPoints[3 * i + 1];
            ASSERT_NEAR(energy, e0, 0.02 * std::fabs(e0)) << i;
        }
    });
}

// A million steps of 0.0066 graph units round the orbit store a point every 15 steps or so:
// the store fills up.
TEST(Trajectory, FullStoreEndsTheBuildAndLaterSlotsAreNotComputed) {
    auto store = std::make_unique<PathStore>();
    float centre = 0;
    TrajectoryInputs in = BohrAtom(centre);
    in.slots[0].dt = 3e-20;  // still below the cut at the orbit's speed
    in.slots[0].steps = 1000000;
    in.ParticleCount = 2;
    in.slots[1] = in.slots[0];
    // Two short builds first: both sets of the double buffer hold a path in slot 1.
    TrajectoryInputs brief = in;
    brief.slots[0].steps = brief.slots[1].steps = 2000;
    for (int i = 0; i < 2; ++i) BuildParticleTrajectory(brief, *store);
    ASSERT_GT(PointsOf(*store, 1), 0);

    const TrajectoryResult r = BuildParticleTrajectory(in, *store);
    EXPECT_TRUE(r.storeFull);
    EXPECT_EQ(PointsOf(*store, 0), 33332);
    EXPECT_EQ(PointsOf(*store, 1), 0);  // no path left over from an earlier build
}
