#pragma once
#include "engine/graph_engine.h"
#include "render/scene_state.h"

namespace voltaris {

// Replaces the engine's display list by a fresh compilation of the coloured surface of the
// scene (none while listHidden). Frame thread of the engine, its context current.
void BuildSurfaceList(GraphEngine& engine, const SceneState& scene);

}  // namespace voltaris
