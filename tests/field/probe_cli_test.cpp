// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "../bench/arrangements.h"
#include "field/kernels.h"
#include "field/value_range.h"
#include "lines_test_support.h"

namespace voltaris {
namespace {

#define TWENTY VOLTARIS_TEST_DATA "/twenty_charges.psf"

using test::RunCli;

std::string Numbers(std::initializer_list<double> values) {
    std::string text;
    char number[64];
    for (const double v : values) {
        std::snprintf(number, sizeof number, "%.17g", v);
        text += (text.empty() ? "" : " ") + std::string(number);
    }
    return text + "\n";
}

}  // namespace

// The benchmarks build the twenty charges in code; the file must hold the same numbers.
TEST(TwentyCharges, FileAndBenchmarkArrangementAgree) {
    const FieldSnapshot file = test::TwentyCharges(), code = bench::TwentyCharges();
    ASSERT_EQ(file.ChargeCount, 20);
    ASSERT_EQ(code.ChargeCount, 20);
    EXPECT_EQ(file.amount, code.amount);
    EXPECT_EQ(file.x, code.x);
    EXPECT_EQ(file.y, code.y);
    EXPECT_EQ(file.radius, code.radius);
    EXPECT_EQ(file.unitLength, code.unitLength);
}

class ProbeCommands : public testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(VOLTARIS_CLI)) GTEST_SKIP() << "voltaris-cli is not built";
    }
};

TEST_F(ProbeCommands, PrintTheKernelsAndTheRangeOfTheLoadedTab) {
    FieldSnapshot f = test::TwentyCharges();
    std::string out;
    ASSERT_EQ(RunCli("potential " TWENTY " 1 4.25 -0.5", out), 0);
    EXPECT_EQ(out, Numbers({PotentialAt(f, 4.25f, -0.5f)}));
    double angle = 0;
    const double strength = FieldAt(f, 4.25f, -0.5f, angle);
    ASSERT_EQ(RunCli("field " TWENTY " 1 4.25 -0.5", out), 0);
    EXPECT_EQ(out, Numbers({strength, angle}));
    ValueRange range;
    ComputeValueRange(f, false, range);
    ASSERT_EQ(RunCli("range " TWENTY " 1", out), 0);
    EXPECT_EQ(out, Numbers({range.PotentialMin, range.PotentialMax, range.HeightScale, range.MaxFieldStrength}));

    f.SignFactor = -1;
    ValueRange swapped;
    ComputeValueRange(f, false, swapped);
    ASSERT_EQ(RunCli("range " TWENTY " 1 --swap", out), 0);
    EXPECT_EQ(out, Numbers({swapped.PotentialMin, swapped.PotentialMax, swapped.HeightScale,
                            swapped.MaxFieldStrength}));
}

}  // namespace voltaris
