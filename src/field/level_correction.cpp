// SPDX-License-Identifier: GPL-3.0-or-later
#include "field/level_correction.h"

#include <cmath>

#include "field/trace_rules.h"

namespace voltaris {

namespace {

// A decision from estimates keeps this relative distance from its threshold, far above the
// rounding of the deviations and their quotient.
constexpr double DecisionMargin = 1e-9;

}  // namespace

// Potentials already evaluated within one correction round, found by exact coordinates.
class LevelCorrection::RoundPotentials {
public:
    void Add(float x, float y, const PotentialEstimate& p) {
        if (size_ < Capacity) points_[size_++] = {x, y, p};
    }
    bool Find(float x, float y, PotentialEstimate& p) const {
        for (int j = 0; j < size_; ++j) {
            if (points_[j].x == x && points_[j].y == y) {
                p = points_[j].p;
                return true;
            }
        }
        return false;
    }

private:
    static constexpr int Capacity = 5;  // the start and its four neighbours
    struct Entry {
        float x, y;
        PotentialEstimate p;
    };
    Entry points_[Capacity];
    int size_ = 0;
};

PotentialEstimate LevelCorrection::Evaluate(float x, float y) const {
    return estimator_.Available() ? estimator_.At(x, y) : Exact(x, y);
}

bool LevelCorrection::OffLevelAt(PotentialEstimate& p, float x, float y, float line) const {
    if (p.bound != 0 && p.Informative()) {
        const double deviation = std::fabs(p.value - line);
        if (line == 0) {
            if (deviation > p.bound) return true;
        } else {
            const double limit = 0.01 * std::fabs(line);  // OffLevel's 1 %
            if (deviation - p.bound > limit * (1 + DecisionMargin)) return true;
            if (deviation + p.bound < limit * (1 - DecisionMargin)) return false;
        }
    }
    if (p.bound != 0) p = Exact(x, y);
    return OffLevel(p.value, line);
}

bool LevelCorrection::Closer(PotentialEstimate& c, float cx, float cy, PotentialEstimate& v, float vx, float vy,
                             float line) const {
    if ((c.bound != 0 || v.bound != 0) && c.Informative() && v.Informative()) {
        const double dc = std::fabs(c.value - line), dv = std::fabs(v.value - line);
        const double margin = (dc + dv) * DecisionMargin;
        if (dc + c.bound + margin < dv - v.bound) return true;
        if (dc - c.bound - margin > dv + v.bound) return false;
    }
    if (c.bound != 0) c = Exact(cx, cy);
    if (v.bound != 0) v = Exact(vx, vy);
    return std::fabs(c.value - line) < std::fabs(v.value - line);
}

PotentialEstimate LevelCorrection::Correct(float& x, float& y, float line, float h) const {
    PotentialEstimate v = Evaluate(x, y);
    for (int round = 0; round < CorrectionRoundLimit && OffLevelAt(v, x, y, line); ++round) {
        RoundPotentials known;
        known.Add(x, y, v);
        bool moved = false;
        auto tryPoint = [&](float cx, float cy) {
            PotentialEstimate candidate;
            if (!known.Find(cx, cy, candidate)) {
                candidate = Evaluate(cx, cy);
                known.Add(cx, cy, candidate);
            }
            if (Closer(candidate, cx, cy, v, x, y, line)) {
                x = cx;
                y = cy;
                v = candidate;
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

float LevelCorrection::StoredPotential(const PotentialEstimate& p, float x, float y) const {
    float rounded;
    if (p.bound == 0) return static_cast<float>(p.value);
    if (p.RoundsSurely(rounded)) return rounded;
    return static_cast<float>(field_.Potential(x, y));
}

}  // namespace voltaris
