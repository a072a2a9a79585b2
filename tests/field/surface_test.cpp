// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "field/surface_mesh.h"
#include "field/value_range.h"
#include "vector_levels.h"

using namespace voltaris;

namespace {

FieldSnapshot Mixed(int count, float unitLength, int sign) {
    FieldSnapshot f;
    f.ChargeCount = count;
    f.unitLength = unitLength;
    f.SignFactor = sign;
    for (int i = 0; i < count; ++i) {
        f.amount[i] = (i % 3 == 0 ? -1 : 1) * (1 + i % 4) * 2e-10;
        f.x[i] = unitLength * (0.5f + 9.7f * ((i * 37) % 20) / 19.0f) - unitLength * (i == 5 ? 1.0f : 0.0f);
        f.y[i] = unitLength * (0.3f + 9.9f * ((i * 11) % 20) / 19.0f);
        f.radius[i] = unitLength * (0.2f + 0.015f * i);
    }
    return f;
}

void ExpectSame(const SurfaceMesh& a, const SurfaceMesh& b) {
    ASSERT_EQ(a.columnEnds, b.columnEnds);
    ASSERT_EQ(a.xyz.size(), b.xyz.size());
    // Bit for bit: a zero's sign counts too.
    EXPECT_EQ(std::memcmp(a.xyz.data(), b.xyz.data(), a.xyz.size() * sizeof(float)), 0);
    EXPECT_EQ(std::memcmp(a.rgb.data(), b.rgb.data(), a.rgb.size() * sizeof(float)), 0);
}

}  // namespace

TEST(Surface, CoversTheSquareExactlyWithClampedLastColumnAndRow) {
    const FieldSnapshot f = Mixed(3, 1, 1);
    ValueRange range;
    ComputeValueRange(f, false, range);
    SurfaceMesh mesh;
    GenerateSurfaceReference(f, range, SurfaceSettings{0.3f, 0, false}, mesh);
    float minX = 1e9f, maxX = -1e9f, minZ = 1e9f, maxZ = -1e9f;
    for (size_t i = 0; i < mesh.xyz.size(); i += 3) {
        minX = std::min(minX, mesh.xyz[i]);
        maxX = std::max(maxX, mesh.xyz[i]);
        minZ = std::min(minZ, mesh.xyz[i + 2]);
        maxZ = std::max(maxZ, mesh.xyz[i + 2]);
    }
    EXPECT_EQ(minX, 0.0f);
    EXPECT_FLOAT_EQ(maxX, 10.0f);
    EXPECT_EQ(minZ, 0.0f);
    EXPECT_EQ(maxZ, 10.0f);
    // 0.3 does not divide 10: columns at 0, 0.3, ..., 9.3 and the clamped 9.7 (33 + 1),
    // rows 0 .. 9.9 and the clamped 10 (34 + 1), two vertices per row.
    EXPECT_EQ(mesh.columnEnds.size(), 34u);
    EXPECT_EQ(mesh.columnEnds.front(), 2u * 35u);
    EXPECT_EQ(mesh.xyz.size(), 3u * 34u * 70u);
    // 0.1 divides 10 but not in float32: the 100th column (x ~ 9.90000153) is moved back to
    // 9.9 and the row after ~9.9 is clamped to 10: 100 columns of 101 rows.
    GenerateSurface(f, range, SurfaceSettings{0.1f, 0, false}, mesh);
    EXPECT_EQ(mesh.columnEnds.size(), 100u);
    EXPECT_EQ(mesh.columnEnds.back(), 100u * 2u * 101u);
    EXPECT_EQ(mesh.xyz[3 * (mesh.columnEnds.back() - 2)], 10.0f - 0.1f);  // left edge of the last column
    EXPECT_EQ(mesh.xyz[3 * (mesh.columnEnds.back() - 1)], 10.0f);
    EXPECT_EQ(mesh.xyz[3 * (mesh.columnEnds.back() - 1) + 2], 10.0f);
}

TEST(Surface, StepOfZeroFallsBackToTheFinestGridInsteadOfLoopingForever) {
    SurfaceMesh fast, reference;
    GenerateSurface(FieldSnapshot{}, ValueRange{}, SurfaceSettings{0.0f, 0, false}, fast);
    GenerateSurfaceReference(FieldSnapshot{}, ValueRange{}, SurfaceSettings{-1.0f, 0, false}, reference);
    EXPECT_GT(fast.columnEnds.size(), 900u);
    ExpectSame(fast, reference);
}

TEST(Surface, TopViewIsFlat) {
    const FieldSnapshot f = Mixed(4, 1, 1);
    ValueRange range;
    ComputeValueRange(f, false, range);
    SurfaceMesh mesh;
    GenerateSurface(f, range, SurfaceSettings{0.5f, 1, true}, mesh);
    for (size_t i = 1; i < mesh.xyz.size(); i += 3) ASSERT_EQ(mesh.xyz[i], 0.0f);
}

TEST(Surface, FastGeneratorMatchesTheReferenceBitForBit) {
    const struct {
        int charges;
        float unitLength;
        int sign;
    } cases[] = {{0, 1, 1}, {1, 1, 1}, {9, 1, 1}, {20, 1, -1}, {20, 1e-11f, 1}, {7, 0.0316227766f, 1}, {20, 10, 1}};
    for (const auto& c : cases) {
        FieldSnapshot f = Mixed(c.charges, c.unitLength, c.sign);
        if (c.charges == 1) f.amount[0] = 0;  // a potential of exactly 0 everywhere
        ValueRange range;
        ComputeValueRange(f, false, range);
        for (const float step : {0.07f, 0.1f, 0.3f, 1.0f}) {
            for (const int mode : {0, 1}) {
                for (const bool top : {false, true}) {
                    SCOPED_TRACE(testing::Message() << c.charges << " charges, step " << step);
                    SurfaceMesh fast, reference;
                    const SurfaceSettings s{step, mode, top};
                    GenerateSurfaceReference(f, range, s, reference);
                    test::ForEachVectorLevel([&] {
                        GenerateSurface(f, range, s, fast);
                        ExpectSame(fast, reference);
                    });
                }
            }
        }
    }
}

TEST(Surface, SpheresWithoutPositiveRadiusOnGridPointsMatchTheReference) {
    // Centres exactly on vertices: the first one, and the clamped last column at the top row.
    FieldSnapshot f = Mixed(6, 1, 1);
    f.x[0] = 0;
    f.y[0] = 0;
    f.radius[0] = -0.3f;
    f.x[1] = 10.0f - 0.5f;
    f.y[1] = 10;
    f.radius[1] = 0;
    ValueRange range;
    ComputeValueRange(f, false, range);
    SurfaceMesh fast, reference;
    GenerateSurfaceReference(f, range, SurfaceSettings{0.5f, 0, false}, reference);
    test::ForEachVectorLevel([&] {
        GenerateSurface(f, range, SurfaceSettings{0.5f, 0, false}, fast);
        ExpectSame(fast, reference);
        EXPECT_TRUE(std::all_of(fast.xyz.begin(), fast.xyz.end(), [](float v) { return std::isfinite(v); }));
    });
}
