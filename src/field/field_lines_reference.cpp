// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>

#include "field/field_lines.h"
#include "field/kernels.h"
#include "field/trace_rules.h"

namespace voltaris {

bool InsideAnyCharge(const FieldSnapshot& f, float x, float y) {
    for (int i = 0; i < f.ChargeCount; ++i) {
        const float dx = x - f.x[i], dy = y - f.y[i];
        if (std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy) < f.radius[i]) return true;
    }
    return false;
}

bool FieldLineStep(const FieldSnapshot& field, float& x, float& y) {
    if (InsideAnyCharge(field, x, y)) return false;
    double angle;
    FieldAt(field, x, y, angle);
    x = static_cast<float>(x + std::cos(angle) * TraceStep * field.unitLength);
    y = static_cast<float>(y + std::sin(angle) * TraceStep * field.unitLength);
    return InTraceArea(field.unitLength, x, y);
}

namespace {

float LargestAmount(const FieldSnapshot& f) {
    float largest = 0;
    for (int i = 0; i < f.ChargeCount; ++i) {
        if (std::fabs(f.amount[i]) > largest) largest = static_cast<float>(std::fabs(f.amount[i]));
    }
    return largest;
}

// False when the slot filled up, which ends the whole run.
bool TraceLine(const FieldSnapshot& f, LineStore::Run& run, float x, float y) {
    const float u = f.unitLength;
    const int slot = run.Slot();
    float px = 0, py = 0;  // last stored point
    for (int step = 0; step < FieldLineStepLimit; ++step) {
        if (!FieldLineStep(f, x, y)) return true;
        if (FarEnough(u, x, y, px, py)) {
            if (run.Count(slot) + 6 >= LineSlotFloats) return false;
            px = x;
            py = y;
            run.Append(x / u, static_cast<float>(PotentialAt(f, x, y)), y / u);
        }
    }
    return true;
}

void TraceAll(const FieldSnapshot& f, LineStore::Run& run) {
    const float largest = LargestAmount(f);
    for (int i = 0; i < f.ChargeCount; ++i) {
        if (!(f.SignFactor * f.amount[i] > 0)) continue;
        const int n = FieldLineCountOf(f.amount[i], largest);
        const double rim = f.radius[i] + FieldLineStartGap;
        for (int k = 0; k < n; ++k) {
            if (!run.OpenSlot()) return;
            const double theta = 2 * Pi * k / n;
            const float x = static_cast<float>(f.x[i] + std::sin(theta) * rim);
            const float y = static_cast<float>(f.y[i] + std::cos(theta) * rim);
            if (!TraceLine(f, run, x, y)) return;
        }
    }
}

}  // namespace

void TraceFieldLinesReference(const FieldSnapshot& field, bool wanted, LineStore& store) {
    if (!wanted) return;
    LineStore::Run run(store);
    if (!run.Started()) return;
    TraceAll(field, run);
    run.Publish();
}

}  // namespace voltaris
