// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>

#include "model/project.h"
#include "particle/trajectory.h"

namespace voltaris {

// A finished path build on its way from the building thread to the user-interface thread,
// with the model state it was built from, so a result that an edit has overtaken is dropped.
struct BuiltTrajectory {
    TrajectoryResult result;
    int32_t activeTab = 0;
    double startDt = 0;  // slot 0's time step when the build began
    uint32_t modelEpoch = 0;  // of the scene it was built from
};

// The build's inputs as copied from a scene of the active tab.
BuiltTrajectory StartOfBuild(int32_t activeTab, const ParticleSlot& slot0);

// Applies a build's effects to the model (user-interface thread) when they still belong to it:
// the same tab is active and slot 0 still has the time step the build started from. A result
// that does not fit any more is dropped; the edit that changed the model requested a build of
// its own. Returns whether the lines and the path must be rebuilt (the time step was cut).
bool ApplyBuiltTrajectory(const BuiltTrajectory& built, Project& project, int32_t& phaseCounter);

}  // namespace voltaris
