// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <cstdint>

#include "field/field_snapshot.h"
#include "model/project.h"
#include "particle/particle_switches.h"
#include "particle/path_store.h"

namespace voltaris {

// Everything a path build reads, copied on the user-interface thread: the drawing thread that
// builds never touches the live model.
struct TrajectoryInputs {
    FieldSnapshot field;
    int32_t ParticleCount = 0;
    std::array<ParticleSlot, MaxParticleSlots> slots{};
    ParticleSwitches switches;
};

// State of one slot at the end of an alternating-voltage phase step.
struct SlotEndState {
    double speed = 0, angle = 0;
    float x = 0, y = 0;
};

// What a build changes in the model. The user-interface thread applies it (ApplyTrajectoryResult),
// so the model has one writer.
struct TrajectoryResult {
    bool built = false;            // false when the particle is off
    double slot0Dt = 0;            // slot 0's time step after the automatic cuts
    double slot0ReferenceSpeed = 0;
    bool dtCut = false;            // dt was cut: lines and path must be built again with it
    bool storeFull = false;        // the path store filled up and ended the build
    double SuggestedAmplification = 1.0;
    int slotsWrittenBack = 0;      // alternating voltage: slots whose end state is below
    std::array<SlotEndState, MaxParticleSlots> endState{};
    int phaseSteps = 0;            // alternating voltage: increments of AcPhaseCounter
};

// One integration step of a particle of charge q (signed, swap applied) and mass m. v becomes
// -1 when the particle leaves the region (|x| or |y| beyond 100 m) or touches a charge.
// `suggested` is the running Bremsstrahlung suggestion, updated when radiation is off.
void ParticleStep(const FieldSnapshot& field, double& v, double& alpha, double q, double m, double dt, float& x,
                  float& y, bool radiation, double factor, double& suggested);

// Builds the paths of all slots into the store's back set and publishes them.
TrajectoryResult BuildParticleTrajectory(const TrajectoryInputs& in, PathStore& store);
// The fast build without the AVX-512 code, as on processors that lack it; its path is the
// fast build's, to the last bit.
TrajectoryResult BuildParticleTrajectoryWithoutVectors(const TrajectoryInputs& in, PathStore& store);
// The same build with one plain kernel call after another: the yardstick for the fast one.
TrajectoryResult BuildParticleTrajectoryReference(const TrajectoryInputs& in, PathStore& store);

// Writes a build's effects into the active tab (user-interface thread). Returns whether the
// lines must be rebuilt (dt was cut); `phaseCounter` grows by the phase steps made.
bool ApplyTrajectoryResult(const TrajectoryResult& result, Project& project, int32_t& phaseCounter);

}  // namespace voltaris
