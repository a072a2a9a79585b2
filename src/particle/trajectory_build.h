// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The path build, written once for any stepper, so that the fast build and the plain one
// store, stop, cut the time step and write back alike. A stepper offers:
//   void Start(const ParticleSlot& slot, double q)   take the slot's start values, q signed
//   bool Step(q, m, dt, radiation, factor, suggested) one ParticleStep; false when stopped
//   float x, y                                      the position
//   double Speed(), Angle()                         v (-1 once stopped) and the direction
//   double Radiated()                               joules radiated since Start
//   double Potential(float x, float y)
//   void Settle(double& suggested)                  bring the suggestion up to date
//   bool QuietSteps(q, m, dt, radiation, suggested, j, limit, t, lastX, lastY)
//                                                   make steps from j on that store nothing;
//                                                   true when the step j it made is to be
//                                                   stored, false when step j is still to make
#include <cmath>

#include "field/kernels.h"
#include "particle/trajectory.h"

namespace voltaris::trajectory_build {

// The slider's largest step count: an alternating-voltage phase step never makes more, so a
// time step that has become absurdly small cannot hang the build.
constexpr int64_t MaxStepsPerBuild = 1000000;

// The automatic time step: one step shall move the particle about 0.007 graph units, far
// below the 0.1 units between stored points inside the square. The reference speed covers
// StepLength per step with slot 0's dt; a stored point more than SpeedMargin times faster
// cuts dt so that a step at its speed covers StepLength again.
constexpr double StepLength = 0.007;  // graph units
constexpr double SpeedMargin = 1.1;
// An alternating-voltage run appends to the path over its phase steps; past this many floats
// the path starts afresh, well before the store's capacity.
constexpr int32_t AcPathRestart = 80000;

// A slot whose numbers cannot give a path (no mass, a value that is not finite, a time step
// that does not advance) gets an empty one instead of positions that are not numbers.
inline bool Integrable(const ParticleSlot& s) {
    return s.mass != 0 && std::isfinite(s.mass) && std::isfinite(s.charge) && std::isfinite(s.dt) && s.dt > 0 &&
           std::isfinite(s.speed) && std::isfinite(s.angle) && std::isfinite(s.x) && std::isfinite(s.y);
}

// The last step of the slot's loop: the phase step's length in time steps while the
// alternating voltage runs, else the slot's step count. It changes only with dt.
inline int64_t LastStep(const TrajectoryInputs& in, const ParticleSlot& slot) {
    const double wanted = in.switches.AcRunning ? std::trunc(in.switches.AcChunkDuration / slot.dt) : slot.steps;
    return static_cast<int64_t>(std::fmin(wanted, MaxStepsPerBuild));
}

template <class Stepper>
TrajectoryResult Build(Stepper& stepper, const TrajectoryInputs& in, PathStore& store) {
    TrajectoryResult result;
    if (!in.switches.ParticleEnabled) return result;
    const PathStore::Writer writer(store);
    if (!writer.Started()) return result;  // a build is in progress
    result.built = true;
    const float unitLength = in.field.unitLength;
    std::array<ParticleSlot, MaxParticleSlots> slots = in.slots;
    double& dt0 = slots[0].dt;
    double reference = StepLength * unitLength / dt0;  // m/s
    PathSet& paths = BeginPathBuild(writer, in.switches.AcRunning);

    auto finish = [&] {
        stepper.Settle(result.SuggestedAmplification);
        result.slot0Dt = dt0;
        result.slot0ReferenceSpeed = reference;
        writer.Publish();
        return result;
    };

    for (int p = 0; p < in.ParticleCount; ++p) {
        if (p >= MaxParticleSlots) return finish();
        store.PlaybackIndex[p] = -1;
        ParticleSlot& slot = slots[p];
        PathSlot& path = paths.slots[p];
        if (!in.switches.AcRunning) path.PathFloatCount = 0;
        if (path.PathFloatCount > AcPathRestart) path.PathFloatCount = 0;
        const double q = in.field.SignFactor * slot.charge;
        stepper.Start(slot, q);
        float t = 0;
        // The start counts as the last stored point for the spacing of the first one.
        float lastX = slot.x, lastY = slot.y;
        int stored = 0;
        bool integrable = Integrable(slot);
        int64_t limit = integrable ? LastStep(in, slot) : -1;
        for (int64_t j = 0; integrable && j <= limit; ++j) {
            if (!stepper.QuietSteps(q, slot.mass, slot.dt, in.switches.BremsstrahlungEnabled,
                                    result.SuggestedAmplification, j, limit, t, lastX, lastY)) {
                const bool moving = stepper.Step(q, slot.mass, slot.dt, in.switches.BremsstrahlungEnabled,
                                                 in.switches.BremsstrahlungFactor, result.SuggestedAmplification);
                t = static_cast<float>(t + slot.dt);
                if (!moving) break;
            }
            const float x = stepper.x, y = stepper.y;
            if (j != limit && !FarEnough(unitLength, x, y, lastX, lastY)) continue;  // the last step is always kept
            lastX = x;
            lastY = y;
            if (path.PathFloatCount + 6 >= PathFloatCapacity) {
                result.storeFull = true;
                // Later slots are not computed and nothing is written back; they show no
                // path rather than one the buffer kept from an earlier build.
                if (!in.switches.AcRunning) {
                    for (int later = p + 1; later < in.ParticleCount && later < MaxParticleSlots; ++later)
                        paths.slots[later].PathFloatCount = 0;
                }
                return finish();
            }
            const double v = stepper.Speed();
            if (SpeedMargin * reference < v) {
                // Too fast for the time step: one step at this speed shall cover StepLength.
                reference = v;
                dt0 = StepLength * unitLength / v;
                result.dtCut = true;
                integrable = Integrable(slot);
                if (integrable) limit = LastStep(in, slot);
            }
            path.PathSpeed[stored] = static_cast<float>(v);
            path.PathAngle[stored] = static_cast<float>(stepper.Angle());
            path.PathTime[stored] = t;
            path.PathRadiated[stored] = static_cast<float>(stepper.Radiated());
            ++stored;
            float* point = path.PathPoints.data() + path.PathFloatCount;
            point[0] = x / unitLength;
            point[1] = static_cast<float>(stepper.Potential(x, y));
            point[2] = y / unitLength;
            path.PathFloatCount += 3;
        }
        if (in.switches.AcRunning) {
            result.endState[p] = SlotEndState{stepper.Speed(), stepper.Angle(), stepper.x, stepper.y};
            result.slotsWrittenBack = p + 1;
            ++result.phaseSteps;
        }
    }
    return finish();
}

}  // namespace voltaris::trajectory_build
