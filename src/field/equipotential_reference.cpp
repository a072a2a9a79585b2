#include <cmath>

#include "field/duplicate_start.h"
#include "field/equipotential_lines.h"
#include "field/kernels.h"
#include "field/trace_rules.h"

namespace voltaris {

bool EquipotentialStep(const FieldSnapshot& field, float& x, float& y) {
    double angle;
    FieldAt(field, x, y, angle, 0, false);
    const double theta = angle - HalfPi;
    x = static_cast<float>(x + std::cos(theta) * 0.05 * field.unitLength);
    y = static_cast<float>(y + std::sin(theta) * 0.05 * field.unitLength);
    return InTraceArea(field.unitLength, x, y);
}

namespace {

// Offset of the first probe on the ray to the right of charge i within tolerance of the
// level; false when none below 10 graph units is.
bool FindStartOffset(const FieldSnapshot& f, int i, double target, double tolerance, float& offset) {
    const float step = StartSearchStep(f.unitLength), end = StartSearchEnd(f.unitLength);
    if (!(step > 0)) return false;
    for (float o = 0; o < end; o += step) {
        if (std::fabs(PotentialAt(f, f.x[i] + o, f.y[i]) - target) < tolerance) {
            offset = o;
            return true;
        }
    }
    return false;
}

// Pulls (x, y) back onto the line's potential by coordinate descent.
void CorrectOntoLine(const FieldSnapshot& f, float& x, float& y, float line, float h) {
    auto error = [&](float px, float py) { return std::fabs(PotentialAt(f, px, py) - line); };
    for (int round = 0; round < CorrectionRoundLimit && OffLevel(PotentialAt(f, x, y), line); ++round) {
        bool moved = false;
        if (error(x + h, y) < error(x, y)) x = x + h, moved = true;
        if (error(x - h, y) < error(x, y)) x = x - h, moved = true;
        if (error(x, y + h) < error(x, y)) y = y + h, moved = true;
        if (error(x, y - h) < error(x, y)) y = y - h, moved = true;
        if (!moved) break;
    }
}

void TraceLine(const FieldSnapshot& f, LineStore::Run& run, int charge, float x, float y, float line) {
    const float u = f.unitLength;
    const float h = 0.0005f * u;
    const int slot = run.Slot();
    float px = 0, py = 0;  // last stored point
    int stall = 0;
    bool a = false, b = false, finish = false;
    for (long long step = 0; step < EquipotentialStepLimit; ++step) {
        if (!EquipotentialStep(f, x, y)) return;
        CorrectOntoLine(f, x, y, line, h);
        if (InUpperRightQuadrant(f.x[charge], f.y[charge], x, y)) {
            if (!a && run.Count(slot) > 0) {
                b = true;
            } else {
                a = true;
            }
        } else {
            if (b) finish = true;
            a = false;
        }
        if (FarEnough(u, x, y, px, py) || finish) {
            stall = 0;
            if (run.Count(slot) + 6 >= LineSlotFloats) return;
            run.Append(x / u, static_cast<float>(PotentialAt(f, x, y)), y / u);
            px = x;
            py = y;
            if (finish) return;
        } else if (++stall >= EquipotentialStallLimit) {
            return;
        }
    }
}

void TraceAll(const FieldSnapshot& f, const ValueRange& range, LineStore::Run& run) {
    const double tolerance = LevelTolerance(range);
    for (int level = 2; level <= 15; ++level) {
        const double target = LevelTarget(range, level);
        for (int i = 0; i < f.ChargeCount; ++i) {
            if (!run.OpenSlot()) return;
            float offset;
            if (!FindStartOffset(f, i, target, tolerance, offset)) continue;
            if (offset == 0) {  // the centre already lies at the level
                run.GiveBackSlot();
                continue;
            }
            const float sx = f.x[i] + offset, sy = f.y[i];
            const float line = static_cast<float>(PotentialAt(f, sx, sy));
            if (GiveUpDuplicateStart(run, sx, sy, f.unitLength)) continue;
            TraceLine(f, run, i, sx, sy, line);
        }
    }
}

}  // namespace

void TraceEquipotentialsReference(const FieldSnapshot& field, const ValueRange& range, bool wanted,
                                  LineStore& store) {
    if (!wanted) return;
    LineStore::Run run(store);
    if (!run.Started()) return;
    TraceAll(field, range, run);
    run.Publish();
}

}  // namespace voltaris
