// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Most steps of a long build store nothing: the particle moves less than the spacing between
// stored points. Those steps are made here in one tight loop on processors with AVX-512,
// with the same arithmetic as the fast stepper's single step. A step that is not ordinary
// (the particle leaves the region or comes near a charge, the field or the velocity has no x
// part, the suggestion must be worked out, the float32 field sums prove wrong) is left to that
// single step, and so is everything after it.
#include <cstdint>

#include "particle/amplification_suggestion.h"
#include "particle/trajectory_field.h"

namespace voltaris {

struct QuietRun {
    // Fixed during the run.
    double chargePerMass = 0, q = 0, m = 0, dt = 0;
    float unitLength = 1;
    float lastStoredGx = 0, lastStoredGy = 0;  // the last stored point in graph units
    int64_t limit = 0;                         // the build's last step
    // Taken and given back.
    float x = 0, y = 0, t = 0;
    double vx = 0, vy = 0;  // the velocity the next step starts from
    int64_t step = 0;       // the next step to make, or the one just made when it is to be stored
    double suggested = 0;
    PendingSuggestion pending;
    bool stepsMade = false;
};

// Makes steps run.step, run.step + 1, ... Returns true after making a step that is to be
// stored (the last one, or far enough from the last stored point), with run.step its index;
// false before a step left to the single step, with run.step that step's index. Does nothing
// and returns false without AVX-512 with its DQ instructions.
bool MakeQuietSteps(const TrajectoryField& field, QuietRun& run);

}  // namespace voltaris
