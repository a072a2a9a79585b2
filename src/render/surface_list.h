// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>

#include "render/scene_state.h"

namespace voltaris {

struct SurfaceMesh;

// How a view shows the surface.
struct SurfaceStyle {
    int32_t renderMode = 0;  // 0 solid, 1 lines, 2 wireframe, 3 points
    int32_t colourMode = 1;  // 0 continuous ramp, 1 five steps
    float gridStep = 0.07f;  // graph units
    bool topView = false;
};

// Compiles the coloured surface of the scene into a new display list, generating its
// vertices into `mesh` (reused from one call to the next). Returns the list's name, 0 when GL
// has none left. The context must be current.
uint32_t CompileSurfaceList(const SceneState& scene, const SurfaceStyle& style, SurfaceMesh& mesh);

// Deletes the display list `list` (0: none) and sets it to 0.
void DeleteSurfaceList(uint32_t& list);

}  // namespace voltaris
