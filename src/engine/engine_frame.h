#pragma once
#include <functional>

#include "engine/graph_engine.h"
#include "render/scene_state.h"

namespace voltaris {

// What the owner of a frame thread plugs into the frame.
struct FrameHooks {
    // Presents the drawn frame (the window's buffer swap). Empty: nothing to present.
    std::function<void()> swapBuffers;
    // Rebuilds the traced lines and the particle path; called on the frame thread when the
    // engine's linesDirty was raised (the flag is already cleared). May set linesDirty again
    // to ask for another pass.
    std::function<void(GraphEngine&, const SceneState&)> rebuildLines;
    // Called on the frame thread after every pass of the frame loop: a frame presented (and
    // already counted in frameCount), or a paused view's pass.
    std::function<void()> passEnded;
};

// The fixed GL state of a view, set once after its context is made current: smooth shading,
// clear colour from clearColour, depth test LEQUAL, nicest perspective, alpha blending.
void InitialiseGlState(const GraphEngine& engine);

// Viewport and projection for a panel of width x height pixels (0 counts as 1).
void SetViewportAndProjection(int width, int height);

// One pass of the frame loop on the engine's context, which the caller has made current:
// when running, serves the dirty flags and a pending size, draws the scene from the latest
// published state, presents it through hooks.swapBuffers and then increments frameCount.
// Returns false when the engine is paused, touching GL then only to answer a picture request. Requests raised while paused
// stay set and are all served by the first frame after resuming.
bool RunFrame(GraphEngine& engine, const Published<SceneState>& scene, const FrameHooks& hooks);

// The frame thread's loop: frames back to back while running, a blocking wait while paused,
// until RequestStop. Deletes the engine's display list before it returns (context current).
void RunFrameLoop(GraphEngine& engine, const Published<SceneState>& scene, const FrameHooks& hooks);

// Deletes the engine's GL objects; its context must be current.
void ReleaseGlResources(GraphEngine& engine);

}  // namespace voltaris
