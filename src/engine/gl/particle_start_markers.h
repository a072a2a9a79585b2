#pragma once
#include "engine/graph_engine.h"
#include "render/scene_state.h"

namespace voltaris {

// Top view only, while the particle is switched on: each slot's start circle with its launch
// direction.
void DrawParticleStartMarkers(const GraphEngine& engine, const SceneState& scene);

}  // namespace voltaris
