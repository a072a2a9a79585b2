// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "field/equipotential_lines.h"
#include "field/equipotential_tracing.h"
#include "field/fast_field.h"
#include "field/kernels.h"
#include "field/level_correction.h"
#include "field/potential_estimate.h"
#include "field/trace_rules.h"
#include "field/trace_step.h"

// The fast kernel of the tracing (equipotential_tracing.h): it finds the same start points,
// steps and corrections as the plain one (equipotential_reference.cpp), so both store the
// same points; it only avoids repeated work:
// - all fourteen levels search the same probes on a charge's ray, so the potentials along each
//   ray are evaluated once per run, several probes at a time, in blocks of 64 as some level
//   needs them; a level skips every block whose potentials all lie far from it, known from
//   the block's evaluated potentials or, before these, from bounds of each charge's term over
//   the block's stretch of the ray;
// - the correction (LevelCorrection) evaluates each point once instead of once per
//   comparison, and decides from estimates where their bounds allow; the potential stored
//   with a point is the one the correction already has;
// - the kernels work from per-charge constants and find the field direction without a
//   trigonometric round trip, per charge (FastField) or for the step (StepFromField).

namespace voltaris {
namespace {

constexpr int BlockSize = 64;

// Scratch space of the start search, allocated once per thread and reused by every run.
struct RayWorkspace {
    std::vector<float> offsets;  // the probe offsets, in search order
    std::array<std::vector<double>, MaxChargesPerTab> potentials;
    // Per block of BlockSize probes on each ray: whether its potentials are evaluated, and
    // the lowest and highest of them, or before that bounds enclosing them.
    std::array<std::vector<char>, MaxChargesPerTab> evaluated, bounded;
    std::array<std::vector<double>, MaxChargesPerTab> blockLow, blockHigh;
    std::vector<float> probeX;

    void Prepare(const FieldSnapshot& f) {
        offsets.clear();
        const float step = StartSearchStep(f.unitLength), end = StartSearchEnd(f.unitLength);
        if (step > 0) {
            for (float o = 0; o < end; o += step) offsets.push_back(o);
        }
        const size_t blocks = (offsets.size() + BlockSize - 1) / BlockSize;
        for (int i = 0; i < f.ChargeCount; ++i) {
            if (potentials[i].size() < offsets.size()) potentials[i].resize(offsets.size());
            blockLow[i].resize(blocks);
            blockHigh[i].resize(blocks);
            evaluated[i].assign(blocks, 0);
            bounded[i].assign(blocks, 0);
        }
        if (probeX.size() < offsets.size()) probeX.resize(offsets.size());
    }
};

RayWorkspace& Workspace() {
    thread_local RayWorkspace workspace;
    return workspace;
}

// The fast kernel of the equipotential tracing (see equipotential_tracing.h).
class FastEquipotentials {
public:
    explicit FastEquipotentials(const FieldSnapshot& f)
        : f_(f), field_(f), estimator_(f), correction_(field_, estimator_), ray_(Workspace()) {
        ray_.Prepare(f);
    }

    bool FindStart(int charge, double target, double tolerance, float& offset, float& line) {
        const int probe = FindStartProbe(charge, target, tolerance);
        if (probe < 0) return false;
        offset = ray_.offsets[probe];
        line = static_cast<float>(ray_.potentials[charge][probe]);
        return true;
    }

    bool Step(float& x, float& y) const {
        float ex, ey;
        field_.FieldComponents(x, y, ex, ey);
        StepFromField(ex, ey, StepTurn::Clockwise, f_.unitLength, x, y);
        return InTraceArea(f_.unitLength, x, y);
    }

    void Correct(float& x, float& y, float line, float h) { corrected_ = correction_.Correct(x, y, line, h); }

    // The potential at the point the correction left, as exact as its float32 (which is
    // what is stored) needs.
    double CorrectedPotential(float x, float y) const { return correction_.StoredPotential(corrected_, x, y); }

private:
    // Index of the first probe within tolerance of the level; -1 when none is.
    int FindStartProbe(int i, double target, double tolerance) {
        const int probes = static_cast<int>(ray_.offsets.size());
        const double* v = ray_.potentials[i].data();
        // A block whose potentials all lie beyond the tolerance by more than the rounding of
        // |v - target| could ever make up holds no match.
        const double low = target - tolerance - (std::fabs(target) + tolerance) * 1e-12;
        const double high = target + tolerance + (std::fabs(target) + tolerance) * 1e-12;
        auto missed = [&](int block) { return ray_.blockHigh[i][block] < low || ray_.blockLow[i][block] > high; };
        for (int block = 0; block * BlockSize < probes; ++block) {
            if (!ray_.bounded[i][block]) BoundBlock(i, block);
            if (missed(block)) continue;
            if (!ray_.evaluated[i][block]) {
                EvaluateBlock(i, block);
                if (missed(block)) continue;
            }
            for (int j = block * BlockSize; j < std::min(probes, (block + 1) * BlockSize); ++j) {
                if (std::fabs(v[j] - target) < tolerance) return j;
            }
        }
        return -1;
    }

    // The probes of a block lie on a segment [xa, xb] of the ray; on it each charge's term
    // kq / max(d, reach) lies between its values at the segment's nearest and farthest points.
    // The bounds are widened far beyond the rounding of either sum. A point charge the segment
    // touches gives no bound.
    void BoundBlock(int i, int block) {
        const int first = block * BlockSize;
        const int last = std::min(static_cast<int>(ray_.offsets.size()), first + BlockSize) - 1;
        const double xa = static_cast<float>(f_.x[i] + ray_.offsets[first]);
        const double xb = static_cast<float>(f_.x[i] + ray_.offsets[last]);
        double low = 0, high = 0, magnitude = 0;
        bool unbounded = false;
        for (int m = 0; m < f_.ChargeCount; ++m) {
            const double dy = static_cast<double>(f_.y[i]) - f_.y[m];
            const double da = xa - f_.x[m], db = xb - f_.x[m];
            const double nearX = da <= 0 && db >= 0 ? 0.0 : std::min(da * da, db * db);
            const double reach = field_.Reach(m), kq = field_.ChargeFactor(m);
            const double nearest = std::max(std::sqrt(nearX + dy * dy), reach);
            const double farthest = std::max(std::sqrt(std::max(da * da, db * db) + dy * dy), reach);
            const double strongest = kq / nearest, weakest = kq / farthest;
            unbounded |= nearest == 0;  // a point charge on the segment: 0 at its centre, any size near it
            low += std::min(strongest, weakest);
            high += std::max(strongest, weakest);
            magnitude += std::fabs(strongest);
        }
        const double margin = magnitude * 1e-12;
        ray_.blockLow[i][block] = unbounded ? -INFINITY : low - margin;
        ray_.blockHigh[i][block] = unbounded ? INFINITY : high + margin;
        ray_.bounded[i][block] = 1;
    }

    void EvaluateBlock(int i, int block) {
        const int from = block * BlockSize;
        const int to = std::min(static_cast<int>(ray_.offsets.size()), from + BlockSize);
        float* xs = ray_.probeX.data();
        double* v = ray_.potentials[i].data();
        for (int j = from; j < to; ++j) xs[j] = f_.x[i] + ray_.offsets[j];
        field_.PotentialsAlongRow(xs + from, to - from, f_.y[i], v + from);
        double lo = INFINITY, hi = -INFINITY;
        for (int j = from; j < to; ++j) {
            if (std::isnan(v[j])) lo = -INFINITY, hi = INFINITY;  // compares false: scan it
            lo = std::min(lo, v[j]);
            hi = std::max(hi, v[j]);
        }
        ray_.blockLow[i][block] = lo;
        ray_.blockHigh[i][block] = hi;
        ray_.evaluated[i][block] = 1;
    }

    const FieldSnapshot& f_;
    FastField field_;
    PotentialEstimator estimator_;
    LevelCorrection correction_;
    RayWorkspace& ray_;
    PotentialEstimate corrected_{0, 0};  // potential at the point the last correction left
};

}  // namespace

void TraceEquipotentials(const FieldSnapshot& field, const ValueRange& range, bool wanted, LineStore& store) {
    if (!wanted) return;
    LineStore::Run run(store);
    if (!run.Started()) return;
    FastEquipotentials kernel(field);
    equipotential_tracing::TraceAll(kernel, field, range, run);
    run.Publish();
}

}  // namespace voltaris
