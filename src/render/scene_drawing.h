#pragma once
#include "engine/graph_engine.h"
#include "render/scene_state.h"

namespace voltaris {

// Draws one frame of the view into the current context: surface, markers, lines, picking
// of the point under the mouse, pointers, axes and (3D) the level plane.
void DrawScene(GraphEngine& engine, const SceneState& scene);

}  // namespace voltaris
