// SPDX-License-Identifier: GPL-3.0-or-later
#include "particle/settled_paths.h"

#include "particle/trajectory.h"

namespace voltaris {

namespace {
// Each cut makes dt fit a faster point of the path; a handful of passes reach the fastest.
constexpr int MaxPasses = 50;
}  // namespace

void BuildSettledPaths(Project& project, const ParticleSwitches& switches, PathStore& store) {
    TrajectoryInputs in;
    in.switches = switches;
    int32_t phase = 0;
    for (int pass = 0; pass < MaxPasses; ++pass) {
        in.field = SnapshotOfActiveTab(project);
        in.ParticleCount = project.Active().ParticleCount;
        in.slots = project.Active().particles;
        if (!ApplyTrajectoryResult(BuildParticleTrajectory(in, store), project, phase)) break;
    }
}

}  // namespace voltaris
