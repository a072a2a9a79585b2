// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <cstdint>
#include <functional>

#include "render/scene_state.h"

namespace voltaris {

// Where a view looks from: the camera as gluLookAt takes it, a translation before it and a
// scale after it, and the user's turn about the vertical line through the square's centre.
struct ViewCamera {
    std::array<float, 3> eye{}, centre{}, up{}, pan{}, scale{};
    int32_t rotationDeg = 0;
};

// A graph point under the mouse; x below -99 means none (the value tells who cleared it).
struct PickedPoint {
    float x = -999, y = 0, z = 0;
};

// What the frame thread keeps from one pick to the next: the window position unprojected
// last (an unchanged position keeps its point) and the viewport. A default cache holds no
// position, so the next one is unprojected whatever it is.
struct PickCache {
    static constexpr int32_t NoPosition = INT32_MIN;
    int32_t lastX = NoPosition, lastY = NoPosition;
    std::array<int32_t, 4> viewport{-99, 0, 0, 0};  // [0] = -99: fetch again (after a resize)
};

// What one frame of a view draws beside the scene, taken from its engine as the frame starts.
struct ViewFrame {
    ViewFlags flags;
    ViewCamera camera;
    uint32_t surfaceList = 0;  // compiled surface; 0 = none
    bool surfaceHidden = false;
    // Window position of the mouse to unproject, y counted from the bottom edge; x at or
    // below -900 means no mouse position.
    int32_t pickX = -999, pickY = 0;
    PickedPoint picked;                 // the point the previous frame found
    float markX = -100, markZ = -100;   // mirrored pointer; markX below -99 = none
    float planeHeight = -100;           // level plane potential (V); below -99 = none
};

// The fixed GL state of a view, set once after its context is made current: smooth shading,
// the clear colour (RGB, red in the low byte), depth test LEQUAL, nicest perspective, alpha
// blending.
void InitialiseGlState(uint32_t clearColour);

// Viewport and projection for a panel of width x height pixels (0 counts as 1).
void SetViewportAndProjection(int width, int height);

// Flat or smooth shading of what is drawn next.
void SetFlatShading(bool flat);

// Where a frame may pause while it draws; both are called on the frame's thread.
struct FramePauses {
    // Once the surface and the markers are submitted, before they are rasterised: a frame that
    // a newer edit has made stale may let the other view have the rasteriser first.
    std::function<void()> beforeRasterising;
    // Once the surface is being rasterised, before the traced lines and paths are read: a frame
    // may wait there for lines being traced.
    std::function<void()> beforeTracedLines;
};

// Draws one frame of the view into the current context: surface, markers, lines, picking
// of the point under the mouse, pointers, axes and (3D) the level plane. Returns the point
// under the mouse as this frame found it.
PickedPoint DrawScene(const ViewFrame& view, const SceneState& scene, const TracedStores& stores,
                      PickCache& cache, const FramePauses& pauses = {});

// The graph point under window position (x, y), from the depth of what has been drawn so far
// in this frame: `previous` with x = pick x when that is at or below -900 (no position), the
// previous point when the position is unchanged, x = -999 when the matrices are singular.
PickedPoint PickPoint(int32_t x, int32_t y, const PickedPoint& previous, PickCache& cache);

// The axes, meeting one graph unit outside the square's corner (0, 0): the two horizontal
// axes with heads, and in the 3D view the vertical potential axis spanning the value range.
void DrawAxes(bool topView, const ValueRange& range);

// The translucent blue level plane at the height of `potential` volts, one unit beyond the
// square on every side.
void DrawLevelPlane(float potential, float heightScale);

}  // namespace voltaris
