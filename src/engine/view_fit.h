// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "engine/graph_engine.h"
#include "render/scene_state.h"

namespace voltaris {

// Puts the view's camera back to the values it started with: eye, look-at centre, up, pan,
// zoom and turn. Its display options stay. Any thread (single atomic fields).
void ResetView(GraphEngine& view);

// Zooms the 3D view and moves its camera up or down so that the whole coloured surface of the
// scene (as the view draws it, from the deepest well to the highest peak) fits a panel of
// width x height pixels with a small margin. The viewing direction, the distance of the eye
// from the look-at point and the turn stay as they are. False, and nothing changed, for an
// empty panel or a camera that cannot see the surface at any zoom.
bool FitView3D(GraphEngine& view, const SceneState& scene, int width, int height);

}  // namespace voltaris
