#include "engine/engine_frame.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "render/scene_drawing.h"
#include "render/surface_list.h"

namespace voltaris {

void InitialiseGlState(const GraphEngine& engine) {
    glShadeModel(GL_SMOOTH);
    const uint32_t c = engine.clearColour;
    // Each byte over 256, as the views have always done (white clears to 255/256).
    glClearColor((c & 0xFF) / 256.0f, ((c >> 8) & 0xFF) / 256.0f, ((c >> 16) & 0xFF) / 256.0f, 0.0f);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

void SetViewportAndProjection(int width, int height) {
    if (width <= 0) width = 1;
    if (height <= 0) height = 1;
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, static_cast<double>(width) / height, 0.1, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

bool RunFrame(GraphEngine& engine, const Published<SceneState>& published, const FrameHooks& hooks) {
    if (!engine.running) {
        // A paused view still answers a picture request: its scene drawn again, not presented.
        if (engine.capture.Pending()) {
            engine.capture.StartFrame();
            DrawScene(engine, published.Read());
            engine.capture.ServeIfRequested();
        }
        return false;
    }

    // Flags first, scene second: a request publishes its scene before it raises a flag, so a
    // raised flag always comes with a scene at least as new as the one that set it.
    engine.capture.StartFrame();
    const bool gridStale = engine.gridDirty.exchange(false);
    const bool linesStale = engine.linesDirty.exchange(false);
    const SceneState scene = published.Read();

    if (gridStale) BuildSurfaceList(engine, scene);
    int width = 0, height = 0;
    TakePendingSize(engine, width, height);
    if (width != 0 || height != 0) {
        engine.viewport[0] = -99;
        SetViewportAndProjection(width, height);
    }
    if (linesStale && hooks.rebuildLines) hooks.rebuildLines(engine, scene);

    DrawScene(engine, scene);
    engine.capture.ServeIfRequested();  // the back buffer holds what is about to be presented
    if (hooks.swapBuffers) hooks.swapBuffers();
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

void ReleaseGlResources(GraphEngine& engine) {
    if (engine.displayListId != 0) glDeleteLists(engine.displayListId, 1);
    engine.displayListId = 0;
}

}  // namespace voltaris
