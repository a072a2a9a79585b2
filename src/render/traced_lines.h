// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "render/scene_state.h"

namespace voltaris {

// Particle paths with the force arrows at the slow-motion marker (while the particle is on),
// then the equipotential lines in red and the field lines in black (when the view shows them).
// Each store is read through its hand-over, never half rewritten.
void DrawTracedLines(const ViewFlags& view, const SceneState& scene, const TracedStores& stores);

}  // namespace voltaris
