// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "field/fast_field.h"
#include "field/potential_estimate.h"

namespace voltaris {

// The fast tracer's correction of an equipotential point back onto its line's potential: the
// coordinate descent of the plain tracer (equipotential_reference.cpp), taking the same
// decisions from fewer and cheaper evaluations.
// - Each point is evaluated once per round, and only when a comparison needs it.
// - Where the processor offers it, points are estimated (PotentialEstimator) and a comparison
//   is made from the estimates when their bounds decide it; otherwise from the exact
//   potentials, which are then worked out.
class LevelCorrection {
public:
    LevelCorrection(const FastField& field, const PotentialEstimator& estimator)
        : field_(field), estimator_(estimator) {}

    // Moves (x, y), metres, in steps of h until the potential is within 1 % of `line` or no
    // neighbouring point comes closer. Returns the potential at the final point, as an
    // estimate that may still need working out (StoredPotential).
    PotentialEstimate Correct(float& x, float& y, float line, float h) const;

    // The float32 of the exact potential at (x, y), whose estimate `p` is.
    float StoredPotential(const PotentialEstimate& p, float x, float y) const;

private:
    class RoundPotentials;  // the points a correction round has evaluated
    PotentialEstimate Evaluate(float x, float y) const;
    PotentialEstimate Exact(float x, float y) const { return {field_.Potential(x, y), 0}; }
    // OffLevel of the potential at (x, y), from `p` when it decides.
    bool OffLevelAt(PotentialEstimate& p, float x, float y, float line) const;
    // Whether the potential `c` at (cx, cy) lies strictly closer to the line than `v` at
    // (vx, vy), both rounded as the plain tracer rounds their deviations.
    bool Closer(PotentialEstimate& c, float cx, float cy, PotentialEstimate& v, float vx, float vy, float line) const;

    const FastField& field_;
    const PotentialEstimator& estimator_;
};

}  // namespace voltaris
