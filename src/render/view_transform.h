// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The arithmetic of a view's model-view transform, without GL: the drawing applies it through
// GL calls, the fit of the 3D view evaluates it for many points.
#include <array>

#include "render/scene_drawing.h"

namespace voltaris {

// The scale factor at which zooming is neutral: both views start with it. A view zoomed to
// scale s is the picture at this scale magnified s / NeutralZoomScale times about the point
// at the centre of the panel, so zooming neither drifts nor changes the start picture.
constexpr float NeutralZoomScale = 0.1f;

using Vec3 = std::array<float, 3>;

// The shift applied between the camera and the scale (scene units): q * (1 - s / s0) per
// axis, where q is the scene point that appears at the panel centre (the look-at centre moved
// back by the pan) and s0 = NeutralZoomScale. Exactly zero at the neutral scale.
Vec3 ZoomPivotShift(const ViewCamera& camera);

// Where graph point p lies in eye space (camera at the origin looking along -z), as the
// scene drawing places it: pan, camera, pivot shift, scale and the turn about the vertical
// line through the square's centre.
Vec3 EyeSpacePoint(const ViewCamera& camera, const Vec3& p);

}  // namespace voltaris
