// SPDX-License-Identifier: GPL-3.0-or-later
#include "field/view_scales.h"

#include "field/colour_ramp.h"
#include "model/number_format.h"

namespace voltaris {

std::string MetreLabel(double metres) {
    if (metres == 0) return "0";
    return FormatShownNumber(metres, 3) + " m";
}

std::string VoltLabel(double volts) { return FormatShownNumber(volts, 3) + " V"; }

std::vector<AxisTick> SquareSideTicks(float unitLength) {
    std::vector<AxisTick> ticks;
    for (int quarter = 0; quarter <= 4; ++quarter) {
        const float graph = 2.5f * quarter;
        ticks.push_back({graph, MetreLabel(static_cast<double>(graph) * unitLength)});
    }
    return ticks;
}

std::vector<double> ColourRampSteps(int colourMode, const ValueRange& range) {
    // The continuous ramp is linear between its quarter points; the stepped one holds four
    // levels per quarter (ColourOf), so its colour changes every sixteenth of the range.
    int intervals = 0;
    if (colourMode == ColourModeContinuous) intervals = 4;
    if (colourMode == ColourModeStepped) intervals = 16;
    const double low = range.PotentialMin, high = range.PotentialMax;
    if (intervals == 0 || !(high > low)) return {};
    std::vector<double> steps;
    for (int i = 0; i <= intervals; ++i) steps.push_back(low + (high - low) * i / intervals);
    return steps;
}

}  // namespace voltaris
