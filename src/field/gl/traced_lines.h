#pragma once
#include "engine/gl/graph_engine.h"
#include "engine/gl/scene_state.h"

namespace voltaris {

// Particle paths with their force arrows, then equipotential lines, then field lines.
void DrawTracedLines(const GraphEngine& engine, const SceneState& scene);

}  // namespace voltaris
