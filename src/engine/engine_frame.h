// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The frame step of a view: what a frame thread does with its engine, once per frame, and the
// same step on a headless context for a single picture.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/graph_engine.h"
#include "model/project.h"
#include "render/scene_state.h"

namespace voltaris {

class LinesRebuilder;

// What the owner of a frame thread plugs into the frame.
struct FrameHooks {
    // Presents the drawn frame (the window's buffer swap). Empty: nothing to present.
    std::function<void()> swapBuffers;
    // Rebuilds the traced lines and the particle path; called on the frame thread when the
    // engine's linesDirty was raised (the flag is already cleared). May set linesDirty again
    // to ask for another pass.
    std::function<void(GraphEngine&, const SceneState&)> rebuildLines;
    // The program's views: the lines are rebuilt beside the frames (rebuildLines is then not
    // used and linesDirty left to the rebuilder). A frame waits for the lines of the scene it
    // draws while they are being traced, up to a frame's pause (a picture request: until they
    // are done), so an edit shows its surface and its lines in the same frame.
    LinesRebuilder* linesBeside = nullptr;
    // With the lines rebuilt beside: after a single edit, this view draws the edit's scene once
    // that view has presented it (or after a short wait), and a frame that such an edit makes
    // stale before it is rasterised waits in the same way, so the view the hand works in gets
    // the cores first. The program's 3D view goes after the top view, where charges are dragged.
    const GraphEngine* goesAfter = nullptr;
    // Called on the frame thread after every pass of the frame loop: a frame presented (and
    // already counted in frameCount), or a paused view's pass.
    std::function<void()> passEnded;
};

// Replaces the engine's display list by a fresh compilation of the coloured surface of the
// scene (none while listHidden); an invalid render mode falls back to solid. Frame thread of
// the engine, its context current.
void BuildSurfaceList(GraphEngine& engine, const SceneState& scene);

// One pass of the frame loop on the engine's context, which the caller has made current:
// when running, serves the dirty flags and a pending size, draws the scene from the latest
// published state, presents it through hooks.swapBuffers and then increments frameCount.
// Returns false when the engine is paused, touching GL then only to answer a picture request.
// Requests raised while paused stay set and are all served by the first frame after resuming.
bool RunFrame(GraphEngine& engine, const Published<SceneState>& scene, const FrameHooks& hooks);

// The frame thread's loop: frames back to back while running, a blocking wait while paused,
// until RequestStop. Deletes the engine's display list before it returns (context current).
void RunFrameLoop(GraphEngine& engine, const Published<SceneState>& scene, const FrameHooks& hooks);

// Deletes the engine's GL objects; its context must be current.
void ReleaseGlResources(GraphEngine& engine);

struct OffscreenImage {
    int width = 0, height = 0;
    std::vector<uint8_t> rgba;  // top row first
};

// What a headless frame may add to a view's default settings.
struct OffscreenSetup {
    // Adjusts the engine before its frame (overlay switches, a pointer position, ...).
    std::function<void(GraphEngine&)> configure;
    // Builds the traced lines and the particle path when the frame asks for them.
    std::function<void(GraphEngine&, const SceneState&)> rebuildLines;
    bool particleEnabled = false;
};

// Draws the project's active tab as the given view shows it, by default with its default
// settings and no mouse pointer, on a headless context of width x height pixels. False with
// a reason in `error` when no context can be made.
bool RenderActiveTab(const Project& project, EngineView view, int width, int height,
                     OffscreenImage& image, std::string& error, const OffscreenSetup& setup = {});

}  // namespace voltaris
