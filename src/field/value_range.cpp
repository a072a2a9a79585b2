#include "field/value_range.h"

#include "field/kernels.h"

namespace voltaris {

void ComputeValueRange(const FieldSnapshot& field, bool acRunning, ValueRange& range) {
    range.MaxFieldStrength = 0;
    float lo = 0, hi = 0;
    if (acRunning) {
        // Exactly 1/1.1: a range that is not widened comes back to its value below.
        lo = static_cast<float>(range.PotentialMin * 0.9090909090909091);
        hi = static_cast<float>(range.PotentialMax * 0.9090909090909091);
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
        range.HeightScale = m == 0 ? 1.0f : 10.0f / m;
    }
    if (lo != hi) {
        range.PotentialMin = static_cast<float>(lo * 1.1);
        range.PotentialMax = static_cast<float>(hi * 1.1);
    }
}

}  // namespace voltaris
