// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>

#include "field/equipotential_lines.h"
#include "field/equipotential_tracing.h"
#include "field/kernels.h"
#include "field/trace_rules.h"

namespace voltaris {

bool EquipotentialStep(const FieldSnapshot& field, float& x, float& y) {
    double angle;
    FieldAt(field, x, y, angle);
    return EquipotentialStepAlong(angle, field.unitLength, x, y);
}

namespace {

// The plain kernel of the equipotential tracing (see equipotential_tracing.h): every value
// is one call of PotentialAt or FieldAt, as often as the tracing asks for it.
class PlainEquipotentials {
public:
    explicit PlainEquipotentials(const FieldSnapshot& f) : f_(f) {}

    bool FindStart(int i, double target, double tolerance, float& offset, float& line) const {
        const float step = StartSearchStep(f_.unitLength), end = StartSearchEnd(f_.unitLength);
        if (!(step > 0)) return false;
        for (float o = 0; o < end; o += step) {
            const double v = PotentialAt(f_, f_.x[i] + o, f_.y[i]);
            if (std::fabs(v - target) < tolerance) {
                offset = o;
                line = static_cast<float>(v);
                return true;
            }
        }
        return false;
    }

    bool Step(float& x, float& y) const { return EquipotentialStep(f_, x, y); }

    void Correct(float& x, float& y, float line, float h) const {
        auto error = [&](float px, float py) { return std::fabs(PotentialAt(f_, px, py) - line); };
        for (int round = 0; round < CorrectionRoundLimit && OffLevel(PotentialAt(f_, x, y), line); ++round) {
            bool moved = false;
            if (error(x + h, y) < error(x, y)) x = x + h, moved = true;
            if (error(x - h, y) < error(x, y)) x = x - h, moved = true;
            if (error(x, y + h) < error(x, y)) y = y + h, moved = true;
            if (error(x, y - h) < error(x, y)) y = y - h, moved = true;
            if (!moved) break;
        }
    }

    double CorrectedPotential(float x, float y) const { return PotentialAt(f_, x, y); }

private:
    const FieldSnapshot& f_;
};

}  // namespace

void TraceEquipotentialsReference(const FieldSnapshot& field, const ValueRange& range, bool wanted,
                                  LineStore& store) {
    if (!wanted) return;
    LineStore::Run run(store);
    if (!run.Started()) return;
    PlainEquipotentials kernel(field);
    equipotential_tracing::TraceAll(kernel, field, range, run);
    run.Publish();
}

}  // namespace voltaris
