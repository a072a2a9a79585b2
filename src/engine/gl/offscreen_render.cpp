#include "engine/gl/offscreen_render.h"

#include "render/egl_offscreen.h"
#include "engine/engine_frame.h"
#include "engine/redraw.h"

namespace voltaris {

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
    shared.particleEnabled = setup.particleEnabled;
    EngineSet engines;
    (view == EngineView::ThreeD ? engines.engine3D : engines.engine2D) = engine.get();
    RequestRedraw(engines, shared, project, true, false);

    InitialiseGlState(*engine);
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
