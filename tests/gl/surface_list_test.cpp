// SPDX-License-Identifier: GPL-3.0-or-later
#include <GL/gl.h>

#include <cmath>

#include "gl_test_support.h"

namespace voltaris::test {
namespace {

using SurfaceListTest = GlTest;

bool IsBackground(const std::array<int, 4>& p) { return p[0] > 245 && p[1] > 245 && p[2] > 245; }

std::array<int, 4> PixelOfGraphPoint(float x, float z) {
    const auto w = ProjectToWindow(x, 0, z);
    return PixelAt(static_cast<int>(w[0]), static_cast<int>(w[1]));
}

TEST_F(SurfaceListTest, CoversTheWholeSquareAndNothingBeyond) {
    ViewUnderTest view(EngineView::TopView, DipoleProject(), Width, Height);
    view.engine->gridStep = 0.3f;  // does not divide 10: the last column and row are clamped
    ASSERT_TRUE(view.Frame());
    for (const auto& [x, z] : {std::pair{0.15f, 0.15f}, {9.85f, 9.85f}, {0.15f, 9.85f}, {9.85f, 0.15f}, {5.0f, 5.0f}}) {
        EXPECT_FALSE(IsBackground(PixelOfGraphPoint(x, z))) << x << "," << z;
    }
    for (const auto& [x, z] : {std::pair{10.4f, 5.0f}, {5.0f, 10.4f}}) {
        EXPECT_TRUE(IsBackground(PixelOfGraphPoint(x, z))) << x << "," << z;
    }
}

TEST_F(SurfaceListTest, HiddenSurfaceIsNeitherCompiledNorDrawn) {
    ViewUnderTest view(EngineView::TopView, DipoleProject(), Width, Height);
    ASSERT_TRUE(view.Frame());
    const uint32_t shown = view.engine->displayListId;
    ASSERT_NE(shown, 0u);
    EXPECT_FALSE(IsBackground(PixelOfGraphPoint(5, 5)));

    view.engine->listHidden = true;
    view.engine->gridDirty = true;
    ASSERT_TRUE(view.Frame());
    EXPECT_EQ(view.engine->displayListId, 0u);
    EXPECT_FALSE(glIsList(shown)) << "the old list is deleted";
    EXPECT_TRUE(IsBackground(PixelOfGraphPoint(5, 5)));

    view.engine->listHidden = false;
    view.engine->gridDirty = true;
    ASSERT_TRUE(view.Frame());
    EXPECT_NE(view.engine->displayListId, 0u);
    EXPECT_FALSE(IsBackground(PixelOfGraphPoint(5, 5)));
}

TEST_F(SurfaceListTest, InvalidRenderModeFallsBackToSolid) {
    auto engine = CreateGraphEngine(EngineView::ThreeD);
    SharedScene shared;
    RequestRedraw(EngineSet{}, shared, DipoleProject(), true, false);
    const SceneState scene = shared.published.Read();
    for (int mode : {4, 7, -1}) {
        engine->renderMode = mode;
        BuildSurfaceList(*engine, scene);
        EXPECT_EQ(engine->renderMode, 0) << mode;
        EXPECT_NE(engine->displayListId, 0u);
    }
    for (int mode : {1, 2, 3}) {
        engine->renderMode = mode;
        BuildSurfaceList(*engine, scene);
        EXPECT_EQ(engine->renderMode, mode);
    }
    ReleaseGlResources(*engine);
}

TEST_F(SurfaceListTest, StepThatIsNotPositiveStillBuildsASurface) {
    auto engine = CreateGraphEngine(EngineView::TopView);
    SharedScene shared;
    RequestRedraw(EngineSet{}, shared, DipoleProject(), true, false);
    const SceneState scene = shared.published.Read();
    for (float step : {0.0f, -0.5f, std::nanf("")}) {
        engine->gridStep = step;
        BuildSurfaceList(*engine, scene);
        EXPECT_NE(engine->displayListId, 0u) << step;
    }
    ReleaseGlResources(*engine);
}

}  // namespace
}  // namespace voltaris::test
