// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>

#include "field/kernels.h"

using namespace voltaris;

namespace {

FieldSnapshot OneCharge(double amount, float x, float y, float radius) {
    FieldSnapshot f;
    f.ChargeCount = 1;
    f.amount[0] = amount;
    f.x[0] = x;
    f.y[0] = y;
    f.radius[0] = radius;
    return f;
}

}  // namespace

TEST(PotentialAt, SphereHoldsItsRimPotentialInsideAndActsAsPointChargeOutside) {
    const FieldSnapshot f = OneCharge(5.6e-10, 5, 5, 0.5f);
    const double rim = CoulombConstant * 5.6e-10 / 0.5;
    EXPECT_NEAR(rim, 10.066, 1e-3);
    EXPECT_DOUBLE_EQ(PotentialAt(f, 5, 5), rim);
    EXPECT_DOUBLE_EQ(PotentialAt(f, 5.2f, 5), rim);
    EXPECT_DOUBLE_EQ(PotentialAt(f, 5.5f, 5), rim);  // on the rim: the inside value
    EXPECT_DOUBLE_EQ(PotentialAt(f, 7, 5), CoulombConstant * 5.6e-10 / 2);
}

TEST(PotentialAt, SwapChangesTheSignAndAnEmptyTabIsZero) {
    FieldSnapshot f = OneCharge(5.6e-10, 5, 5, 0.5f);
    const double normal = PotentialAt(f, 8, 1);
    f.SignFactor = -1;
    EXPECT_DOUBLE_EQ(PotentialAt(f, 8, 1), -normal);
    EXPECT_EQ(PotentialAt(FieldSnapshot{}, 3, 3), 0.0);
}

TEST(FieldAt, PointsAwayFromAPositiveChargeAndVanishesInsideIt) {
    const FieldSnapshot f = OneCharge(5.6e-10, 5, 5, 0.5f);
    double angle = 0;
    const double e = FieldAt(f, 7, 5, angle);
    EXPECT_NEAR(e, CoulombConstant * 5.6e-10 / 4, 1e-4);
    EXPECT_NEAR(angle, 0, 1e-12);
    FieldAt(f, 3, 5, angle);
    EXPECT_NEAR(angle, Pi, 1e-12);
    // Straight above and below (dx = 0): +-pi/2.
    FieldAt(f, 5, 7, angle);
    EXPECT_DOUBLE_EQ(angle, Pi / 2);
    FieldAt(f, 5, 3, angle);
    EXPECT_DOUBLE_EQ(angle, -Pi / 2);
    // Reversed: the force on a negative particle points inwards.
    FieldAt(f, 7, 5, angle, FieldSources::All(), FieldSense::Reversed);
    EXPECT_NEAR(angle, Pi, 1e-12);
    // Inside the sphere no field; on the rim the full outside field.
    EXPECT_EQ(FieldAt(f, 5.2f, 5, angle), 0.0);
    EXPECT_DOUBLE_EQ(angle, -Pi / 2);
    EXPECT_NEAR(FieldAt(f, 5.5f, 5, angle), CoulombConstant * 5.6e-10 / 0.25, 1e-2);
}

TEST(FieldAt, OnlySelectsOneChargeAndAnEmptyTabGivesNothing) {
    FieldSnapshot f = OneCharge(5.6e-10, 2, 5, 0.5f);
    f.ChargeCount = 2;
    f.amount[1] = -5.6e-10;
    f.x[1] = 8;
    f.y[1] = 5;
    f.radius[1] = 0.5f;
    double angle = 0;
    const double both = FieldAt(f, 5, 5, angle);
    const double first = FieldAt(f, 5, 5, angle, FieldSources::Charge(0));
    const double second = FieldAt(f, 5, 5, angle, FieldSources::Charge(1));
    EXPECT_NEAR(both, first + second, 1e-3);
    EXPECT_EQ(FieldAt(f, 5, 5, angle, FieldSources::Charge(2)), 0.0);  // no third charge: nothing is read
    EXPECT_EQ(FieldAt(FieldSnapshot{}, 1, 1, angle), 0.0);
    EXPECT_DOUBLE_EQ(angle, -Pi / 2);
}

TEST(Kernels, SphereWithoutPositiveRadiusIsAPointChargeThatAddsNothingAtItsCentre) {
    for (const float radius : {0.0f, -0.5f}) {
        SCOPED_TRACE(radius);
        const FieldSnapshot f = OneCharge(1e-9, 4, 4, radius);
        double angle = 0;
        EXPECT_EQ(PotentialAt(f, 4, 4), 0.0);
        EXPECT_EQ(FieldAt(f, 4, 4, angle), 0.0);
        EXPECT_DOUBLE_EQ(angle, -Pi / 2);
        EXPECT_DOUBLE_EQ(PotentialAt(f, 4.1f, 4), CoulombConstant * 1e-9 / (4.1f - 4.0f));
        EXPECT_NEAR(FieldAt(f, 4, 6, angle), CoulombConstant * 1e-9 / 4, 1e-4);
    }
}

TEST(FarEnough, TestsEachAxisAgainstAThresholdThatGrowsOutsideTheSquare) {
    EXPECT_FALSE(FarEnough(1, 5.09f, 5.09f, 5, 5));  // 0.09 diagonally is not enough
    EXPECT_TRUE(FarEnough(1, 5.11f, 5, 5, 5));
    // On the middle of an edge outside: 0.004 * 25 = 0.1; at a corner 0.2.
    EXPECT_FALSE(FarEnough(1, -5.0f, -5.0f, -5.7f, -5.7f));  // threshold 0.004 * 200 = 0.8 there
    EXPECT_TRUE(FarEnough(1, -5.0f, -5.0f, -5.9f, -5.0f));
    // Far out the threshold is capped at 5 graph units.
    EXPECT_TRUE(FarEnough(1, 100, 100, 94.9f, 100));
    EXPECT_FALSE(FarEnough(1, 100, 100, 95.1f, 100));
    // Graph units follow unitLength.
    EXPECT_FALSE(FarEnough(0.01f, 0.0501f, 0.05f, 0.05f, 0.05f));
    EXPECT_TRUE(FarEnough(0.01f, 0.0512f, 0.05f, 0.05f, 0.05f));
}
