#pragma once
#include "engine/graph_engine.h"
#include "render/scene_state.h"
#include "engine/gl/traced_stores.h"

namespace voltaris {

// Particle paths with the force arrows at the slow-motion marker (while the particle is on),
// then the equipotential lines in red and the field lines in black (when the view shows them),
// from the process-wide stores. Each store is read through its hand-over, never half rewritten.
void DrawTracedLines(const GraphEngine& engine, const SceneState& scene);
void DrawTracedLines(const GraphEngine& engine, const SceneState& scene, const TracedStores& stores);

}  // namespace voltaris
