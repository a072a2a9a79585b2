#pragma once
#include "render/scene_state.h"

namespace voltaris {

// Top view only: the circles of the charges around the pointer (X, Z), showing selection,
// hover and radius dragging.
void DrawChargeMarkers(const SceneState& scene, float X, float Z, bool topView);

}  // namespace voltaris
