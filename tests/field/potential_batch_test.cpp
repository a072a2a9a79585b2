// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "field/kernels.h"
#include "field/potential_batch.h"
#include "field/potential_estimate.h"
#include "vector_levels.h"

using namespace voltaris;

namespace {

// Charges of every kind the model allows: ordinary spheres, a sphere of radius 0 and one with
// a negative radius (both point charges but at their centres), a charge of amount 0.
FieldSnapshot Awkward(int sign) {
    FieldSnapshot f;
    const double amount[] = {5.6e-10, -8.4e-10, 2.8e-10, -1.4e-10, 0.0, 1.12e-9, -4e-10};
    const float x[] = {1.25f, 3.5f, 5.0f, 7.0f, 2.0f, 9.5f, 6.0f};
    const float y[] = {2.0f, 7.75f, 5.0f, 1.0f, 9.0f, 9.5f, 3.0f};
    const float radius[] = {0.5f, 0.4f, 0.0f, -0.5f, 0.3f, 0.25f, 0.35f};
    f.ChargeCount = 7;
    for (int i = 0; i < f.ChargeCount; ++i) {
        f.amount[i] = amount[i];
        f.x[i] = x[i];
        f.y[i] = y[i];
        f.radius[i] = radius[i];
    }
    f.SignFactor = sign;
    return f;
}

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// Centres, rim points and points spread over the square and beyond it.
void AwkwardPoints(const FieldSnapshot& f, std::vector<float>& xs, std::vector<float>& ys) {
    for (int i = 0; i < f.ChargeCount; ++i) {
        xs.insert(xs.end(), {f.x[i], f.x[i] + f.radius[i], f.x[i]});
        ys.insert(ys.end(), {f.y[i], f.y[i], f.y[i] - f.radius[i]});
    }
    for (int k = 0; k < 997; ++k) {  // an odd count leaves a remainder after the blocks
        xs.push_back(-1.0f + 12.0f * static_cast<float>((k * 7919) % 997) / 997.0f);
        ys.push_back(-1.0f + 12.0f * static_cast<float>((k * 104729) % 991) / 991.0f);
    }
}

// Rows through a sphere's centre and one's rim, through both point charges' centres, near the
// square's edges.
std::vector<float> AwkwardRows(const std::vector<float>& ys) { return {ys[0], ys[5], 5.0f, 1.0f, 0.07f, 10.0f}; }

}  // namespace

TEST(PotentialBatch, GivesPotentialAtBitForBitAtCentresRimsAndEverywhereElse) {
    test::ForEachVectorLevel([] {
        for (const int sign : {1, -1}) {
            const FieldSnapshot f = Awkward(sign);
            std::vector<float> xs, ys;
            AwkwardPoints(f, xs, ys);
            const int n = static_cast<int>(xs.size());
            std::vector<double> out(n);
            PotentialAtPoints(f, xs.data(), ys.data(), n, out.data());
            for (int j = 0; j < n; ++j) ASSERT_TRUE(SameBits(out[j], PotentialAt(f, xs[j], ys[j]))) << "point " << j;

            for (const float y : AwkwardRows(ys)) {
                PotentialsAlongRow(f, xs.data(), n - 3, y, out.data());
                for (int j = 0; j < n - 3; ++j)
                    ASSERT_TRUE(SameBits(out[j], PotentialAt(f, xs[j], y))) << "row " << y << " point " << j;
            }
        }
    });
}

// The estimates must enclose PotentialAt within their bounds, and the bounds must be small
// enough to decide almost everywhere (elsewhere the fast kernels would quietly work every
// point out exactly).
TEST(PotentialEstimates, EncloseThePotentialAtCentresRimsAndEverywhereElse) {
    if (!PotentialEstimator(Awkward(1)).Available()) GTEST_SKIP() << "the processor has no AVX-512";
    for (const int sign : {1, -1}) {
        const FieldSnapshot f = Awkward(sign);
        const PotentialEstimator estimator(f);
        std::vector<float> xs, ys;
        AwkwardPoints(f, xs, ys);
        const int n = static_cast<int>(xs.size());
        int informative = 0, estimates = 0;
        auto expectEnclosed = [&](const PotentialEstimate& e, float x, float y) {
            ++estimates;
            if (!e.Informative()) return;
            ++informative;
            ASSERT_LE(std::fabs(e.value - PotentialAt(f, x, y)), e.bound) << x << ", " << y;
            ASSERT_LT(e.bound, 1e-9 * (std::fabs(e.value) + 1)) << x << ", " << y;
        };
        for (int j = 0; j < n; ++j) expectEnclosed(estimator.At(xs[j], ys[j]), xs[j], ys[j]);
        std::vector<double> value(n), bound(n);
        for (const float y : AwkwardRows(ys)) {
            estimator.AlongRow(xs.data(), n, y, value.data(), bound.data());
            for (int j = 0; j < n; ++j) expectEnclosed({value[j], bound[j]}, xs[j], y);
        }
        EXPECT_GT(informative, estimates * 99 / 100);
    }
}
