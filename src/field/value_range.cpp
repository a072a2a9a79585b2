// SPDX-License-Identifier: GPL-3.0-or-later
#include "field/value_range.h"

#include "field/kernels.h"

namespace voltaris {

// The potential range gets a margin of 10 % on either side; during an alternating-voltage
// run it starts from the previous range without that margin (exactly 1/1.1), so that a
// range that is not widened comes back to its value.
constexpr double RangeMargin = 1.1;
constexpr double WithoutMargin = 0.9090909090909091;
// The surface's highest point stands this many graph units above or below the plane.
constexpr float SurfaceHeight = 10.0f;

void ComputeValueRange(const FieldSnapshot& field, bool acRunning, ValueRange& range) {
    range.MaxFieldStrength = 0;
    float lo = 0, hi = 0;
    if (acRunning) {
        lo = static_cast<float>(range.PotentialMin * WithoutMargin);
        hi = static_cast<float>(range.PotentialMax * WithoutMargin);
    }
    for (int i = 0; i < field.ChargeCount; ++i) {
        const float v = static_cast<float>(PotentialAt(field, field.x[i], field.y[i]));
        if (v < lo) lo = v;
        if (v > hi) hi = v;
        // The field half a graph unit beyond the rim, above the charge.
        const float probeY = field.y[i] + field.radius[i] + 0.5f * field.unitLength;
        double angle = 0;
        const float e = static_cast<float>(FieldAt(field, field.x[i], probeY, angle));
        if (e > range.MaxFieldStrength) range.MaxFieldStrength = e;
    }
    if (!acRunning) {
        const float m = -lo >= hi ? -lo : hi;
        range.HeightScale = m == 0 ? 1.0f : SurfaceHeight / m;
    }
    if (lo != hi) {
        range.PotentialMin = static_cast<float>(lo * RangeMargin);
        range.PotentialMax = static_cast<float>(hi * RangeMargin);
    }
}

}  // namespace voltaris
