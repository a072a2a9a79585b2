// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "field/colour_ramp.h"
#include "field/kernels.h"
#include "field/value_range.h"

using namespace voltaris;

namespace {

FieldSnapshot OnePositive() {
    FieldSnapshot f;
    f.ChargeCount = 1;
    f.amount[0] = 5.6e-10;
    f.x[0] = 5;
    f.y[0] = 5;
    f.radius[0] = 0.5f;
    return f;
}

}  // namespace

TEST(ValueRange, OnePositiveChargeSpansZeroToItsRimPotentialWithMargin) {
    ValueRange r;
    ComputeValueRange(OnePositive(), false, r);
    const float rim = static_cast<float>(CoulombConstant * 5.6e-10 / 0.5);
    EXPECT_EQ(r.PotentialMin, 0.0f);
    EXPECT_FLOAT_EQ(r.PotentialMax, rim * 1.1f);
    EXPECT_FLOAT_EQ(r.HeightScale, 10.0f / rim);
    double angle;
    EXPECT_FLOAT_EQ(r.MaxFieldStrength, static_cast<float>(FieldAt(OnePositive(), 5, 6, angle)));
}

TEST(ValueRange, SwapMirrorsTheRangeAndKeepsTheHeightScale) {
    ValueRange normal, swapped;
    FieldSnapshot f = OnePositive();
    ComputeValueRange(f, false, normal);
    f.SignFactor = -1;
    ComputeValueRange(f, false, swapped);
    EXPECT_EQ(swapped.PotentialMin, -normal.PotentialMax);
    EXPECT_EQ(swapped.PotentialMax, -normal.PotentialMin);
    EXPECT_EQ(swapped.HeightScale, normal.HeightScale);
}

TEST(ValueRange, EmptyTabKeepsTheRangeAndResetsTheScales) {
    ValueRange r{-3, 7, 2, 9};
    ComputeValueRange(FieldSnapshot{}, false, r);
    EXPECT_EQ(r.PotentialMin, -3.0f);
    EXPECT_EQ(r.PotentialMax, 7.0f);
    EXPECT_EQ(r.HeightScale, 1.0f);
    EXPECT_EQ(r.MaxFieldStrength, 0.0f);
}

TEST(ValueRange, DuringAnAlternatingVoltageRunTheRangeOnlyGrowsAndTheHeightStays) {
    ValueRange r{-50, 50, 0.25f, 0};
    ComputeValueRange(OnePositive(), true, r);  // the charge's ~10 V lies inside the old range
    EXPECT_FLOAT_EQ(r.PotentialMin, -50.0f);
    EXPECT_FLOAT_EQ(r.PotentialMax, 50.0f);
    EXPECT_EQ(r.HeightScale, 0.25f);
    ValueRange narrow{-1, 1, 0.25f, 0};
    ComputeValueRange(OnePositive(), true, narrow);  // here the charge widens the range
    EXPECT_FLOAT_EQ(narrow.PotentialMin, -1.0f);
    EXPECT_FLOAT_EQ(narrow.PotentialMax, static_cast<float>(CoulombConstant * 5.6e-10 / 0.5) * 1.1f);
    EXPECT_EQ(narrow.HeightScale, 0.25f);
}

TEST(ValueRange, ChargeWithANegativeRadiusKeepsTheScalesFinite) {
    FieldSnapshot f = OnePositive();
    f.radius[0] = -0.5f;  // the table takes any number; the sphere is then a point charge
    f.ChargeCount = 2;
    f.amount[1] = -2.8e-10;
    f.x[1] = 2;
    f.y[1] = 2;
    f.radius[1] = 0.5f;
    ValueRange r;
    ComputeValueRange(f, false, r);
    EXPECT_TRUE(std::isfinite(r.PotentialMin) && std::isfinite(r.PotentialMax));
    // At its own centre the point charge adds nothing, so only the negative one is seen there.
    const float lowest = static_cast<float>(PotentialAt(f, 2, 2));
    EXPECT_EQ(r.PotentialMin, static_cast<float>(lowest * 1.1));
    EXPECT_EQ(r.PotentialMax, 0.0f);
    EXPECT_EQ(r.HeightScale, 10.0f / -lowest);
    EXPECT_TRUE(std::isfinite(r.MaxFieldStrength));
}

TEST(ColourOf, RampRunsFromBlueOverGreenToRed) {
    const ValueRange r{0, 8, 1, 0};
    float red, green, blue;
    ColourOf(0, r, 0, red, green, blue);
    EXPECT_EQ((std::array<float, 3>{red, green, blue}), (std::array<float, 3>{0, 0, 1}));
    ColourOf(0, r, 4, red, green, blue);
    EXPECT_EQ((std::array<float, 3>{red, green, blue}), (std::array<float, 3>{0, 1, 0}));
    ColourOf(0, r, 8, red, green, blue);
    EXPECT_EQ((std::array<float, 3>{red, green, blue}), (std::array<float, 3>{1, 0, 0}));
    ColourOf(0, r, 1, red, green, blue);  // half way up the first quarter
    EXPECT_EQ((std::array<float, 3>{red, green, blue}), (std::array<float, 3>{0, 0.5f, 1}));
    ColourOf(0, r, 9, red, green, blue);
    EXPECT_EQ((std::array<float, 3>{red, green, blue}), (std::array<float, 3>{1, 0, 0}));
    ColourOf(0, r, -1, red, green, blue);
    EXPECT_EQ((std::array<float, 3>{red, green, blue}), (std::array<float, 3>{0, 0, 1}));
}

TEST(ColourOf, SteppedRampEmptyRangeAndUnknownMode) {
    const ValueRange r{0, 8, 1, 0};
    float red, green, blue;
    ColourOf(1, r, 0.2f, red, green, blue);  // a tenth of a quarter above the bottom
    EXPECT_EQ((std::array<float, 3>{red, green, blue}), (std::array<float, 3>{0, 0.2f, 1}));
    ColourOf(1, r, 5.2f, red, green, blue);  // 0.6 into the third quarter
    EXPECT_EQ((std::array<float, 3>{red, green, blue}), (std::array<float, 3>{0.6f, 1, 0}));
    ColourOf(0, ValueRange{3, 3, 1, 0}, 3, red, green, blue);
    EXPECT_EQ((std::array<float, 3>{red, green, blue}), (std::array<float, 3>{0, 0, 0}));
    ColourOf(7, r, 4, red, green, blue);
    EXPECT_EQ((std::array<float, 3>{red, green, blue}), (std::array<float, 3>{0, 0, 0}));
}
