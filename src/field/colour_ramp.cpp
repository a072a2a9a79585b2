// SPDX-License-Identifier: GPL-3.0-or-later
#include "field/colour_ramp.h"

#include <cmath>

namespace voltaris {

namespace {

// In stepped mode a ramp value becomes one of four levels; one beyond the ramp (which only
// the rounding at a quarter's edge can give) leaves the component dark.
float Step(float t) {
    if (t <= 0.25f) return 0.2f;
    if (t <= 0.5f) return 0.4f;
    if (t <= 0.75f) return 0.6f;
    if (t <= 1.0f) return 0.8f;
    return 0;
}

}  // namespace

void ColourOf(int colourMode, const ValueRange& range, float v, float& red, float& green, float& blue) {
    red = green = blue = 0;
    const float d = v - range.PotentialMin;
    const float q = std::fabs(range.PotentialMax - range.PotentialMin) * 0.25f;
    if (q == 0) return;
    if (d > range.PotentialMax - range.PotentialMin) {
        red = 1;
        return;
    }
    if (d < 0) {
        blue = 1;
        return;
    }
    if (colourMode != ColourModeContinuous && colourMode != ColourModeStepped) return;
    const bool stepped = colourMode == ColourModeStepped;
    auto ramp = [stepped](float t) { return stepped ? Step(t) : t; };

    if (d <= 2 * q) red = 0;
    else if (d >= 3 * q) red = 1;
    else red = ramp((d - 2 * q) / q);

    if (q <= d && d <= 3 * q) green = 1;
    else if (d < q) green = ramp(d / q);
    else green = ramp(1 - (d - 3 * q) / q);

    if (d >= 2 * q) blue = 0;
    else if (d <= q) blue = 1;
    else blue = ramp(1 - (d - q) / q);
}

}  // namespace voltaris
