// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>

#include "field/kernels.h"
#include "render/markers.h"
#include "gl_test_support.h"

namespace voltaris::test {
namespace {

class PointerFieldTest : public GlTest {
protected:
    SceneState SceneOfProject(const Project& project) {
        SharedScene shared;
        RequestRedraw(EngineSet{}, shared, project, true, false);
        return shared.published.Read();
    }
    CapturedGeometry Draw(const GraphEngine& engine, const SceneState& scene, float x, float h, float z) {
        return CaptureGeometry([&] { DrawPointerField(ViewFlagsOf(engine), scene, x, h, z); });
    }
    static bool CrossHairDrawn(const CapturedGeometry& g) {
        // The cross-hair runs out to the axis wall at x = -1; the arrows stay at the pointer.
        for (const auto& line : g.lines) {
            if (std::fabs(line[0].x + 1) < 1e-3 || std::fabs(line[1].x + 1) < 1e-3) return true;
        }
        return false;
    }
    std::unique_ptr<GraphEngine> view3D = CreateGraphEngine(EngineView::ThreeD);
    std::unique_ptr<GraphEngine> topView = CreateGraphEngine(EngineView::TopView);
};

TEST_F(PointerFieldTest, CrossHairOnlyStrictlyInsideTheSquareButArrowsEverywhere) {
    const SceneState scene = SceneOfProject(DipoleProject());
    for (GraphEngine* engine : {view3D.get(), topView.get()}) {
        engine->showFieldStrength = true;
        EXPECT_TRUE(CrossHairDrawn(Draw(*engine, scene, 5, 1, 2)));
        for (const auto& [x, z] : {std::pair{10.0f, 5.0f}, {0.0f, 5.0f}, {5.0f, 10.0f}, {-3.0f, 4.0f}}) {
            const CapturedGeometry g = Draw(*engine, scene, x, 1, z);
            EXPECT_FALSE(CrossHairDrawn(g)) << x << "," << z;
            EXPECT_EQ(g.polygons.size(), 1u) << "total arrow at " << x << "," << z;
        }
    }
}

TEST_F(PointerFieldTest, ArrowsFollowTheSwitches) {
    const SceneState scene = SceneOfProject(DipoleProject());
    view3D->showFieldStrength = false;
    view3D->showAllFieldStrengths = true;
    EXPECT_TRUE(Draw(*view3D, scene, 5, 1, 2).polygons.empty()) << "all without total draws nothing";

    view3D->showFieldStrength = true;
    EXPECT_EQ(Draw(*view3D, scene, 5, 1, 2).polygons.size(), 3u) << "one per charge plus the total";
    EXPECT_TRUE(Draw(*view3D, scene, 3.1f, 1, 5).polygons.empty())
        << "inside the first charge its arrow has no length, which ends the pointer's arrows";
    view3D->showAllFieldStrengths = false;
    EXPECT_EQ(Draw(*view3D, scene, 5, 1, 2).polygons.size(), 1u);
}

TEST_F(PointerFieldTest, TotalArrowIsFiveUnitsAtTheRangeMaximumAndFollowsTheField) {
    const SceneState scene = SceneOfProject(DipoleProject());
    ASSERT_GT(scene.range.MaxFieldStrength, 0);
    topView->showFieldStrength = true;
    const float x = 5, z = 3;
    const CapturedGeometry g = Draw(*topView, scene, x, 7, z);
    ASSERT_EQ(g.polygons.size(), 1u);
    const auto& shaft = g.lines.back();
    double angle = 0;
    const double e = FieldAt(scene.field, x, z, angle);
    const double length = 5 * e / scene.range.MaxFieldStrength;
    EXPECT_NEAR(shaft[0].x, x, 1e-3);
    EXPECT_NEAR(shaft[0].z, z, 1e-3);
    EXPECT_NEAR(shaft[0].y, 0.1, 1e-3) << "the top view draws its arrows flat";
    EXPECT_NEAR(shaft[1].x - x, std::cos(angle) * length, 1e-3);
    EXPECT_NEAR(shaft[1].z - z, std::sin(angle) * length, 1e-3);
    // Between a positive charge at x = 3 and a negative one at x = 7 the field points to +x.
    EXPECT_GT(shaft[1].x, x);
}

TEST_F(PointerFieldTest, TabWithoutChargesDrawsNoArrowAndNothingUndefined) {
    const SceneState scene = SceneOfProject(EmptyProject());
    view3D->showFieldStrength = true;
    view3D->showAllFieldStrengths = true;
    const CapturedGeometry g = Draw(*view3D, scene, 5, 0, 5);
    EXPECT_TRUE(g.polygons.empty());
    for (const auto& line : g.lines) {
        for (const Point3& p : line) EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z));
    }
}

}  // namespace
}  // namespace voltaris::test
