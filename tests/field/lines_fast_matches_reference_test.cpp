// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "field/equipotential_lines.h"
#include "field/fast_field.h"
#include "field/field_lines.h"
#include "field/kernels.h"
#include "lines_test_support.h"
#include "vector_levels.h"

namespace voltaris {
namespace {

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// The fast kernels must agree with the scalar ones bit for bit, near and far from charges,
// on the rims, on the vertical lines through the centres and inside the spheres.
void ExpectFastKernelsAgreeWithScalarOnes() {
    std::mt19937 random(7);
    for (int tab = 1; tab <= test::SampleTabCount + 1; ++tab) {
        for (int sign : {1, -1}) {
            const FieldSnapshot f = tab <= test::SampleTabCount ? test::SampleTab(tab, sign) : test::TwentyCharges();
            const FastField fast(f);
            const float u = f.unitLength;
            std::uniform_real_distribution<float> coordinate(-30 * u, 40 * u);
            std::uniform_int_distribution<int> pick(0, std::max(0, f.ChargeCount - 1));
            std::vector<float> xs(37);
            for (int round = 0; round < 400; ++round) {
                float x = coordinate(random), y = coordinate(random);
                const int i = pick(random);
                switch (round % 4) {
                    case 1: x = f.x[i]; break;                            // dx = 0
                    case 2: x = f.x[i] + f.radius[i], y = f.y[i]; break;  // on the rim
                    case 3: x = f.x[i] + 0.3f * f.radius[i]; break;       // maybe inside
                    default: break;
                }
                double angle, fastAngle;
                const double e = FieldAt(f, x, y, angle);
                const double fastE = fast.Field(x, y, fastAngle);
                ASSERT_TRUE(SameBits(e, fastE) && SameBits(angle, fastAngle))
                    << "tab " << tab << " at " << x << ", " << y;
                ASSERT_TRUE(SameBits(PotentialAt(f, x, y), fast.Potential(x, y)));
                ASSERT_EQ(InsideAnyCharge(f, x, y), fast.InsideAnyCharge(x, y));
                for (size_t j = 0; j < xs.size(); ++j) xs[j] = x + j * 0.37f * u;
                std::vector<double> row(xs.size());
                fast.PotentialsAlongRow(xs.data(), static_cast<int>(xs.size()), y, row.data());
                for (size_t j = 0; j < xs.size(); ++j) ASSERT_TRUE(SameBits(PotentialAt(f, xs[j], y), row[j]));
                float ex, ey;
                ASSERT_EQ(fast.FieldUnlessInside(x, y, ex, ey), !InsideAnyCharge(f, x, y));
            }
        }
    }
}

TEST(LinesFastKernels, AgreeWithScalarKernelsBitForBit) {
    test::ForEachVectorLevel(ExpectFastKernelsAgreeWithScalarOnes);
}

// The fast tracers at every vector level against the plain ones.
void ExpectSameLines(const FieldSnapshot& f, const std::string& what) {
    static LineStore fast, equipotentials, fieldLines;
    const ValueRange range = test::RangeOf(f);
    TraceEquipotentialsReference(f, range, true, equipotentials);
    TraceFieldLinesReference(f, true, fieldLines);
    test::ForEachVectorLevel([&] {
        TraceEquipotentials(f, range, true, fast);
        EXPECT_EQ(test::DifferenceBetween(fast, equipotentials), "") << what << ": equipotential lines";
        TraceFieldLines(f, true, fast);
        EXPECT_EQ(test::DifferenceBetween(fast, fieldLines), "") << what << ": field lines";
    });
}

TEST(LinesFastTracers, StoreWhatThePlainTracersStoreOnEverySampleTab) {
    for (int tab = 1; tab <= test::SampleTabCount; ++tab) {
        ExpectSameLines(test::SampleTab(tab), "tab " + std::to_string(tab));
        ExpectSameLines(test::SampleTab(tab, -1), "tab " + std::to_string(tab) + " swapped");
    }
}

TEST(LinesFastTracers, StoreWhatThePlainTracersStoreForTwentyCharges) {
    ExpectSameLines(test::TwentyCharges(), "twenty charges");
}

}  // namespace
}  // namespace voltaris
