// SPDX-License-Identifier: GPL-3.0-or-later
// What the overlays write: metre ticks in the tab's scale and the colour bar's potentials.
#include <gtest/gtest.h>

#include "field/colour_ramp.h"
#include "field/value_range.h"
#include "field/view_scales.h"

namespace voltaris {
namespace {

std::vector<std::string> Labels(const std::vector<double>& steps) {
    std::vector<std::string> labels;
    for (double v : steps) labels.push_back(VoltLabel(v));
    return labels;
}

std::array<float, 3> Colour(int mode, const ValueRange& range, double v) {
    std::array<float, 3> c{};
    ColourOf(mode, range, static_cast<float>(v), c[0], c[1], c[2]);
    return c;
}

TEST(ViewScalesTest, SquareTicksReadMetresInTheTabsScale) {
    std::vector<std::string> atomic, classroom;
    for (const AxisTick& t : SquareSideTicks(1e-11f)) atomic.push_back(t.label);
    for (const AxisTick& t : SquareSideTicks(1.0f)) classroom.push_back(t.label);
    EXPECT_EQ(atomic, (std::vector<std::string>{"0", "2,5E-11 m", "5E-11 m", "7,5E-11 m", "1E-10 m"}));
    EXPECT_EQ(classroom, (std::vector<std::string>{"0", "2,5 m", "5 m", "7,5 m", "10 m"}));
    EXPECT_EQ(SquareSideTicks(1.0f)[3].graph, 7.5f);
}

// A tab with one charge of 5.6E-10 C, radius 0.5 m: rim potential k Q / r = 10,07 V, so the
// ramp runs from 0 to 11,07 V.
TEST(ViewScalesTest, ColourBarLabelsArePotentialsAtTheRampsSteps) {
    FieldSnapshot tab;
    tab.ChargeCount = 1;
    tab.amount[0] = 5.6e-10;
    tab.x[0] = 5;
    tab.y[0] = 5;
    tab.radius[0] = 0.5f;
    ValueRange range;
    ComputeValueRange(tab, false, range);
    EXPECT_EQ(Labels(ColourRampSteps(ColourModeContinuous, range)),
              (std::vector<std::string>{"0 V", "2,77 V", "5,54 V", "8,3 V", "11,1 V"}));

    const ValueRange known{-8, 8, 1, 0};
    EXPECT_EQ(Labels(ColourRampSteps(ColourModeContinuous, known)),
              (std::vector<std::string>{"-8 V", "-4 V", "0 V", "4 V", "8 V"}));
    const std::vector<double> steps = ColourRampSteps(ColourModeStepped, known);
    ASSERT_EQ(steps.size(), 17u);
    EXPECT_EQ(VoltLabel(steps[1]), "-7 V");
    EXPECT_EQ(VoltLabel(steps[11]), "3 V");
    // The stepped ramp keeps one colour inside each band and changes it at every step.
    for (size_t i = 0; i + 1 < steps.size(); ++i) {
        const double width = steps[i + 1] - steps[i];
        const auto band = Colour(ColourModeStepped, known, steps[i] + width * 0.1);
        EXPECT_EQ(band, Colour(ColourModeStepped, known, steps[i] + width * 0.9)) << i;
        if (i + 2 < steps.size()) {
            EXPECT_NE(band, Colour(ColourModeStepped, known, steps[i + 1] + width * 0.1)) << i;
        }
    }
    EXPECT_TRUE(ColourRampSteps(ColourModeStepped, ValueRange{3, 3, 1, 0}).empty());
    EXPECT_TRUE(ColourRampSteps(7, known).empty());
}

}  // namespace
}  // namespace voltaris
