#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "field/duplicate_start.h"
#include "field/equipotential_lines.h"
#include "field/fast_field.h"
#include "field/kernels.h"
#include "field/trace_rules.h"

// The fast tracer follows the plain one (equipotential_reference.cpp) decision for decision and
// stores the same points; it only avoids repeated work:
// - all fourteen levels search the same probes on a charge's ray, so the potentials along each
//   ray are evaluated once per run, in blocks, as far as some level needs them;
// - the correction evaluates each point once instead of once per comparison, and the potential
//   stored with a point is the one the correction already has;
// - the kernels work from per-charge constants (FastField).

namespace voltaris {
namespace {

// Scratch space of the start search, allocated once per thread and reused by every run.
struct RayWorkspace {
    std::vector<float> offsets;  // the probe offsets, in search order
    std::array<std::vector<double>, MaxChargesPerTab> potentials;
    std::array<int, MaxChargesPerTab> evaluated{};  // probes of each ray evaluated so far
    std::vector<float> probeX;

    void Prepare(const FieldSnapshot& f) {
        offsets.clear();
        const float step = StartSearchStep(f.unitLength), end = StartSearchEnd(f.unitLength);
        if (step > 0) {
            for (float o = 0; o < end; o += step) offsets.push_back(o);
        }
        for (int i = 0; i < f.ChargeCount; ++i) {
            if (potentials[i].size() < offsets.size()) potentials[i].resize(offsets.size());
            evaluated[i] = 0;
        }
        if (probeX.size() < offsets.size()) probeX.resize(offsets.size());
    }
};

RayWorkspace& Workspace() {
    thread_local RayWorkspace workspace;
    return workspace;
}

class FastEquipotentials {
public:
    FastEquipotentials(const FieldSnapshot& f, LineStore::Run& run)
        : f_(f), field_(f), run_(run), ray_(Workspace()) {
        ray_.Prepare(f);
    }

    void TraceAll(const ValueRange& range) {
        const double tolerance = LevelTolerance(range);
        for (int level = 2; level <= 15; ++level) {
            const double target = LevelTarget(range, level);
            for (int i = 0; i < f_.ChargeCount; ++i) {
                if (!run_.OpenSlot()) return;
                const int probe = FindStartProbe(i, target, tolerance);
                if (probe < 0) continue;
                if (ray_.offsets[probe] == 0) {  // the centre already lies at the level
                    run_.GiveBackSlot();
                    continue;
                }
                const float sx = f_.x[i] + ray_.offsets[probe], sy = f_.y[i];
                const float line = static_cast<float>(ray_.potentials[i][probe]);
                if (GiveUpDuplicateStart(run_, sx, sy, f_.unitLength)) continue;
                TraceLine(i, sx, sy, line);
            }
        }
    }

private:
    // Index of the first probe within tolerance of the level; -1 when none is.
    int FindStartProbe(int i, double target, double tolerance) {
        const int probes = static_cast<int>(ray_.offsets.size());
        const double* v = ray_.potentials[i].data();
        for (int j = 0; j < probes; ++j) {
            if (j == ray_.evaluated[i]) EvaluateMore(i);
            if (std::fabs(v[j] - target) < tolerance) return j;
        }
        return -1;
    }

    // Extends the evaluated part of ray i, doubling the block each time (64 probes first).
    void EvaluateMore(int i) {
        const int probes = static_cast<int>(ray_.offsets.size());
        const int from = ray_.evaluated[i];
        const int to = std::min(probes, from + std::max(64, from));
        float* xs = ray_.probeX.data();
        for (int j = from; j < to; ++j) xs[j] = f_.x[i] + ray_.offsets[j];
        field_.PotentialsAlongRow(xs + from, to - from, f_.y[i], ray_.potentials[i].data() + from);
        ray_.evaluated[i] = to;
    }

    bool Step(float& x, float& y) const {
        double angle;
        field_.Field(x, y, angle);
        const double theta = angle - HalfPi;
        x = static_cast<float>(x + std::cos(theta) * 0.05 * f_.unitLength);
        y = static_cast<float>(y + std::sin(theta) * 0.05 * f_.unitLength);
        return InTraceArea(f_.unitLength, x, y);
    }

    // Coordinate descent onto the line's potential; returns the potential at the final point.
    double Correct(float& x, float& y, float line, float h) const {
        double v = field_.Potential(x, y);
        for (int round = 0; round < CorrectionRoundLimit && OffLevel(v, line); ++round) {
            bool moved = false;
            double error = std::fabs(v - line);
            auto tryPoint = [&](float cx, float cy) {
                const double candidate = field_.Potential(cx, cy);
                if (std::fabs(candidate - line) < error) {
                    x = cx;
                    y = cy;
                    v = candidate;
                    error = std::fabs(v - line);
                    moved = true;
                }
            };
            tryPoint(x + h, y);
            tryPoint(x - h, y);
            tryPoint(x, y + h);
            tryPoint(x, y - h);
            if (!moved) break;
        }
        return v;
    }

    void TraceLine(int charge, float x, float y, float line) {
        const float u = f_.unitLength;
        const float h = 0.0005f * u;
        const int slot = run_.Slot();
        float px = 0, py = 0;
        int stall = 0;
        bool a = false, b = false, finish = false;
        for (long long step = 0; step < EquipotentialStepLimit; ++step) {
            if (!Step(x, y)) return;
            const double v = Correct(x, y, line, h);
            if (InUpperRightQuadrant(f_.x[charge], f_.y[charge], x, y)) {
                if (!a && run_.Count(slot) > 0) {
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
                if (run_.Count(slot) + 6 >= LineSlotFloats) return;
                run_.Append(x / u, static_cast<float>(v), y / u);
                px = x;
                py = y;
                if (finish) return;
            } else if (++stall >= EquipotentialStallLimit) {
                return;
            }
        }
    }

    const FieldSnapshot& f_;
    FastField field_;
    LineStore::Run& run_;
    RayWorkspace& ray_;
};

}  // namespace

void TraceEquipotentials(const FieldSnapshot& field, const ValueRange& range, bool wanted, LineStore& store) {
    if (!wanted) return;
    LineStore::Run run(store);
    if (!run.Started()) return;
    FastEquipotentials(field, run).TraceAll(range);
    run.Publish();
}

}  // namespace voltaris
