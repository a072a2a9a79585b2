// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "field/equipotential_lines.h"
#include "field/field_lines.h"
#include "lines_test_support.h"

namespace voltaris {
namespace {

using test::RunCli;

std::string ExpectedOutput(const LineStore& store) {
    std::string text;
    char row[128];
    const std::vector<test::Line> lines = test::LinesOf(store);
    text += "# slots: " + std::to_string(lines.size()) + "\nslot,point,gx,potential,gz\n";
    for (size_t s = 0; s < lines.size(); ++s) {
        for (size_t k = 0; k < lines[s].size(); ++k) {
            const test::LinePoint& p = lines[s][k];
            std::snprintf(row, sizeof row, "%zu,%zu,%.9g,%.9g,%.9g\n", s, k, p.x, p.v, p.z);
            text += row;
        }
    }
    return text;
}

class LinesCommand : public testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(VOLTARIS_CLI)) GTEST_SKIP() << "voltaris-cli is not built";
    }
};

TEST_F(LinesCommand, PrintsTheStoredPointsOfASampleTab) {
    LineStore store;
    const FieldSnapshot f = test::SampleTab(8);
    TraceEquipotentials(f, test::RangeOf(f), true, store);
    std::string output;
    ASSERT_EQ(RunCli("lines sample 8 equipotential", output), 0);
    EXPECT_EQ(output, ExpectedOutput(store));

    // Swapped, the two positive charges of tab 8 emit no field lines: no slots at all.
    output.clear();
    ASSERT_EQ(RunCli("lines sample 8 field --swap", output), 0);
    EXPECT_EQ(output, "# slots: 0\nslot,point,gx,potential,gz\n");

    const FieldSnapshot logo = test::SampleTab(14);
    TraceFieldLines(logo, true, store);
    output.clear();
    ASSERT_EQ(RunCli("lines sample 14 field", output), 0);
    EXPECT_EQ(output, ExpectedOutput(store));
}

TEST_F(LinesCommand, RefusesUnknownKindsAndOptions) {
    std::string output;
    EXPECT_EQ(RunCli("lines sample 8 arrows", output), 2);
    EXPECT_EQ(RunCli("lines sample 8 field --mirror", output), 2);
    EXPECT_EQ(RunCli("lines sample 8", output), 2);
    EXPECT_EQ(RunCli("lines sample 99 field", output), 1);
    EXPECT_TRUE(output.empty());
}

}  // namespace
}  // namespace voltaris
