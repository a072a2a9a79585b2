// SPDX-License-Identifier: GPL-3.0-or-later
// The 3D view's fit and the zoom about the panel centre: the fitted surface of every sample
// tab lies inside the picture, and the drawing places points where the fit reckons them.
#include <cmath>

#include "doubles/scripted_dialogs.h"
#include "engine/view_fit.h"
#include "gl_test_support.h"
#include "model/project_file.h"
#include "render/view_transform.h"

namespace voltaris::test {
namespace {

bool IsSurfacePixel(const uint8_t* p) {
    // The ramp's colours are saturated; background, axes and grey labels are not.
    return std::max({p[0], p[1], p[2]}) - std::min({p[0], p[1], p[2]}) > 60;
}

// Rows or columns of the picture's border that hold a surface pixel, and the surface pixels.
struct SurfaceExtent {
    int pixels = 0;
    bool top = false, bottom = false, left = false, right = false;
};

SurfaceExtent ExtentOf(const OffscreenImage& image) {
    SurfaceExtent e;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            if (!IsSurfacePixel(&image.rgba[(static_cast<size_t>(y) * image.width + x) * 4])) continue;
            ++e.pixels;
            e.top |= y == 0;
            e.bottom |= y == image.height - 1;
            e.left |= x == 0;
            e.right |= x == image.width - 1;
        }
    }
    return e;
}

TEST(ViewFitTest, EverySampleTabFitsInsideAWideAndATallPanel) {
    if (const std::string reason = NoEglDisplayReason(); !reason.empty()) GTEST_SKIP() << reason;
    ScriptedDialogs dialogs;
    Project project = Project::Initial();
    ASSERT_TRUE(LoadProject(project, "sample", dialogs));
    for (int tab = 0; tab < project.TabCount; ++tab) {
        project.ActiveTab = tab;
        project.unitLength = UnitLengthOf(project.Active().Resolution);
        SharedScene shared;
        RequestRedraw(EngineSet{}, shared, project, true, false);
        const SceneState scene = shared.published.Read();
        for (const auto& [width, height] : {std::pair{320, 180}, std::pair{150, 240}}) {
            OffscreenSetup setup;
            bool fitted = false;
            setup.configure = [&](GraphEngine& e) {
                e.rotationDeg = 25 * tab;  // the fit keeps the user's turn
                fitted = FitView3D(e, scene, width, height);
            };
            OffscreenImage image;
            std::string error;
            ASSERT_TRUE(RenderActiveTab(project, EngineView::ThreeD, width, height, image, error, setup)) << error;
            ASSERT_TRUE(fitted) << project.Active().caption;
            const SurfaceExtent e = ExtentOf(image);
            const std::string where =
                project.Active().caption + " " + std::to_string(width) + "x" + std::to_string(height);
            EXPECT_GT(e.pixels, width * height / 20) << where;
            EXPECT_FALSE(e.top || e.bottom || e.left || e.right) << where;
        }
    }
}

// A zoomed and panned top view: the point at the panel centre stays there whatever the zoom,
// and the drawing puts graph points where EyeSpacePoint (which the fit uses) reckons them.
TEST(ViewFitTest, ZoomKeepsThePanelCentreAndMatchesTheDrawing) {
    const int width = 160, height = 120;
    std::string error;
    auto target = EglOffscreen::Create(width, height, error);
    if (!target) GTEST_SKIP() << "no headless OpenGL: " << error;
    ASSERT_TRUE(target->MakeCurrent());
    ViewUnderTest view(EngineView::TopView, DipoleProject(), width, height);
    GraphEngine& e = *view.engine;
    e.panX = 0.07f;
    e.panY = -0.04f;
    auto cameraOf = [&e] {
        ViewCamera c;
        c.eye = {e.eyeX, e.eyeY, e.eyeZ};
        c.centre = {e.centreX, e.centreY, e.centreZ};
        c.up = {e.upX, e.upY, e.upZ};
        c.pan = {e.panX, e.panY, e.panZ};
        c.scale = {e.scaleX, e.scaleY, e.scaleZ};
        c.rotationDeg = e.rotationDeg;
        return c;
    };
    // The graph point at the panel centre at the start zoom, on the eye's axis: eye x and y
    // are affine in graph x and z, so two steps from the origin solve for it.
    const Vec3 o = EyeSpacePoint(cameraOf(), {0, 0, 0});
    const Vec3 ex = EyeSpacePoint(cameraOf(), {1, 0, 0}), ez = EyeSpacePoint(cameraOf(), {0, 0, 1});
    const float ux = ex[0] - o[0], uy = ex[1] - o[1], vx = ez[0] - o[0], vy = ez[1] - o[1];
    const float det = ux * vy - vx * uy;
    const Vec3 centre{(-o[0] * vy + vx * o[1]) / det, 0, (-ux * o[1] + o[0] * uy) / det};
    for (const float scale : {0.1f, 0.04f, 0.23f}) {
        e.scaleX = e.scaleY = e.scaleZ = scale;
        ASSERT_TRUE(view.Frame());
        const auto mid = ProjectToWindow(centre[0], centre[1], centre[2]);
        EXPECT_NEAR(mid[0], width / 2.0, 0.5) << scale;
        EXPECT_NEAR(mid[1], height / 2.0, 0.5) << scale;
        // Perspective division of the eye-space point against the drawn window position.
        const Vec3 p = EyeSpacePoint(cameraOf(), {2, 0, 8});
        const double f = 1 / std::tan(22.5 * M_PI / 180);
        const auto drawn = ProjectToWindow(2, 0, 8);
        EXPECT_NEAR(drawn[0], width / 2.0 * (1 + f * height / width * p[0] / -p[2]), 0.5) << scale;
        EXPECT_NEAR(drawn[1], height / 2.0 * (1 + f * p[1] / -p[2]), 0.5) << scale;
    }
    target->ReleaseCurrent();
}

}  // namespace
}  // namespace voltaris::test
