// SPDX-License-Identifier: GPL-3.0-or-later
// The check that tells whether a partial sum found by planned rounding is the float32 that
// FieldAt's addition gives.
#include "particle/float32_sum_check_avx512.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>

namespace voltaris {
namespace {

// FieldAt's addition: float64, then float32.
double FieldAtAddition(double before, double term) { return static_cast<float>(before + term); }

struct Addition {
    double before, term, after;
    double planned;  // a sum of the binade the check expects
};

// Which of the eight additions the check passes, each term as strong as it is long.
__attribute__((target("avx512f"))) std::array<bool, 8> Passed(const std::array<Addition, 8>& a) {
    alignas(64) double before[8], term[8], after[8], planned[8];
    for (int i = 0; i < 8; ++i) {
        before[i] = a[i].before;
        term[i] = a[i].term;
        after[i] = a[i].after;
        planned[i] = a[i].planned;
    }
    const sum_check::Expectation expected = sum_check::ExpectationOf(_mm512_load_pd(planned), 0xff);
    const __m512d terms = _mm512_load_pd(term);
    const __mmask8 rounded =
        sum_check::Rounded(_mm512_load_pd(before), terms, terms, _mm512_load_pd(after), expected, 0xff);
    std::array<bool, 8> passed;
    for (int i = 0; i < 8; ++i) passed[i] = rounded >> i & 1;
    return passed;
}

class Float32SumCheck : public ::testing::Test {
protected:
    void SetUp() override {
        if (!__builtin_cpu_supports("avx512f")) GTEST_SKIP() << "no AVX-512 on this processor";
    }
};

// Sums near the edges of float32's steps and binades, checked against float32s close to
// FieldAt's: a passed sum is always FieldAt's, and FieldAt's passes unless it is a power of two
// or before + term lies within the term's bound of a rounding edge.
TEST_F(Float32SumCheck, PassesFieldAtsSumAndNoOther) {
    std::mt19937_64 random(19);
    std::uniform_real_distribution<double> unit(0, 1);
    int clearCases = 0;
    for (int round = 0; round < 20000; ++round) {
        // A target near a float32 rounding edge or a power of two, approached from either side.
        const int exponent = static_cast<int>(unit(random) * 12) - 6;
        const double power = std::ldexp(1.0, exponent), step = power * 0x1p-23;
        const double edge = unit(random) < 0.3 ? power : power + (std::floor(unit(random) * 0x1p23) + 0.5) * step;
        const double offset = (unit(random) - 0.5) * step * std::pow(2.0, -30 * unit(random));
        // Half the time a sum that mostly cancels a far stronger term.
        const double before = static_cast<float>(
            edge * (unit(random) < 0.5 ? 0.25 + 0.5 * unit(random) : -std::ldexp(1.0, 4 + unit(random) * 8)));
        const double term = (edge + offset) - before;
        const double fieldAts = FieldAtAddition(before, term);
        std::array<Addition, 8> a;
        const double candidates[8] = {fieldAts,
                                      std::nextafter(static_cast<float>(fieldAts), INFINITY),
                                      std::nextafter(static_cast<float>(fieldAts), -INFINITY),
                                      power,
                                      power - step / 2,
                                      power + step,
                                      fieldAts + step / 4,
                                      fieldAts * 2};
        for (int i = 0; i < 8; ++i) a[i] = {before, term, candidates[i], fieldAts};
        a[3].planned = power;  // the power of two, expected in its own binade
        const std::array<bool, 8> passed = Passed(a);
        for (int i = 0; i < 8; ++i) {
            if (passed[i]) {
                ASSERT_EQ(candidates[i], fieldAts) << "before " << before << " term " << term << " candidate " << i;
                // The term may be off by its bound: FieldAt's sum stays the same.
                ASSERT_EQ(FieldAtAddition(before, term * (1 - 1e-13)), fieldAts);
                ASSERT_EQ(FieldAtAddition(before, term * (1 + 1e-13)), fieldAts);
            }
        }
        // FieldAt's sum passes where before + term lies clear of the rounding edges around it by
        // more than the term's bound and the slack for float64 roundings.
        const double binade = std::ldexp(1.0, std::ilogb(fieldAts));
        const double clearance = binade * 0x1p-24 - std::fabs(before + term - fieldAts);
        if (std::fabs(fieldAts) != binade && clearance > std::fabs(term) * 1e-13 + binade * 0x1p-39) {
            ++clearCases;
            EXPECT_TRUE(passed[0]) << "before " << before << " term " << term;
        }
    }
    EXPECT_GT(clearCases, 5000);
}

// A sum of another binade than expected, a float64 off float32's places, a sum beyond
// float32's normal numbers and a term that is not a number never pass, even right on
// before + term.
TEST_F(Float32SumCheck, RejectsSumsOutsideTheExpectedFloat32s) {
    const double offPlaces = 1.25 + 0x1p-30;
    std::array<Addition, 8> a = {{
        {1.0, 0.25, 1.25, 1.5},                                     // FieldAt's: passes
        {1.0, 0.25, 1.25, 3.0},                                     // expected one binade higher
        {1.0, 0.25, 1.25, 0.75},                                    // expected one binade lower
        {1.0, offPlaces - 1.0, offPlaces, 1.5},                     // not a float32
        {1.0, NAN, 1.25, 1.5},                                      // no term
        {0.0, 0x1p-140 + 0x1p-160, 0x1p-140 + 0x1p-160, 0x1p-140},  // below float32's normal numbers
        {0x1p128, 0x1p127, 0x1.8p128, 0x1.8p128},                   // beyond float32
        {-1.0, -0.25, -1.25, -1.5},                                 // FieldAt's, negative: passes
    }};
    const std::array<bool, 8> passed = Passed(a);
    const std::array<bool, 8> expected = {true, false, false, false, false, false, false, true};
    EXPECT_EQ(passed, expected);
}

}  // namespace
}  // namespace voltaris
