// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>
#include <random>

#include "model/number_format.h"
#include "particle/amplification_suggestion.h"
#include "particle/bremsstrahlung.h"
#include "particle/trajectory.h"

using namespace voltaris;

namespace {

// An electron launched at (x, y) m towards +x near a positive charge at (5, 5) m.
TrajectoryInputs ElectronNearACharge(float x, float y, int steps) {
    TrajectoryInputs in;
    in.switches.ParticleEnabled = true;
    in.ParticleCount = 1;
    in.field.unitLength = 1;
    in.field.SignFactor = 1;
    in.field.ChargeCount = 1;
    in.field.amount[0] = 5.6e-10;
    in.field.x[0] = 5;
    in.field.y[0] = 5;
    in.field.radius[0] = 0.5f;
    ParticleSlot& s = in.slots[0];
    s.charge = -1.6e-19;
    s.mass = 9.11e-31;
    s.speed = 500000;
    s.x = x;
    s.y = y;
    s.steps = steps;
    s.dt = 6e-9;
    return in;
}

}  // namespace

TEST(Bremsstrahlung, APathOutsideTheSquareSuggestsNoAmplification) {
    auto store = std::make_unique<PathStore>();
    const TrajectoryResult r = BuildParticleTrajectory(ElectronNearACharge(-50, 5, 4000), *store);
    ASSERT_TRUE(r.built);
    EXPECT_EQ(r.SuggestedAmplification, 1.0);
    // Switching the radiation on shows the factor minus one and takes it back from that text.
    EXPECT_EQ(BremsstrahlungBoxText(r.SuggestedAmplification), "0");
    EXPECT_EQ(FactorAfterSwitchingOn(r.SuggestedAmplification), 1.0);
}

TEST(Bremsstrahlung, ThePathInsideTheSquareSuggestsAFactorRoundedToThreeDigits) {
    auto store = std::make_unique<PathStore>();
    const TrajectoryResult r = BuildParticleTrajectory(ElectronNearACharge(1, 2, 4000), *store);
    EXPECT_GT(r.SuggestedAmplification, 71);
    const double factor = FactorAfterSwitchingOn(r.SuggestedAmplification);
    EXPECT_NEAR(factor, r.SuggestedAmplification, r.SuggestedAmplification * 0.005);
    EXPECT_EQ(BremsstrahlungFactorFromText(BremsstrahlungBoxText(r.SuggestedAmplification)), factor);
}

TEST(Bremsstrahlung, AVeryLargeFactorStopsTheParticleWithinOneStep) {
    auto store = std::make_unique<PathStore>();
    TrajectoryInputs in = ElectronNearACharge(1, 2, 4000);
    in.switches.BremsstrahlungEnabled = true;
    in.switches.BremsstrahlungFactor = 1e300;
    BuildParticleTrajectory(in, *store);
    store->Read([](const PathSet& paths) {
        const PathSlot& path = paths.slots[0];
        // The last step is always stored; every step ends at rest, so the particle never
        // gets away from where it started.
        ASSERT_GE(path.PathFloatCount, 3);
        for (int i = 0; i < path.PathFloatCount / 3; ++i) EXPECT_EQ(path.PathSpeed[i], 0.0f);
        EXPECT_NEAR(path.PathPoints[path.PathFloatCount - 3], 1.0f, 1e-3);
        EXPECT_NEAR(path.PathPoints[path.PathFloatCount - 1], 2.0f, 1e-3);
    });
}

TEST(Bremsstrahlung, ZeroTypedMeansThePlainPhysicalLoss) {
    EXPECT_EQ(BremsstrahlungFactorFromText("0"), 1.0);
    EXPECT_EQ(BremsstrahlungFactorFromText("1,5E6"), 1500001.0);
    EXPECT_THROW(BremsstrahlungFactorFromText("viel"), ConversionError);
    // With the factor 1 the loss is too small to change the path visibly.
    auto store = std::make_unique<PathStore>();
    TrajectoryInputs in = ElectronNearACharge(1, 2, 4000);
    BuildParticleTrajectory(in, *store);
    float plainEnd[3];
    store->Read([&](const PathSet& p) {
        const PathSlot& s = p.slots[0];
        std::copy_n(s.PathPoints.data() + s.PathFloatCount - 3, 3, plainEnd);
    });
    in.switches.BremsstrahlungEnabled = true;
    in.switches.BremsstrahlungFactor = BremsstrahlungFactorFromText("0");
    BuildParticleTrajectory(in, *store);
    store->Read([&](const PathSet& p) {
        const PathSlot& s = p.slots[0];
        EXPECT_NEAR(s.PathPoints[s.PathFloatCount - 3], plainEnd[0], 1e-3);
        EXPECT_NEAR(s.PathPoints[s.PathFloatCount - 1], plainEnd[2], 1e-3);
    });
}

// The energy a step radiates, worked out here from the Larmor power with the vacuum
// permittivity rather than the program's constants: with the factor chosen to take half of
// v^2, the speed after the step is v / sqrt(2); a wrong power gives a visibly different one.
TEST(Bremsstrahlung, OneStepLosesTheLarmorEnergyTimesTheFactor) {
    constexpr double Epsilon0 = 8.8541878128e-12;  // F/m
    constexpr double C = 299792458.0;              // m/s
    const double q = -1.6e-19, m = 9.11e-31, dt = 1e-9, v0 = 1e6, amount = 1e-9;
    // A point 3 m to the right of the charge, the electron moving straight up, across the field.
    const double e = amount / (4 * std::numbers::pi * Epsilon0 * 3 * 3);  // V/m
    const double a = q / m * e;                               // m/s^2
    const double larmorPower = q * q * a * a / (6 * std::numbers::pi * Epsilon0 * C * C * C);  // W
    EXPECT_NEAR(RadiatedEnergy(a, q, dt), larmorPower * dt, larmorPower * dt * 1e-5);

    const double vBeforeLoss = std::hypot(v0, a * dt);
    const double factor = 0.5 * vBeforeLoss * vBeforeLoss / (2 * larmorPower * dt / m);
    TrajectoryInputs in = ElectronNearACharge(8, 5, 0);  // steps 0: one step, always stored
    in.field.amount[0] = amount;
    in.slots[0].speed = v0;
    in.slots[0].angle = std::numbers::pi / 2;
    in.slots[0].dt = dt;
    in.switches.BremsstrahlungEnabled = true;
    in.switches.BremsstrahlungFactor = factor;
    for (const auto build : {&BuildParticleTrajectory, &BuildParticleTrajectoryReference}) {
        auto store = std::make_unique<PathStore>();
        build(in, *store);
        store->Read([&](const PathSet& paths) {
            ASSERT_EQ(paths.slots[0].PathFloatCount, 3);
            EXPECT_NEAR(paths.slots[0].PathSpeed[0], vBeforeLoss / std::sqrt(2.0), vBeforeLoss * 1e-5);
        });
    }
}

// The quick steps' form of the "factor surely above 70" test, worked out once per particle,
// must never pass a step the full test refuses (the single step would then keep a factor of
// 70 or less pending), and must pass nearly every step the full test passes. Steps are drawn
// over wide ranges, then right at the full test's threshold and at the edges of its ranges.
TEST(SuggestionSeventyTest, PassesOnlyStepsTheFullTestPassesAndNearlyAllOfThem) {
    struct Particle {
        double q, m;
    };
    const Particle particles[] = {{-1.6e-19, 9.11e-31}, {1.6e-19, 1.67e-27}, {-1.6e-19, 1e-15}, {3.2e-19, 6.6e-27}};
    const double steps[] = {1e-12, 1e-9, 1e-6, 1e-3};
    constexpr double LossFraction = 1 - particle_step::SuggestedSpeedKept * particle_step::SuggestedSpeedKept;
    constexpr double Radiating = 2.0 / (3.0 * SpeedOfLight * SpeedOfLight * SpeedOfLight) * CoulombConstant;
    std::mt19937_64 random(70);
    std::uniform_real_distribution<double> unit(-1, 1);
    int fullPasses = 0, quickPasses = 0, atThreshold = 0;  // the passes counted away from the threshold
    for (const Particle& p : particles) {
        for (const double dt : steps) {
            const double chargePerMass = p.q / p.m;
            const suggestion::SeventyTest quick(chargePerMass, p.q, p.m, dt);
            const double perSquaredField = Radiating * chargePerMass * chargePerMass * p.q * p.q * dt;
            for (int i = 0; i < 3000; ++i) {
                const int kind = i % 3;
                float ex = static_cast<float>(std::pow(10.0, 6 * unit(random) + 3));
                float ey = static_cast<float>(ex * unit(random));
                double squaredField = static_cast<double>(ex) * ex + static_cast<double>(ey) * ey;
                if (kind == 2) {  // at the lower end of the radiated energy
                    const float scale = static_cast<float>(std::sqrt(1e-280 / (perSquaredField * squaredField)));
                    if (!std::isnormal(scale)) continue;
                    ex *= scale;
                    ey *= scale;
                    squaredField = static_cast<double>(ex) * ex + static_cast<double>(ey) * ey;
                }
                // Speeds squared at the full test's threshold for kinds 1 and 2, anywhere for 0.
                const double threshold = 140 * perSquaredField * squaredField / (LossFraction * p.m);
                const double squaredSpeed = kind == 0 ? threshold * std::pow(10.0, 4 * unit(random))
                                                      : threshold * (1 + 1e-8 + 1e-14 * unit(random));
                const double angle = 3 * unit(random);
                const double speed = std::sqrt(squaredSpeed);
                const double vx = speed * std::cos(angle), vy = speed * std::sin(angle);
                const bool full = suggestion::SurelyAboveSeventy(ex, ey, vx, vy, chargePerMass, p.q, p.m, dt);
                const bool passes = quick.SurelyAbove(ex, ey, vx, vy);
                ASSERT_FALSE(passes && !full) << "q " << p.q << " m " << p.m << " dt " << dt << " ex " << ex;
                fullPasses += kind == 0 && full;
                quickPasses += kind == 0 && passes;
                atThreshold += kind != 0 && full;
            }
        }
    }
    EXPECT_GT(atThreshold, 1000);  // the threshold samples do reach the full test's edge
    EXPECT_GT(quickPasses, 0.99 * fullPasses);
}
