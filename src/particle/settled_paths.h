// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/project.h"
#include "particle/particle_switches.h"
#include "particle/path_store.h"

namespace voltaris {

// Builds the particle paths of the active tab into `store` as the views end up showing them:
// while a build cuts the time step, the next one starts again with the smaller step (the frame
// loop does the same over its next frames). The cuts are written into `project`. With the
// particle switched off in `switches` nothing is built.
void BuildSettledPaths(Project& project, const ParticleSwitches& switches, PathStore& store);

}  // namespace voltaris
