// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>

#include "field/kernels.h"
#include "gl_test_support.h"

namespace voltaris::test {
namespace {

using PickingTest = GlTest;

void PickAt(ViewUnderTest& view, int x, int y) {
    view.engine->pickX = x;
    view.engine->pickY = y;
    ASSERT_TRUE(view.Frame());
}

TEST_F(PickingTest, TopViewCentreIsGraphPoint45And45) {
    ViewUnderTest view(EngineView::TopView, DipoleProject(), Width, Height);
    PickAt(view, Width / 2, Height / 2);
    EXPECT_NEAR(view.engine->pickedX, 4.5, 0.05);
    EXPECT_NEAR(view.engine->pickedY, 0.0, 0.05);
    EXPECT_NEAR(view.engine->pickedZ, 4.5, 0.05);
}

TEST_F(PickingTest, TopViewShowsModelXUpAndModelYToTheRight) {
    ViewUnderTest view(EngineView::TopView, EmptyProject(), Width, Height);
    PickAt(view, Width / 2, Height / 2 + 20);
    const float upX = view.engine->pickedX, upZ = view.engine->pickedZ;
    PickAt(view, Width / 2 + 20, Height / 2);
    EXPECT_GT(upX, 4.6);
    EXPECT_NEAR(upZ, 4.5, 0.05);
    EXPECT_NEAR(view.engine->pickedX, 4.5, 0.05);
    EXPECT_GT(view.engine->pickedZ, 4.6);
}

TEST_F(PickingTest, PixelBesideTheSquareLiesOnTheFarPlane) {
    ViewUnderTest view(EngineView::TopView, DipoleProject(), Width, Height);
    PickAt(view, 1, 1);
    const GraphEngine& e = *view.engine;
    EXPECT_TRUE(e.pickedX < 0 || e.pickedX > 10 || e.pickedZ < 0 || e.pickedZ > 10);
    EXPECT_LT(e.pickedY, -100) << "far plane lies far below the top view's surface";
}

TEST_F(PickingTest, FlatSurfaceIn3DPicksTheLookAtPointAtCentre) {
    ViewUnderTest view(EngineView::ThreeD, EmptyProject(), Width, Height);
    PickAt(view, Width / 2, Height / 2);
    // The depth comes from the pixel's centre, the position is its corner: at this grazing
    // view half a pixel spans about 0.13 graph units along the surface.
    EXPECT_NEAR(view.engine->pickedX, 5.0, 0.2);
    EXPECT_NEAR(view.engine->pickedY, 0.0, 0.1);
    EXPECT_NEAR(view.engine->pickedZ, 5.0, 0.2);
}

TEST_F(PickingTest, PickedPointIn3DLiesOnTheDrawnSurface) {
    const Project project = DipoleProject();
    ViewUnderTest view(EngineView::ThreeD, project, Width, Height);
    const SceneState scene = view.Scene();
    int onSquare = 0;
    for (const auto& [x, y] : {std::pair{80, 60}, {70, 55}, {95, 62}, {60, 40}}) {
        PickAt(view, x, y);
        const GraphEngine& e = *view.engine;
        if (e.pickedX < 0.5 || e.pickedX > 9.5 || e.pickedZ < 0.5 || e.pickedZ > 9.5) continue;
        ++onSquare;
        const double height = PotentialAt(scene.field, e.pickedX, e.pickedZ) * scene.range.HeightScale;
        EXPECT_NEAR(e.pickedY, height, 0.15) << "pixel " << x << "," << y;
    }
    EXPECT_GE(onSquare, 2);
}

TEST_F(PickingTest, NoMousePositionMeansNoPoint) {
    ViewUnderTest view(EngineView::TopView, DipoleProject(), Width, Height);
    PickAt(view, Width / 2, Height / 2);
    ASSERT_GT(view.engine->pickedX, -99);
    for (int sentinel : {-999, -995, -900}) {
        PickAt(view, sentinel, 10);
        EXPECT_LT(view.engine->pickedX, -99) << sentinel;
    }
}

TEST_F(PickingTest, ResizeRefreshesTheViewportUsedForPicking) {
    ViewUnderTest view(EngineView::TopView, DipoleProject(), Width, Height);
    PickAt(view, Width / 2, Height / 2);
    ReportPanelSize(*view.engine, Width / 2, Height / 2);
    PickAt(view, Width / 4, Height / 4);
    EXPECT_NEAR(view.engine->pickedX, 4.5, 0.05);
    EXPECT_NEAR(view.engine->pickedZ, 4.5, 0.05);
}

}  // namespace
}  // namespace voltaris::test
