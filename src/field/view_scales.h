// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The scales the views can write beside their pictures: metre ticks along the square's sides
// and the potentials at which the colour ramp changes.
#include <string>
#include <vector>

#include "field/field_snapshot.h"

namespace voltaris {

// A mark on an axis: where it sits in graph units and what it reads.
struct AxisTick {
    float graph;
    std::string label;
};

// "0" at the origin, otherwise the length in the general number format with 3 significant
// digits and " m" ("2,5E-11 m").
std::string MetreLabel(double metres);
// The potential with 3 significant digits and " V" ("-8,75 V").
std::string VoltLabel(double volts);

// Five ticks on each side of the square: its corner, quarters and far end, in metres of the
// tab's scale (graph unit x unitLength).
std::vector<AxisTick> SquareSideTicks(float unitLength);

// The potentials (V, ascending) at which the colour ramp of `colourMode` changes: the ends
// and quarter points of the range for the continuous ramp (blue, cyan, green, yellow, red),
// the edges of its 16 bands for the stepped ramp. Empty for an empty range or an unknown mode,
// which colour everything black.
std::vector<double> ColourRampSteps(int colourMode, const ValueRange& range);

}  // namespace voltaris
