// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "render/scene_state.h"

namespace voltaris {

// What the views draw at single points, over the surface: arrows, the circles of the charges
// and of the particle starts, and the pointer's cross-hair with its field-strength arrows.

// A line from A to B and a flat equilateral head of side `head` with its tip at B, lying in
// the horizontal plane at B's height and pointing along the horizontal direction A -> B.
// Graph coordinates; the current colour is used.
void DrawArrow(float ax, float ay, float az, float bx, float by, float bz, float head);

// Top view only: the circles of the charges around the pointer (X, Z), showing selection,
// hover and radius dragging.
void DrawChargeMarkers(const SceneState& scene, float X, float Z, bool topView);

// Top view only, while the particle is switched on: each slot's start circle with its launch
// direction, coloured by where the pointer (X, Z) lies.
void DrawParticleStartMarkers(const SceneState& scene, float X, float Z, bool topView);

// Cross-hair and field-strength arrows at the graph point (X, Z) of height H: the cross-hair
// only strictly inside the square, the arrows only with showFieldStrength (one per charge
// too with showAllFieldStrengths), 5 graph units long at the range's MaxFieldStrength.
void DrawPointerField(const ViewFlags& view, const SceneState& scene, float X, float H, float Z);

}  // namespace voltaris
