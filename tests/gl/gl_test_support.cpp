// SPDX-License-Identifier: GPL-3.0-or-later
#include "gl_test_support.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/gl.h>
#include <GL/glu.h>

#include <cstring>

#include "engine/engine_frame.h"

namespace voltaris::test {

std::string NoEglDisplayReason() {
    const char* extensions = eglQueryString(EGL_NO_DISPLAY, EGL_EXTENSIONS);
    if (!extensions || !std::strstr(extensions, "EGL_MESA_platform_surfaceless"))
        return "EGL offers no surfaceless platform";
    auto getPlatformDisplay =
        reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(eglGetProcAddress("eglGetPlatformDisplayEXT"));
    if (!getPlatformDisplay) return "eglGetPlatformDisplayEXT is missing";
    const EGLDisplay display = getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
    EGLint major = 0, minor = 0;
    if (display == EGL_NO_DISPLAY || !eglInitialize(display, &major, &minor))
        return "the surfaceless EGL display cannot be initialised";
    return {};
}

void GlTest::SetUp() {
    std::string error;
    context = EglOffscreen::Create(Width, Height, error);
    if (!context) GTEST_SKIP() << "no headless OpenGL: " << error;
    ASSERT_TRUE(context->MakeCurrent());
}

void GlTest::TearDown() {
    if (context) context->ReleaseCurrent();
}

namespace {

Project SquareOf10m() {
    Project p = Project::Initial();
    p.tabs[0].Resolution = 1.0f;
    p.unitLength = 1.0f;
    p.tabs[0].ChargeCount = 0;
    return p;
}

}  // namespace

Project DipoleProject() {
    Project p = SquareOf10m();
    FieldTab& t = p.tabs[0];
    t.ChargeCount = 2;
    t.charges[0] = Charge{5.6e-10, 3, 5, 0.5f};
    t.charges[1] = Charge{-5.6e-10, 7, 5, 0.5f};
    return p;
}

Project EmptyProject() { return SquareOf10m(); }

ViewUnderTest::ViewUnderTest(EngineView view, const Project& project, int width, int height)
    : engine(CreateGraphEngine(view)) {
    ReportPanelSize(*engine, width, height);
    Redraw(project);
    InitialiseGlState(engine->clearColour);
}

EngineSet ViewUnderTest::Engines() {
    EngineSet set;
    (engine->isTopView ? set.engine2D : set.engine3D) = engine.get();
    return set;
}

std::array<double, 3> ProjectToWindow(double x, double y, double z) {
    GLdouble modelView[16], projection[16];
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, modelView);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    std::array<double, 3> w{};
    gluProject(x, y, z, modelView, projection, viewport, &w[0], &w[1], &w[2]);
    return w;
}

std::array<int, 4> PixelAt(int x, int y) {
    unsigned char p[4] = {};
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p);
    return {p[0], p[1], p[2], p[3]};
}

FeedbackRun CaptureFeedback(GLenum type, const std::function<void()>& draw) {
    FeedbackRun run;
    run.buffer.resize(1 << 20);
    glPushAttrib(GL_VIEWPORT_BIT);
    glViewport(0, 0, FeedbackRun::Size, FeedbackRun::Size);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(-FeedbackRun::Range, FeedbackRun::Range, -FeedbackRun::Range, FeedbackRun::Range, -FeedbackRun::Range,
            FeedbackRun::Range);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glFeedbackBuffer(static_cast<GLsizei>(run.buffer.size()), type, run.buffer.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    run.count = glRenderMode(GL_RENDER);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glPopAttrib();
    return run;
}

Point3 FeedbackRun::VertexAt(GLint at) const {
    constexpr float L = Range;
    return Point3{(buffer[at] / Size * 2 - 1) * L, (buffer[at + 1] / Size * 2 - 1) * L, (0.5f - buffer[at + 2]) * 2 * L};
}

CapturedGeometry CaptureGeometry(const std::function<void()>& draw) {
    const FeedbackRun run = CaptureFeedback(GL_3D, draw);
    const std::vector<GLfloat>& buffer = run.buffer;
    const GLint count = run.count;
    auto vertex = [&](GLint at) { return run.VertexAt(at); };
    CapturedGeometry out;
    for (GLint i = 0; i < count;) {
        const auto token = static_cast<GLint>(buffer[i++]);
        if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN) {
            out.lines.push_back({vertex(i), vertex(i + 3)});
            i += 6;
        } else if (token == GL_POLYGON_TOKEN) {
            const auto n = static_cast<GLint>(buffer[i++]);
            std::vector<Point3> polygon;
            for (GLint k = 0; k < n; ++k, i += 3) polygon.push_back(vertex(i));
            out.polygons.push_back(polygon);
        } else if (token == GL_PASS_THROUGH_TOKEN) {
            i += 1;
        } else {
            i += 3;  // points, bitmaps, pixel rectangles: one vertex
        }
    }
    return out;
}

}  // namespace voltaris::test
