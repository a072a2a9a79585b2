// SPDX-License-Identifier: GPL-3.0-or-later
// Stored lines on the screen: equipotential lines red and field lines black in both views,
// where the tracers put them; particle paths up to the slow-motion marker with the force
// arrows there.
#include <GL/gl.h>

#include <cmath>
#include <functional>

#include "engine/redraw.h"
#include "field/kernels.h"
#include "field/line_store.h"
#include "particle/built_trajectory.h"
#include "particle/path_store.h"
#include "render/scene_state.h"
#include "render/traced_lines.h"
#include "gl_test_support.h"

namespace voltaris::test {
namespace {

using TracedLinesTest = GlTest;

bool IsRed(const std::array<int, 4>& p) { return p[0] > 200 && p[1] < 60 && p[2] < 60; }
bool IsBlack(const std::array<int, 4>& p) { return p[0] < 60 && p[1] < 60 && p[2] < 60; }

// Whether a pixel of the 3 x 3 block around the window point passes `test`.
bool NearPixel(const std::array<double, 3>& w, const std::function<bool(const std::array<int, 4>&)>& test) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (test(PixelAt(static_cast<int>(w[0]) + dx, static_cast<int>(w[1]) + dy))) return true;
        }
    }
    return false;
}

int CountPixels(int width, int height, const std::function<bool(const std::array<int, 4>&)>& test) {
    std::vector<unsigned char> rgba(static_cast<size_t>(width) * height * 4);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    int n = 0;
    for (size_t i = 0; i < rgba.size(); i += 4) n += test({rgba[i], rgba[i + 1], rgba[i + 2], rgba[i + 3]});
    return n;
}

struct Sampled {
    int checked = 0, hits = 0;
};

// Projects every fifth stored point of the store (skipping points near a charge, where the
// charge markers are drawn) and looks for a pixel of the line's colour there.
Sampled SampleStore(const LineStore& store, const SceneState& scene, bool topView,
                    const std::function<bool(const std::array<int, 4>&)>& colour) {
    Sampled s;
    store.Read([&](const LineSet& lines) {
        for (int slot = 0; slot <= lines.Last(); ++slot) {
            const float* p = lines.Points(slot);
            for (int k = 0; k < lines.Count(slot); k += 15) {
                if (p[k] < 0.5f || p[k] > 9.5f || p[k + 2] < 0.5f || p[k + 2] > 9.5f) continue;
                bool nearCharge = false;
                for (int i = 0; i < scene.field.ChargeCount; ++i) {
                    const float dx = p[k] - scene.field.x[i], dz = p[k + 2] - scene.field.y[i];
                    nearCharge |= std::sqrt(dx * dx + dz * dz) < scene.field.radius[i] + 0.4f;
                }
                if (nearCharge) continue;
                const float height = topView ? 0.1f : p[k + 1] * scene.range.HeightScale + 0.1f;
                ++s.checked;
                s.hits += NearPixel(ProjectToWindow(p[k], height, p[k + 2]), colour);
            }
        }
    });
    return s;
}

// The dipole's lines traced on the 3D engine's frame (into the program's stores), then drawn
// by the 3D view and by a top view that never traced anything.
TEST_F(TracedLinesTest, BothViewsDrawEquipotentialsRedAndFieldLinesBlackWhereTheyWereTraced) {
    const Project project = DipoleProject();
    const TracedStores stores = ProcessTracedStores();
    ViewUnderTest view3D(EngineView::ThreeD, project, Width, Height);
    view3D.hooks.rebuildLines = LinesRebuildHook(stores, nullptr);
    view3D.shared.EquipotentialsWanted = true;
    view3D.shared.FieldLinesWanted = true;
    view3D.Redraw(project);
    ViewUnderTest topView(EngineView::TopView, project, Width, Height);

    for (ViewUnderTest* view : {&view3D, &topView}) {
        GraphEngine& e = *view->engine;
        const bool top = e.isTopView;
        SCOPED_TRACE(top ? "top view" : "3D view");
        e.listHidden = true;  // white behind the lines
        e.showFieldStrength = false;

        ASSERT_TRUE(view->Frame());
        EXPECT_EQ(CountPixels(Width, Height, IsRed), 0) << "lines switched off";
        const int blackWithout = CountPixels(Width, Height, IsBlack);

        e.showEquipotentials = true;
        ASSERT_TRUE(view->Frame());
        EXPECT_GT(CountPixels(Width, Height, IsRed), 150);
        const Sampled red = SampleStore(stores.equipotentials, view->Scene(), top, IsRed);
        EXPECT_GT(red.checked, 20);
        EXPECT_GE(red.hits, red.checked * 9 / 10);

        e.showEquipotentials = false;
        e.showFieldLines = true;
        ASSERT_TRUE(view->Frame());
        EXPECT_EQ(CountPixels(Width, Height, IsRed), 0);
        EXPECT_GT(CountPixels(Width, Height, IsBlack), blackWithout + 150);
        const Sampled black = SampleStore(stores.fieldLines, view->Scene(), top, IsBlack);
        EXPECT_GT(black.checked, 20);
        EXPECT_GE(black.hits, black.checked * 9 / 10);
    }
}

// A path of a negative particle passing the dipole, built into a store of this test.
class ParticlePathDrawing : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        if (IsSkipped()) return;
        project = DipoleProject();
        FieldTab& tab = project.Active();
        tab.ParticleCount = 1;
        tab.particles[0] = ParticleSlot{1e-8, 1.0f, 2.0f, -1.6e-19, 9.1e-31, 3e5, 0.3, 3000, 0};
        shared.switches.ParticleEnabled = true;
        PublishScene(shared, project);
        scene = shared.published.Read();
        const BuiltTrajectory built = RebuildLinesAndPath(scene, stores);
        ASSERT_TRUE(built.result.built);
        stores.paths.Read([&](const PathSet& set) {
            points.assign(set.slots[0].PathPoints.begin(), set.slots[0].PathPoints.begin() + set.slots[0].PathFloatCount);
        });
        ASSERT_GE(points.size(), 30u);
    }

    CapturedGeometry Draw(const GraphEngine& engine) {
        return CaptureGeometry([&] { DrawTracedLines(ViewFlagsOf(engine), scene, stores); });
    }

    Project project;
    SharedScene shared;
    SceneState scene;
    LineStore equipotentials, fieldLines;
    std::unique_ptr<PathStore> paths = std::make_unique<PathStore>();
    TracedStores stores{equipotentials, fieldLines, *paths};
    std::vector<float> points;
};

TEST_F(ParticlePathDrawing, WholePathLiesOnTheSurfaceInTheThreeDViewAndFlatInTheTopView) {
    const int n = static_cast<int>(points.size()) / 3;
    for (EngineView v : {EngineView::ThreeD, EngineView::TopView}) {
        auto engine = CreateGraphEngine(v);
        const CapturedGeometry g = Draw(*engine);
        ASSERT_EQ(static_cast<int>(g.lines.size()), n - 1);
        EXPECT_TRUE(g.polygons.empty()) << "no marker arrows without slow motion";
        for (int k = 0; k + 1 < n; k += 7) {
            const float height = engine->isTopView ? 0.1f : points[3 * k + 1] * scene.range.HeightScale + 0.1f;
            EXPECT_NEAR(g.lines[k][0].x, points[3 * k], 1e-3);
            EXPECT_NEAR(g.lines[k][0].y, height, 1e-3);
            EXPECT_NEAR(g.lines[k][0].z, points[3 * k + 2], 1e-3);
        }
    }
}

TEST_F(ParticlePathDrawing, SlowMotionShowsThePathUpToTheMarkerWithTheForceArrowsThere) {
    auto engine = CreateGraphEngine(EngineView::TopView);
    const int index = 10;
    paths->PlaybackIndex[0] = index;
    const CapturedGeometry g = Draw(*engine);
    // Nine segments of path, then one arrow per charge and one for all charges.
    const int charges = scene.field.ChargeCount;
    ASSERT_EQ(static_cast<int>(g.lines.size()), index - 1 + charges + 1);
    ASSERT_EQ(static_cast<int>(g.polygons.size()), charges + 1);

    const int m = 3 * index - 3;
    const float u = scene.field.unitLength;
    for (int only = 0; only <= charges; ++only) {
        const auto& arrow = g.lines[index - 1 + (only == 0 ? charges : only - 1)];
        EXPECT_NEAR(arrow[0].x, points[m], 1e-3);
        EXPECT_NEAR(arrow[0].z, points[m + 2], 1e-3);
        EXPECT_NEAR(arrow[0].y, 0.1f, 1e-3);
        // The force on the negative particle: against the field, E * unitLength units long.
        double angle;
        const double e = FieldAt(scene.field, points[m] * u, points[m + 2] * u, angle,
                                 only == 0 ? FieldSources::All() : FieldSources::Charge(only - 1));
        EXPECT_NEAR(arrow[1].x - arrow[0].x, -std::cos(angle) * e * u, 1e-3 + 1e-4 * e * u) << "only " << only;
        EXPECT_NEAR(arrow[1].z - arrow[0].z, -std::sin(angle) * e * u, 1e-3 + 1e-4 * e * u) << "only " << only;
    }

    paths->PlaybackIndex[0] = 0;
    const CapturedGeometry none = Draw(*engine);
    EXPECT_TRUE(none.lines.empty());
    EXPECT_TRUE(none.polygons.empty());

    // A position beyond the stored points shows the whole path and no stale points after it.
    paths->PlaybackIndex[0] = 1000000;
    const CapturedGeometry beyond = Draw(*engine);
    EXPECT_EQ(static_cast<int>(beyond.lines.size()), static_cast<int>(points.size()) / 3 - 1 + charges + 1);
}

TEST_F(ParticlePathDrawing, ThePathIsHiddenWhileTheParticleIsOff) {
    auto engine = CreateGraphEngine(EngineView::ThreeD);
    scene.switches.ParticleEnabled = false;
    EXPECT_TRUE(Draw(*engine).lines.empty());
}

}  // namespace
}  // namespace voltaris::test
