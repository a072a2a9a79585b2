// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/engine_frame.h"

#include <chrono>
#include <thread>

#include "engine/lines_rebuilder.h"
#include "engine/redraw.h"
#include "render/egl_offscreen.h"
#include "render/scene_drawing.h"
#include "render/surface_list.h"

namespace voltaris {

namespace {

// 1 switches to flat shading (then 2), 3 back to smooth (then 0). A click that raised the
// value meanwhile wins over the write-back.
void ApplyShadeRequest(GraphEngine& e) {
    int32_t request = e.shadeRequest;
    if (request == 1) {
        SetFlatShading(true);
        e.shadeRequest.compare_exchange_strong(request, 2);
    } else if (request == 3) {
        SetFlatShading(false);
        e.shadeRequest.compare_exchange_strong(request, 0);
    }
}

// The engine's render mode; an invalid one falls back to solid, unless a click that changed
// it meanwhile wins.
int32_t ValidRenderMode(GraphEngine& engine) {
    int32_t mode = engine.renderMode;
    if (mode < 0 || mode > 3) {
        engine.renderMode.compare_exchange_strong(mode, 0);
        mode = 0;
    }
    return mode;
}

ViewFrame ViewFrameOf(const GraphEngine& e) {
    ViewFrame view;
    view.flags = ViewFlagsOf(e);
    view.camera.eye = {e.eyeX, e.eyeY, e.eyeZ};
    view.camera.centre = {e.centreX, e.centreY, e.centreZ};
    view.camera.up = {e.upX, e.upY, e.upZ};
    view.camera.pan = {e.panX, e.panY, e.panZ};
    view.camera.scale = {e.scaleX, e.scaleY, e.scaleZ};
    view.camera.rotationDeg = e.rotationDeg;
    view.surfaceList = e.displayListId;
    view.surfaceHidden = e.listHidden;
    view.pickX = e.pickX;
    view.pickY = e.pickY;
    view.picked = PickedPoint{e.pickedX, e.pickedY, e.pickedZ};
    view.markX = e.markX;
    view.markZ = e.markZ;
    view.planeHeight = e.planeHeight;
    return view;
}

// Draws the engine's view of the scene and hands the point under the mouse back to it.
void DrawView(GraphEngine& engine, const SceneState& scene, const FramePauses& pauses = {}) {
    ApplyShadeRequest(engine);
    const PickedPoint picked = DrawScene(ViewFrameOf(engine), scene, ProcessTracedStores(), engine.pick, pauses);
    engine.pickedX = picked.x;
    engine.pickedY = picked.y;
    engine.pickedZ = picked.z;
}

// How long a frame waits for the lines of its scene: long enough for the lines of an edit to
// come with its surface, short enough that a long particle path does not stall the view (it
// shows the surface and the previous lines meanwhile). A picture that was asked for waits
// until they are done.
constexpr std::chrono::milliseconds FrameLinesWait{50};
constexpr std::chrono::milliseconds PictureLinesWait{20000};

// Waits for the lines of scene `serial` while they are being traced, when that makes the frame
// show them: a picture that was asked for; a frame with nothing new but those lines; a frame
// after a single edit (its surface and its lines then show together). While edits stream in,
// as a charge is dragged, the lines lag behind and the frames do not wait for them, so the
// surface follows the mouse at the full frame rate.
void WaitForLinesBeside(GraphEngine& engine, uint64_t serial, LinesRebuilder& lines) {
    const bool picture = engine.capture.Pending();
    const bool nothingElseNew = serial == engine.drawnSerial;
    if (picture || nothingElseNew || !lines.RequestsStreaming()) {
        lines.WaitForLinesOf(serial, picture ? PictureLinesWait : FrameLinesWait, engine.stopRequested);
    }
    engine.linesShownSerial = lines.BuiltSerial();
}

// The longest a view waits for the one that goes first.
constexpr std::chrono::milliseconds GoFirstWait{40};

// Waits until `first` has presented scene `serial`, at most GoFirstWait.
void WaitUntilPresented(const GraphEngine& engine, const GraphEngine& first, uint64_t serial) {
    const auto deadline = std::chrono::steady_clock::now() + GoFirstWait;
    while (first.presentedSerial < serial && first.running && !first.stopRequested && !engine.stopRequested &&
           std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

// Lets `first` present scene `serial` before this view draws it; while edits stream in, lets
// it catch up with the scene this view drew last, so this view never runs ahead of it.
void LetGoFirst(GraphEngine& engine, uint64_t serial, const GraphEngine& first, const LinesRebuilder& lines) {
    if (serial == engine.drawnSerial || engine.capture.Pending()) return;
    WaitUntilPresented(engine, first, lines.RequestsStreaming() ? engine.drawnSerial : serial);
}

// A frame that a single edit has made stale while it was being drawn lets `first` present
// that edit before the stale picture is rasterised: a software rasteriser serves one view at a
// time, and the view the hand works in would wait for a picture that is already out of date.
void LetGoFirstWhenStale(GraphEngine& engine, const Published<SceneState>& published, const GraphEngine& first,
                         const LinesRebuilder& lines) {
    if (!engine.gridDirty || lines.RequestsStreaming() || engine.capture.Pending()) return;
    WaitUntilPresented(engine, first, published.Read().serial);
}

}  // namespace

void BuildSurfaceList(GraphEngine& engine, const SceneState& scene) {
    DeleteSurfaceList(engine.displayListId);
    engine.surfaceSerial = scene.serial;
    if (engine.listHidden) return;
    SurfaceStyle style;
    style.renderMode = ValidRenderMode(engine);
    style.colourMode = engine.colourMode;
    style.gridStep = engine.gridStep;
    style.topView = engine.isTopView;
    engine.displayListId = CompileSurfaceList(scene, style, *engine.surfaceMesh);
}

bool RunFrame(GraphEngine& engine, const Published<SceneState>& published, const FrameHooks& hooks) {
    if (!engine.running) {
        // A paused view still answers a picture request: its scene drawn again, not presented.
        if (engine.capture.Pending()) {
            engine.capture.StartFrame();
            DrawView(engine, published.Read());
            engine.capture.ServeIfRequested();
        }
        return false;
    }

    // Flags first, scene second: a request publishes its scene before it raises a flag, so a
    // raised flag always comes with a scene at least as new as the one that set it.
    engine.capture.StartFrame();
    const bool gridStale = engine.gridDirty.exchange(false);
    const bool linesStale = !hooks.linesBeside && engine.linesDirty.exchange(false);
    const SceneState scene = published.Read();
    // Out of the way (even of the surface's compilation) until the other view has shown it.
    if (hooks.linesBeside && hooks.goesAfter) LetGoFirst(engine, scene.serial, *hooks.goesAfter, *hooks.linesBeside);

    if (gridStale) BuildSurfaceList(engine, scene);
    int width = 0, height = 0;
    TakePendingSize(engine, width, height);
    if (width != 0 || height != 0) {
        engine.pick = PickCache{};  // a new projection: the same position lies on another point
        SetViewportAndProjection(width, height);
    }
    if (linesStale && hooks.rebuildLines) {
        hooks.rebuildLines(engine, scene);
        engine.linesShownSerial = scene.serial;
    }
    if (hooks.linesBeside) {
        FramePauses pauses;
        if (hooks.goesAfter) {
            pauses.beforeRasterising = [&] {
                LetGoFirstWhenStale(engine, published, *hooks.goesAfter, *hooks.linesBeside);
            };
        }
        // The surface is on its way while the lines are still traced.
        pauses.beforeTracedLines = [&] { WaitForLinesBeside(engine, scene.serial, *hooks.linesBeside); };
        DrawView(engine, scene, pauses);
    } else {
        DrawView(engine, scene);
    }
    engine.drawnSerial = scene.serial;
    engine.capture.ServeIfRequested();  // the back buffer holds what is about to be presented
    if (hooks.swapBuffers) hooks.swapBuffers();
    engine.presentedSerial = scene.serial;
    // Counted once presented, so a waiter that sees the count grow sees a finished frame.
    engine.frameCount.fetch_add(1);
    return true;
}

void RunFrameLoop(GraphEngine& engine, const Published<SceneState>& scene, const FrameHooks& hooks) {
    while (!engine.stopRequested) {
        const bool drawn = RunFrame(engine, scene, hooks);
        if (hooks.passEnded) hooks.passEnded();
        if (!drawn) WaitWhilePaused(engine);
    }
    engine.capture.Abandon();
    ReleaseGlResources(engine);
}

void ReleaseGlResources(GraphEngine& engine) { DeleteSurfaceList(engine.displayListId); }

bool RenderActiveTab(const Project& project, EngineView view, int width, int height,
                     OffscreenImage& image, std::string& error, const OffscreenSetup& setup) {
    auto target = EglOffscreen::Create(width, height, error);
    if (!target) return false;
    if (!target->MakeCurrent()) {
        error = "the OpenGL context cannot be made current";
        return false;
    }
    auto engine = CreateGraphEngine(view);
    if (setup.configure) setup.configure(*engine);
    ReportPanelSize(*engine, width, height);

    SharedScene shared;
    shared.switches.ParticleEnabled = setup.particleEnabled;
    EngineSet engines;
    (view == EngineView::ThreeD ? engines.engine3D : engines.engine2D) = engine.get();
    RequestRedraw(engines, shared, project, true, false);

    InitialiseGlState(engine->clearColour);
    FrameHooks hooks;
    hooks.swapBuffers = [&target] { target->Present(); };
    hooks.rebuildLines = setup.rebuildLines;
    RunFrame(*engine, shared.published, hooks);

    image.width = width;
    image.height = height;
    target->ReadPixels(image.rgba);
    ReleaseGlResources(*engine);
    target->ReleaseCurrent();
    return true;
}

}  // namespace voltaris
