// SPDX-License-Identifier: GPL-3.0-or-later
// The top view's circles of the charges and the particle start markers: which shapes in
// which colours for selection, hover, rim and drags, and where they land on the screen.
#include <GL/gl.h>

#include <cmath>

#include "render/markers.h"
#include "gl_test_support.h"

namespace voltaris::test {
namespace {

enum class Colour { Black, White, Red, Blue, Other };

Colour ColourOf(const float* rgba) {
    auto is = [&](float r, float g, float b) {
        return std::fabs(rgba[0] - r) < 0.01f && std::fabs(rgba[1] - g) < 0.01f && std::fabs(rgba[2] - b) < 0.01f;
    };
    if (is(0, 0, 0)) return Colour::Black;
    if (is(1, 1, 1)) return Colour::White;
    if (is(1, 0, 0)) return Colour::Red;
    if (is(0, 0, 1)) return Colour::Blue;
    return Colour::Other;
}

// Primitives drawn by a routine, in order, with the colour of their first vertex and their
// vertices in graph coordinates: connected segments form one shape, a fan's triangles too.
struct Shape {
    bool filled;
    Colour colour;
    std::vector<Point3> vertices;
};

std::vector<Shape> CaptureShapes(const std::function<void()>& draw) {
    const FeedbackRun run = CaptureFeedback(GL_3D_COLOR, draw);
    const std::vector<GLfloat>& buffer = run.buffer;
    const GLint count = run.count;
    auto vertex = [&](GLint at) { return run.VertexAt(at); };
    std::vector<Shape> shapes;
    for (GLint i = 0; i < count;) {
        const auto token = static_cast<GLint>(buffer[i++]);
        if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN) {
            // A segment that does not go on from the last one starts a new shape.
            const Point3 from = vertex(i);
            const bool continues = !shapes.empty() && !shapes.back().filled && token == GL_LINE_TOKEN &&
                                   std::fabs(shapes.back().vertices.back().x - from.x) < 1e-4f &&
                                   std::fabs(shapes.back().vertices.back().z - from.z) < 1e-4f;
            if (!continues) shapes.push_back({false, ColourOf(&buffer[i + 3]), {from}});
            shapes.back().vertices.push_back(vertex(i + 7));
            i += 14;
        } else if (token == GL_POLYGON_TOKEN) {
            const auto n = static_cast<GLint>(buffer[i++]);
            // A fan arrives as triangles; consecutive ones of one colour form one shape.
            const Colour c = ColourOf(&buffer[i + 3]);
            if (shapes.empty() || !shapes.back().filled || shapes.back().colour != c) shapes.push_back({true, c, {}});
            for (GLint k = 0; k < n; ++k, i += 7) shapes.back().vertices.push_back(vertex(i));
        } else {
            i += 7;
        }
    }
    return shapes;
}

// Every vertex lies on the circle of `radius` graph units around (cx, cz) at height 0.1.
bool OnCircle(const Shape& s, float cx, float cz, float radius) {
    for (const Point3& p : s.vertices) {
        if (std::fabs(std::hypot(p.x - cx, p.z - cz) - radius) > 2e-3f || std::fabs(p.y - 0.1f) > 1e-3f) return false;
    }
    return !s.vertices.empty();
}

class ChargeMarkersTest : public GlTest {
protected:
    // One charge of radius 1 graph unit at graph (4, 6) on a square of 100 m.
    void SetUp() override {
        GlTest::SetUp();
        if (!context) return;
        project.Active().Resolution = 2;
        project.unitLength = 10;
        FieldTab& t = project.Active();
        t.ChargeCount = 1;
        t.charges[0] = Charge{4e-10, 40, 60, 10};
    }
    SceneState Scene() {
        SharedScene shared;
        shared.interaction = interaction;
        shared.switches.ParticleEnabled = particleEnabled;
        RequestRedraw(EngineSet{}, shared, project, true, false);
        return shared.published.Read();
    }
    std::vector<Shape> Markers(float x, float z, bool topView = true) {
        const SceneState scene = Scene();
        return CaptureShapes([&] { DrawChargeMarkers(scene, x, z, topView); });
    }
    Project project = Project::Initial();
    ViewInteraction interaction;
    bool particleEnabled = false;
};

TEST_F(ChargeMarkersTest, UnselectedChargeIsABlackRingOrABlueDiscUnderThePointer) {
    auto shapes = Markers(8, 8);
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_FALSE(shapes[0].filled);
    EXPECT_EQ(shapes[0].colour, Colour::Black);
    EXPECT_TRUE(OnCircle(shapes[0], 4, 6, 1));
    EXPECT_NEAR(shapes[0].vertices.size(), 180, 1.0);  // 2-degree steps

    shapes = Markers(4.5f, 6);
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_TRUE(shapes[0].filled);
    EXPECT_EQ(shapes[0].colour, Colour::Blue);
    EXPECT_TRUE(OnCircle(shapes[0], 4, 6, 1));

    EXPECT_TRUE(Markers(4.5f, 6, false).empty()) << "the 3D view shows charges as plateaus only";
}

TEST_F(ChargeMarkersTest, SelectedChargeHasADiscAndARingThatTurnsRedOnTheRim) {
    project.ChargeSelected[0] = true;
    for (const auto& [x, expected] : {std::pair{4.0f + 1.2f, Colour::White}, {4.0f + 1.0f, Colour::Red},
                                      {4.0f + 0.95f, Colour::Red}, {4.0f, Colour::White}}) {
        const auto shapes = Markers(x, 6);
        ASSERT_EQ(shapes.size(), 2u) << x;
        EXPECT_TRUE(shapes[0].filled);
        EXPECT_EQ(shapes[0].colour, Colour::Blue);
        EXPECT_FALSE(shapes[1].filled);
        EXPECT_EQ(shapes[1].colour, expected) << x;
        EXPECT_TRUE(OnCircle(shapes[1], 4, 6, 1));
    }
}

TEST_F(ChargeMarkersTest, TheDraggedRimFollowsThePointer) {
    FieldTab& t = project.Active();
    t.ChargeCount = 2;
    t.charges[1] = Charge{-4e-10, 80, 20, 5};
    project.ChargeSelected[0] = project.ChargeSelected[1] = true;
    interaction.radiusDragging = true;
    interaction.radiusDragCharge = 0;
    const auto shapes = Markers(7, 6);  // three units right of charge 0
    ASSERT_EQ(shapes.size(), 4u);
    EXPECT_TRUE(OnCircle(shapes[0], 4, 6, 3));
    EXPECT_TRUE(OnCircle(shapes[1], 4, 6, 3));
    EXPECT_TRUE(OnCircle(shapes[3], 8, 2, 0.5f)) << "the other charge keeps its radius";
}

TEST_F(ChargeMarkersTest, ParticleStartMarkersOnlyWhileTheParticleIsOn) {
    FieldTab& t = project.Active();
    t.ParticleCount = 1;
    t.particles[0].x = 20;
    t.particles[0].y = 30;
    t.particles[0].angle = 0;
    auto topView = CreateGraphEngine(EngineView::TopView);
    auto view3D = CreateGraphEngine(EngineView::ThreeD);
    auto draw = [&](GraphEngine& engine, float px, float pz) {
        engine.pickedX = px;
        engine.pickedZ = pz;
        const SceneState scene = Scene();
        return CaptureShapes([&] { DrawParticleStartMarkers(scene, engine.pickedX, engine.pickedZ, engine.isTopView); });
    };
    EXPECT_TRUE(draw(*topView, 2, 3).empty());

    particleEnabled = true;
    EXPECT_TRUE(draw(*view3D, 2, 3).empty());
    const auto far = draw(*topView, 8, 8);
    ASSERT_GE(far.size(), 3u);
    EXPECT_TRUE(OnCircle(far[0], 2, 3, 0.3f));
    for (const Shape& s : far) EXPECT_EQ(s.colour, Colour::Black);
    // The launch arrow along +x: from 0.3 behind the centre to 0.6 beyond it.
    const Shape& shaft = far[far.size() - 2];
    ASSERT_EQ(shaft.vertices.size(), 2u);
    EXPECT_NEAR(shaft.vertices[0].x, 1.7f, 1e-3);
    EXPECT_NEAR(shaft.vertices[1].x, 2.6f, 1e-3);
    EXPECT_NEAR(shaft.vertices[1].z, 3.0f, 1e-3);

    EXPECT_EQ(draw(*topView, 2.2f, 3)[0].colour, Colour::Red);
    EXPECT_EQ(draw(*topView, 2.5f, 3)[0].colour, Colour::White);
    interaction.turningParticle = true;
    EXPECT_EQ(draw(*topView, 2.2f, 3)[0].colour, Colour::White);
    EXPECT_EQ(draw(*topView, 8, 8)[0].colour, Colour::White);
}

// A drawn frame of the top view: the black ring of an unselected charge lies where the
// charge's rim is projected; inside the ring is the coloured plateau.
TEST_F(ChargeMarkersTest, TheTopViewShowsTheRingAtTheChargesRim) {
    ViewUnderTest view(EngineView::TopView, project, Width, Height);
    view.engine->pickX = -999;  // no pointer
    view.engine->scaleX = view.engine->scaleY = view.engine->scaleZ = 0.15f;
    ASSERT_TRUE(view.Frame());
    auto darkNear = [](const std::array<double, 3>& w) {
        for (int dx = -1; dx <= 1; ++dx) {
            for (int dy = -1; dy <= 1; ++dy) {
                const auto p = PixelAt(int(std::lround(w[0])) + dx, int(std::lround(w[1])) + dy);
                if (p[0] < 40 && p[1] < 40 && p[2] < 40) return true;
            }
        }
        return false;
    };
    for (double a = 0; a < 6.28; a += 0.7) {
        const auto rim = ProjectToWindow(4 + std::sin(a), 0.1, 6 + std::cos(a));
        EXPECT_TRUE(darkNear(rim)) << "angle " << a << " at " << rim[0] << "," << rim[1];
    }
    const auto inside = ProjectToWindow(4.5, 0.1, 6);
    EXPECT_FALSE(darkNear(inside));
    const auto elsewhere = ProjectToWindow(7, 0.1, 3);
    EXPECT_FALSE(darkNear(elsewhere));
}

}  // namespace
}  // namespace voltaris::test
