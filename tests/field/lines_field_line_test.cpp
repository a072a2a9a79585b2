// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "field/field_lines.h"
#include "field/kernels.h"
#include "field/trace_rules.h"
#include "lines_test_support.h"

namespace voltaris {
namespace {

using test::Line;
using Point = test::LinePoint;

using Tracer = void (*)(const FieldSnapshot&, bool, LineStore&);

class FieldLines : public testing::TestWithParam<Tracer> {
protected:
    std::vector<Line> Trace(const FieldSnapshot& f) {
        GetParam()(f, true, store_);
        return test::LinesOf(store_);
    }
    std::vector<Line> Trace(std::vector<test::ChargeText> charges, int signFactor = 1) {
        return Trace(test::TabSnapshot("1", charges, signFactor));
    }

    LineStore store_;
};

INSTANTIATE_TEST_SUITE_P(FastAndPlain, FieldLines, testing::Values(&TraceFieldLines, &TraceFieldLinesReference));

TEST_P(FieldLines, OnePositiveChargeSendsSixteenStraightLinesOutOfTheTraceArea) {
    const std::vector<Line> lines = Trace({{"5,6E-10", "5", "5", "0,5"}});
    ASSERT_EQ(lines.size(), 16u);
    for (size_t k = 0; k < lines.size(); ++k) {
        const Line& line = lines[k];
        ASSERT_GT(line.size(), 5u);
        // The k-th line leaves at 2 pi k / 16, clockwise from +y.
        const double theta = 2 * Pi * k / 16;
        for (const Point& p : line) {
            const double along = (p.x - 5) * std::sin(theta) + (p.z - 5) * std::cos(theta);
            const double across = (p.x - 5) * std::cos(theta) - (p.z - 5) * std::sin(theta);
            EXPECT_GT(along, 0);
            EXPECT_LT(std::fabs(across), 1e-3 * along + 1e-4);
        }
        // Stored sparsely far out, but the last point lies near the edge of the trace area.
        EXPECT_GT(std::max(std::fabs(line.back().x), std::fabs(line.back().z)), 90);
    }
    EXPECT_NEAR(lines[0].front().x, 5, 1e-4);  // the first line runs along +y
    EXPECT_GT(lines[0].front().z, 5.5);
}

TEST_P(FieldLines, LinesFromThePositiveChargeEndInsideTheNegativeOne) {
    const std::vector<Line> lines = Trace({{"5,6E-10", "3", "5", "0,5"}, {"-5,6E-10", "7", "5", "0,5"}});
    ASSERT_EQ(lines.size(), 16u) << "the negative charge emits none";
    int ending = 0;
    for (const Line& line : lines) {
        ASSERT_FALSE(line.empty());
        ending += std::hypot(line.back().x - 7, line.back().z - 5) < 0.5 + 0.15;
    }
    EXPECT_GE(ending, 10);
    EXPECT_LT(std::hypot(lines[4].back().x - 7, lines[4].back().z - 5), 0.65) << "the line straight to it";
}

TEST_P(FieldLines, OnlyChargesShownPositiveEmitLines) {
    const std::vector<test::ChargeText> negative = {{"-5,6E-10", "3", "5", "0,5"}, {"-2,8E-10", "7", "5", "0,5"}};
    EXPECT_TRUE(Trace(negative).empty());
    // Swapped, the former negative charges emit 16 and 8 lines.
    const std::vector<Line> swapped = Trace(negative, -1);
    ASSERT_EQ(swapped.size(), 24u);
    EXPECT_LT(std::hypot(swapped[0].front().x - 3, swapped[0].front().z - 5), 0.7);
    EXPECT_LT(std::hypot(swapped[16].front().x - 7, swapped[16].front().z - 5), 0.7);
    EXPECT_TRUE(Trace({{"0", "5", "5", "0,5"}}).empty());
}

TEST_P(FieldLines, NumberOfLinesFollowsTheShareOfTheLargestAmountHeldAsFloat32) {
    EXPECT_EQ(Trace({{"5,6E-10", "3", "5", "0,5"}, {"2,8E-10", "7", "5", "0,5"}}).size(), 16u + 8u);
    // 4E-10 rounded to float32 is larger than itself: 15 lines.
    EXPECT_EQ(Trace({{"4E-10", "5", "5", "0,5"}}).size(), 15u);
    // Below a sixteenth of the largest amount: none.
    EXPECT_EQ(Trace({{"5,6E-10", "3", "5", "0,5"}, {"3E-11", "7", "5", "0,5"}}).size(), 16u);
}

TEST_P(FieldLines, AtTheSmallestScaleTheStartCircleLiesOutsideTheTraceArea) {
    // Tab 1 of the sample: 1E-10 m square; the start circle is 0.0001 m out.
    const std::vector<Line> lines = Trace(test::SampleTab(1));
    ASSERT_EQ(lines.size(), 16u);
    for (const Line& line : lines) EXPECT_TRUE(line.empty());
}

TEST(FieldLineCount, LargestAmountThatFloat32RoundsToZeroGivesSixteenNotInfinitelyMany) {
    EXPECT_EQ(FieldLineCountOf(1e-50, 0.0f), 16);
    EXPECT_EQ(FieldLineCountOf(5.6e-10, static_cast<float>(5.6e-10)), 16);
    EXPECT_EQ(FieldLineCountOf(2.8e-10, static_cast<float>(5.6e-10)), 8);
}

TEST(FieldLineStep, EndsInsideAChargeWithoutMovingAndMovesAlongTheField) {
    const FieldSnapshot f = test::TabSnapshot("1", {{"5,6E-10", "5", "5", "0,5"}});
    float x = 5.2f, y = 5;
    EXPECT_FALSE(FieldLineStep(f, x, y));
    EXPECT_EQ(x, 5.2f);
    x = 6;
    EXPECT_TRUE(FieldLineStep(f, x, y));
    EXPECT_NEAR(x, 6.05, 1e-6);
    EXPECT_NEAR(y, 5, 1e-6);
    x = 99.99f;
    EXPECT_FALSE(FieldLineStep(f, x, y)) << "beyond 100 graph units from the origin";
}

}  // namespace
}  // namespace voltaris
