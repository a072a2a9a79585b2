// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tracing of the equipotential lines, written once for the plain kernels and the fast
// ones, so that both take the same decisions and store the same points. A kernel offers:
//   bool FindStart(int charge, double target, double tolerance, float& offset, float& line)
//        the first probe on the ray to the right of the charge centre whose potential lies
//        within `tolerance` volts of `target`: its offset (metres) and its potential as the
//        line's potential; false when no probe does
//   bool Step(float& x, float& y)                 EquipotentialStep
//   void Correct(float& x, float& y, float line, float h)
//        coordinate descent back onto the line's potential in steps of h metres
//   double CorrectedPotential(float x, float y)   the potential at the point Correct left, exact
//        as far as its float32 (which is stored) goes
#include "field/duplicate_start.h"
#include "field/field_snapshot.h"
#include "field/kernels.h"
#include "field/line_store.h"
#include "field/trace_rules.h"

namespace voltaris::equipotential_tracing {

// Seen with x to the right and y upwards, a line round a positive charge runs clockwise from
// its start on the ray to the right of the centre: it enters the upper-right quadrant only for
// its last quarter and is closed when it leaves it again, next to its start. Round a negative
// charge it runs anticlockwise, starts inside the quadrant and is closed only after passing
// through it a second time, so its first quarter is drawn twice.
class LoopClosing {
public:
    // After every step: whether the point lies in the upper-right quadrant of the charge the
    // line started from, and whether its slot already holds points. True once the line is
    // closed; it stays closed.
    bool Closed(bool inQuadrant, bool slotHoldsPoints) {
        if (inQuadrant) {
            if (!inStartingPass_ && slotHoldsPoints) {
                returned_ = true;
            } else {
                inStartingPass_ = true;
            }
        } else {
            if (returned_) closed_ = true;
            inStartingPass_ = false;
        }
        return closed_;
    }

private:
    bool inStartingPass_ = false;  // in the quadrant since before the first stored point
    bool returned_ = false;        // back in the quadrant after points were stored
    bool closed_ = false;          // left it after coming back
};

// Spacing of the correction's probes: a two-thousandth of a graph unit.
constexpr float CorrectionProbeStep = 0.0005f;

// Follows the line of potential `line` from (x, y), a start point on the ray to the right of
// charge `charge`, into the run's current slot, until it closes, leaves the trace area,
// stalls or fills its slot.
template <class Kernel>
void TraceLine(Kernel& kernel, const FieldSnapshot& f, LineStore::Run& run, int charge, float x, float y,
               float line) {
    const float u = f.unitLength;
    const float h = CorrectionProbeStep * u;
    const int slot = run.Slot();
    float px = 0, py = 0;  // last stored point
    int stall = 0;
    LoopClosing loop;
    for (long long step = 0; step < EquipotentialStepLimit; ++step) {
        if (!kernel.Step(x, y)) return;
        kernel.Correct(x, y, line, h);
        const bool closed = loop.Closed(InUpperRightQuadrant(f.x[charge], f.y[charge], x, y), run.Count(slot) > 0);
        if (FarEnough(u, x, y, px, py) || closed) {
            stall = 0;
            if (run.Count(slot) + 6 >= LineSlotFloats) return;  // full: 332 points, 996 floats
            run.Append(x / u, static_cast<float>(kernel.CorrectedPotential(x, y)), y / u);
            px = x;
            py = y;
            if (closed) return;
        } else if (++stall >= EquipotentialStallLimit) {
            return;
        }
    }
}

// Traces the lines of the fourteen levels 2 .. 15 round every charge into `run`, each level
// charge by charge in slot order, one slot per (level, charge) pair that finds a start.
template <class Kernel>
void TraceAll(Kernel& kernel, const FieldSnapshot& f, const ValueRange& range, LineStore::Run& run) {
    const double tolerance = LevelTolerance(range);
    for (int level = FirstLevel; level <= LastLevel; ++level) {
        const double target = LevelTarget(range, level);
        for (int i = 0; i < f.ChargeCount; ++i) {
            if (!run.OpenSlot()) return;
            float offset, line;
            if (!kernel.FindStart(i, target, tolerance, offset, line)) continue;  // the slot stays empty
            if (offset == 0) {  // the centre already lies at the level
                run.GiveBackSlot();
                continue;
            }
            const float sx = f.x[i] + offset, sy = f.y[i];
            if (GiveUpDuplicateStart(run, sx, sy, f.unitLength)) continue;
            TraceLine(kernel, f, run, i, sx, sy, line);
        }
    }
}

}  // namespace voltaris::equipotential_tracing
