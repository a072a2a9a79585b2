// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>

#include "render/markers.h"
#include "gl_test_support.h"

namespace voltaris::test {
namespace {

float Distance(const Point3& a, const Point3& b) {
    return std::hypot(a.x - b.x, a.y - b.y, a.z - b.z);
}

using ArrowTest = GlTest;

// Shaft from A to B, and an equilateral head of the given side lying flat at B's height with
// its tip at B, set back from B towards A.
void ExpectArrow(Point3 a, Point3 b, float head, float directionTolerance) {
    const CapturedGeometry g = CaptureGeometry([&] { DrawArrow(a.x, a.y, a.z, b.x, b.y, b.z, head); });
    ASSERT_EQ(g.lines.size(), 1u);
    EXPECT_NEAR(Distance(g.lines[0][0], a), 0, 1e-3);
    EXPECT_NEAR(Distance(g.lines[0][1], b), 0, 1e-3);
    ASSERT_EQ(g.polygons.size(), 1u);
    const std::vector<Point3>& t = g.polygons[0];
    ASSERT_EQ(t.size(), 3u);
    for (const Point3& p : t) {
        ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z));
        EXPECT_NEAR(p.y, b.y, 1e-3);
    }
    EXPECT_NEAR(Distance(t[0], b), 0, 1e-3);
    EXPECT_NEAR(Distance(t[0], t[1]), head, 1e-3);
    EXPECT_NEAR(Distance(t[1], t[2]), head, 1e-3);
    EXPECT_NEAR(Distance(t[2], t[0]), head, 1e-3);
    // The head's base lies behind the tip, along the horizontal direction back to A.
    const float cx = (t[1].x + t[2].x) / 2 - b.x, cz = (t[1].z + t[2].z) / 2 - b.z;
    const float ux = a.x - b.x, uz = a.z - b.z;
    const float cosine = (cx * ux + cz * uz) / (std::hypot(cx, cz) * std::hypot(ux, uz));
    EXPECT_GT(cosine, 1 - directionTolerance) << "head points away from the shaft direction";
}

TEST_F(ArrowTest, HeadIsFlatEquilateralAndPointsAlongTheShaftInEveryQuadrant) {
    ExpectArrow({1, 2, 1}, {4, 2, 3}, 0.5f, 1e-4f);
    ExpectArrow({4, 0, 3}, {1, 0, 1}, 0.5f, 1e-4f);   // leftwards: the sign flip of the head
    ExpectArrow({1, 0, 3}, {4, 0, 1}, 0.8f, 1e-4f);
    ExpectArrow({4, 1, 1}, {1, 1, 3}, 0.8f, 1e-4f);
    ExpectArrow({2, 0, 2}, {5, 0, 2}, 1.0f, 1e-4f);   // along +x
    ExpectArrow({5, 0, 2}, {2, 0, 2}, 1.0f, 1e-4f);   // along -x
    ExpectArrow({0, 0, 0}, {3, 6, 4}, 1.25f, 1e-4f);  // rising shaft, head still flat at B
}

TEST_F(ArrowTest, ShaftAlongZStillGetsAFiniteHead) {
    // No x extent: the head's angle comes from a stand-in x step, so it only roughly follows z.
    ExpectArrow({0, 0, 0}, {0, 0, 1}, 0.25f, 0.01f);
    ExpectArrow({3, 0, 5}, {3, 0, 2}, 0.75f, 0.01f);

    // Zero length: nothing to point along, but nothing may turn into NaN either.
    const CapturedGeometry g = CaptureGeometry([] { DrawArrow(3, 0, 5, 3, 0, 5, 0); });
    for (const auto& polygon : g.polygons) {
        for (const Point3& p : polygon) EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.z));
    }
}

}  // namespace
}  // namespace voltaris::test
