// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>

#include "field/fast_field.h"
#include "field/field_lines.h"
#include "field/kernels.h"
#include "field/potential_estimate.h"
#include "field/trace_rules.h"
#include "field/trace_step.h"

// The fast tracer takes the same steps and stores the same points as the plain one
// (field_lines_reference.cpp); its kernels work from per-charge constants and find the field
// direction without a trigonometric round trip per charge (FastField) or for the step
// (StepFromField), and the stored potentials come from estimates where these decide them.

namespace voltaris {
namespace {

class FastFieldLines {
public:
    FastFieldLines(const FieldSnapshot& f, LineStore::Run& run) : f_(f), field_(f), estimator_(f), run_(run) {}

    void TraceAll() {
        float largest = 0;
        for (int i = 0; i < f_.ChargeCount; ++i) {
            if (std::fabs(f_.amount[i]) > largest) largest = static_cast<float>(std::fabs(f_.amount[i]));
        }
        for (int i = 0; i < f_.ChargeCount; ++i) {
            if (!(f_.SignFactor * f_.amount[i] > 0)) continue;
            const int n = FieldLineCountOf(f_.amount[i], largest);
            const double rim = f_.radius[i] + FieldLineStartGap;
            for (int k = 0; k < n; ++k) {
                if (!run_.OpenSlot()) return;
                const double theta = 2 * Pi * k / n;
                const float x = static_cast<float>(f_.x[i] + std::sin(theta) * rim);
                const float y = static_cast<float>(f_.y[i] + std::cos(theta) * rim);
                if (!TraceLine(x, y)) return;
            }
        }
    }

private:
    bool Step(float& x, float& y) const {
        float ex, ey;
        if (!field_.FieldUnlessInside(x, y, ex, ey)) return false;
        StepFromField(ex, ey, StepTurn::AlongField, f_.unitLength, x, y);
        return InTraceArea(f_.unitLength, x, y);
    }

    // The float32 of the potential at (x, y), from its estimate where that decides the rounding.
    float StoredPotential(float x, float y) const {
        float rounded;
        if (estimator_.Available() && estimator_.At(x, y).RoundsSurely(rounded)) return rounded;
        return static_cast<float>(field_.Potential(x, y));
    }

    // False when the slot filled up, which ends the whole run.
    bool TraceLine(float x, float y) {
        const float u = f_.unitLength;
        const int slot = run_.Slot();
        float px = 0, py = 0;
        for (int step = 0; step < FieldLineStepLimit; ++step) {
            if (!Step(x, y)) return true;
            if (FarEnough(u, x, y, px, py)) {
                if (run_.Count(slot) + 6 >= LineSlotFloats) return false;
                px = x;
                py = y;
                run_.Append(x / u, StoredPotential(x, y), y / u);
            }
        }
        return true;
    }

    const FieldSnapshot& f_;
    FastField field_;
    PotentialEstimator estimator_;
    LineStore::Run& run_;
};

}  // namespace

void TraceFieldLines(const FieldSnapshot& field, bool wanted, LineStore& store) {
    if (!wanted) return;
    LineStore::Run run(store);
    if (!run.Started()) return;
    FastFieldLines(field, run).TraceAll();
    run.Publish();
}

}  // namespace voltaris
