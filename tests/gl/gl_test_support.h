// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/engine_frame.h"
#include "engine/graph_engine.h"
#include "engine/redraw.h"
#include "model/project.h"
#include "render/egl_offscreen.h"
#include "render/scene_state.h"

namespace voltaris::test {

// Why this machine has no EGL display at all (Mesa's surfaceless platform), empty when it has
// one. Where there is a display, a failing headless render is a fault, not a reason to skip.
std::string NoEglDisplayReason();

// A test with a headless GL context current on its thread; skipped where none can be made.
class GlTest : public ::testing::Test {
protected:
    static constexpr int Width = 160, Height = 120;
    void SetUp() override;
    void TearDown() override;
    std::unique_ptr<EglOffscreen> context;
};

// Square of 10 m: a positive charge of 5.6e-10 C at (3, 5) and a negative one of -5.6e-10 C
// at (7, 5), radius 0.5 m each.
Project DipoleProject();
// The same square without charges.
Project EmptyProject();

// An engine with the defaults of its view, drawing the project's active tab.
struct ViewUnderTest {
    std::unique_ptr<GraphEngine> engine;
    SharedScene shared;
    FrameHooks hooks;

    ViewUnderTest(EngineView view, const Project& project, int width, int height);
    void Redraw(const Project& project) { RequestRedraw(Engines(), shared, project, true, false); }
    EngineSet Engines();
    bool Frame() { return RunFrame(*engine, shared.published, hooks); }
    SceneState Scene() const { return shared.published.Read(); }
};

// Window position of graph point (x, y, z) in the frame just drawn (its matrices still set).
std::array<double, 3> ProjectToWindow(double x, double y, double z);
// RGBA of one pixel of the frame just drawn, x and y from the bottom-left corner.
std::array<int, 4> PixelAt(int x, int y);

// Lines and filled triangles drawn by a routine, in graph coordinates.
struct Point3 {
    float x, y, z;
};
struct CapturedGeometry {
    std::vector<std::array<Point3, 2>> lines;
    std::vector<std::vector<Point3>> polygons;
};
// What `draw` submitted, as GL's feedback buffer of `type` under an orthographic mapping of
// +-Range graph units onto Size x Size pixels, undone again afterwards.
struct FeedbackRun {
    static constexpr float Range = 50;
    static constexpr int Size = 1000;
    std::vector<GLfloat> buffer;
    GLint count = 0;
    // The graph point of the window coordinates stored at `at`.
    Point3 VertexAt(GLint at) const;
};
FeedbackRun CaptureFeedback(GLenum type, const std::function<void()>& draw);

// Runs `draw` in GL feedback mode under an orthographic mapping that is undone again, so the
// captured vertices are the graph coordinates that `draw` submitted (within +-50 units).
CapturedGeometry CaptureGeometry(const std::function<void()>& draw);

}  // namespace voltaris::test
