// SPDX-License-Identifier: GPL-3.0-or-later
// Partial sums added in fixed point on the grid of a first step, and their check: sums the check
// confirms are FieldAt's float32 sums, also with each term moved by its error bound, and steps
// that keep the first step's binades are confirmed.
#include "particle/fixed_point_sums_avx512.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>

namespace voltaris {
namespace {

constexpr int Vectors = 3;
constexpr int Count = 20;

// The terms of one step, 0 after the last charge.
struct Step {
    alignas(64) double x[24] = {}, y[24] = {}, strength[24] = {};
};

// FieldAt's partial sums, each term moved by `shift` times its error bound: [i + 1] after term i.
std::array<double, Count + 1> OneByOne(const double* terms, const double* strength, double shift) {
    std::array<double, Count + 1> sums{};
    for (int i = 0; i < Count; ++i) {
        const double term = terms[i] + shift * field_lanes::TermErrorBound * std::fabs(strength[i]);
        sums[i + 1] = static_cast<float>(sums[i] + term);
    }
    return sums;
}

__attribute__((target("avx512f,avx512dq,avx512vl,fma"))) void ToLanes(const Step& s, field_lanes::QuickTerms* lanes) {
    for (int v = 0; v < Vectors; ++v) {
        lanes[v].active = field_lanes::ActiveLanes(Count - 8 * v);
        lanes[v].stops = 0;
        lanes[v].termX = _mm512_load_pd(s.x + 8 * v);
        lanes[v].termY = _mm512_load_pd(s.y + 8 * v);
    }
}

__attribute__((target("avx512f,avx512dq,avx512vl,fma"))) bool GridOf(const Step& first, fixed_sums::Grid& grid) {
    const std::array<double, Count + 1> x = OneByOne(first.x, first.strength, 0),
                                        y = OneByOne(first.y, first.strength, 0);
    alignas(64) double paddedX[32] = {}, paddedY[32] = {};
    std::copy(x.begin(), x.end(), paddedX);
    std::copy(y.begin(), y.end(), paddedY);
    __m512d strengths[Vectors];
    for (int v = 0; v < Vectors; ++v) strengths[v] = _mm512_load_pd(first.strength + 8 * v);
    return fixed_sums::GridOf<Vectors>(paddedX, paddedY, strengths, Count, grid);
}

struct Added {
    bool confirmed;
    double ex, ey;
    std::array<double, Count + 1> x, y;  // the rounded partial sums
};

// The sums of a step, its last four charges in whole vectors or in half-wide ones.
template <bool FourInLast>
__attribute__((target("avx512f,avx512dq,avx512vl,fma"))) Added Add(const Step& step, const fixed_sums::Grid& grid) {
    field_lanes::QuickTerms lanes[Vectors];
    ToLanes(step, lanes);
    fixed_sums::Sums sums;
    Added added;
    fixed_sums::Add<Vectors, FourInLast>(lanes, Count, grid, sums, added.ex, added.ey);
    added.confirmed = fixed_sums::Confirmed<Vectors, FourInLast>(sums, Count, grid);
    added.x[0] = added.y[0] = 0;
    for (int i = 0; i < Count; ++i) {
        added.x[i + 1] = static_cast<double>(sums.pairs[2 * i] & grid.places.keep[2 * i]) * grid.unit;
        added.y[i + 1] = static_cast<double>(sums.pairs[2 * i + 1] & grid.places.keep[2 * i + 1]) * grid.unit;
    }
    return added;
}

class FixedPointSums : public ::testing::Test {
protected:
    void SetUp() override {
        if (!__builtin_cpu_supports("avx512f") || !__builtin_cpu_supports("avx512dq"))
            GTEST_SKIP() << "no AVX-512 on this processor";
    }
};

// Twenty charges of strengths over several binades seen from a point, then from points nearby:
// each following step moves every term a little, and some steps put one partial sum next to a
// tie between two float32 numbers or next to the power of two of its binade, where only the
// margins and the binade test keep the check honest.
TEST_F(FixedPointSums, ConfirmedSumsAreFieldAtsAndOrdinaryStepsAreConfirmed) {
    std::mt19937_64 random(23);
    std::uniform_real_distribution<double> unit(0, 1);
    int grids = 0, ordinary = 0, ordinaryConfirmed = 0, edges = 0, edgesConfirmed = 0;
    for (int round = 0; round < 2000; ++round) {
        Step first;
        double angle[Count];
        for (int i = 0; i < Count; ++i) {
            first.strength[i] = (unit(random) < 0.5 ? -1 : 1) * std::ldexp(1 + unit(random), -10 + 12 * unit(random));
            angle[i] = 2 * M_PI * unit(random);
            first.x[i] = first.strength[i] * std::cos(angle[i]);
            first.y[i] = first.strength[i] * std::sin(angle[i]);
        }
        fixed_sums::Grid grid;
        if (!GridOf(first, grid)) continue;
        ++grids;
        for (int move = 0; move < 8; ++move) {
            Step step;
            const double size = std::ldexp(1.0, -8 - static_cast<int>(24 * unit(random)));
            for (int i = 0; i < Count; ++i) {
                step.strength[i] = first.strength[i] * (1 + size * (unit(random) - 0.5));
                const double turned = angle[i] + size * (unit(random) - 0.5);
                step.x[i] = step.strength[i] * std::cos(turned);
                step.y[i] = step.strength[i] * std::sin(turned);
            }
            const bool edge = move % 2 == 1;
            if (edge) {
                // Term j brings the x sum near a tie or the binade's power of two, down to a
                // few units away.
                const int j = 1 + static_cast<int>(unit(random) * (Count - 1));
                const std::array<double, Count + 1> x = OneByOne(step.x, step.strength, 0);
                const double target = x[j] + step.x[j];
                const int exponent = std::ilogb(target);
                const double power = std::ldexp(1.0, exponent), place = std::ldexp(1.0, exponent - 23);
                const double mark = unit(random) < 0.3 ? power : (std::floor(target / place) + 0.5) * place;
                const double scale = unit(random) < 0.5 ? 1 : std::ldexp(1.0, -40 * unit(random));
                const double nearby = std::copysign(mark, target) + (unit(random) - 0.5) * place * scale;
                step.x[j] = nearby - x[j];
            }
            const Added added = Add<false>(step, grid), halfWide = Add<true>(step, grid);
            ASSERT_EQ(halfWide.confirmed, added.confirmed);
            ASSERT_EQ(halfWide.x, added.x);
            ASSERT_EQ(halfWide.y, added.y);
            ++(edge ? edges : ordinary);
            if (!added.confirmed) continue;
            ++(edge ? edgesConfirmed : ordinaryConfirmed);
            for (double shift : {-1.0, 0.0, 1.0}) {
                const std::array<double, Count + 1> x = OneByOne(step.x, step.strength, shift),
                                                    y = OneByOne(step.y, step.strength, shift);
                ASSERT_EQ(added.x, x) << "round " << round << " move " << move << " shift " << shift;
                ASSERT_EQ(added.y, y) << "round " << round << " move " << move << " shift " << shift;
            }
            ASSERT_EQ(added.ex, added.x[Count]);
            ASSERT_EQ(added.ey, added.y[Count]);
        }
    }
    // Most first steps fit a grid, and a step that keeps the binades is nearly always confirmed;
    // the steps brought next to an edge are often refused, but not always.
    EXPECT_GT(grids, 1500);
    EXPECT_GT(ordinaryConfirmed, ordinary * 8 / 10);
    EXPECT_GT(edgesConfirmed, edges / 10);
    EXPECT_LT(edgesConfirmed, edges * 9 / 10);
}

// A first step whose sums the fixed point cannot hold gives no grid: a partial sum of 0, and
// charges whose strengths lie too many binades above the smallest sum.
TEST_F(FixedPointSums, RefusesSumsItCannotHold) {
    Step cancelling;
    for (int i = 0; i < Count; ++i) {
        cancelling.strength[i] = 1;
        cancelling.x[i] = i % 2 == 0 ? 0.5 : -0.5;  // every second x sum is 0
        cancelling.y[i] = 0.25;
    }
    fixed_sums::Grid grid;
    EXPECT_FALSE(GridOf(cancelling, grid));

    Step far = cancelling;
    for (int i = 0; i < Count; ++i) far.x[i] = 0.375;
    EXPECT_TRUE(GridOf(far, grid));
    far.strength[7] = 0x1p40;  // its terms' error bound swamps the places of the sums
    EXPECT_FALSE(GridOf(far, grid));
}

}  // namespace
}  // namespace voltaris
