// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>

#include "field/fast_field.h"
#include "field/kernels.h"
#include "vector_levels.h"

using namespace voltaris;

// A radius of 0 or below makes a point charge; at its very centre it adds nothing, also to
// the potential the batch kernels give.
TEST(FastField, ChargeWithoutPositiveRadiusGivesThePlainKernelsResultsAtItsCentreAndNearIt) {
    test::ForEachVectorLevel([] {
        for (const float radius : {0.0f, -0.5f, float(NAN)}) {
            SCOPED_TRACE(radius);
            FieldSnapshot f;
            f.ChargeCount = 2;
            f.amount[0] = 1e-9;
            f.x[0] = 4;
            f.y[0] = 4;
            f.radius[0] = radius;
            f.amount[1] = -5.6e-10;
            f.x[1] = 7;
            f.y[1] = 2;
            f.radius[1] = 0.5f;
            const FastField fast(f);
            const float xs[4] = {4, 4.25f, 3.5f, 4}, ys[4] = {4, 4, 4, 4.5f};
            double row[4];
            fast.PotentialsAlongRow(xs, 3, 4, row);
            for (int j = 0; j < 4; ++j) {
                const double plain = PotentialAt(f, xs[j], ys[j]);
                ASSERT_TRUE(std::isfinite(plain));
                EXPECT_EQ(fast.Potential(xs[j], ys[j]), plain) << j;
                if (j < 3) {
                    EXPECT_EQ(row[j], plain) << j;
                }
                double angle = 0, plainAngle = 0;
                EXPECT_EQ(fast.Field(xs[j], ys[j], angle), FieldAt(f, xs[j], ys[j], plainAngle)) << j;
                EXPECT_EQ(angle, plainAngle) << j;
                EXPECT_FALSE(fast.InsideAnyCharge(xs[j], ys[j])) << j;
            }
        }
    });
}
