// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "render/scene_state.h"

namespace voltaris {

// The optional overlays of a view, drawn over the finished frame (after picking, so they are
// never picked): with showAxisLabels, tick marks and metre labels along both horizontal axes,
// the axis names and, in the 3D view, the potential range on the vertical axis; with
// showColourBar in the top view, a colour bar of the ramp with its potentials in volts. The
// model-view and projection of the scene must still be set; nothing of the GL state changes.
void DrawViewOverlays(const ViewFlags& flags, const SceneState& scene);

}  // namespace voltaris
