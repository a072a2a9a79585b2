// SPDX-License-Identifier: GPL-3.0-or-later
// The fast path build against the plain one, and the field it steps through against the
// plain kernels.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "doubles/scripted_dialogs.h"
#include "field/kernels.h"
#include "model/project.h"
#include "model/project_file.h"
#include "particle/graph_place.h"
#include "particle/trajectory.h"
#include "particle/trajectory_field.h"

using namespace voltaris;

namespace {

Project Load(const std::string& source) {
    Project project = Project::Initial();
    test::ScriptedDialogs dialogs;
    EXPECT_TRUE(LoadProject(project, source, dialogs)) << source;
    EXPECT_TRUE(dialogs.errors.empty()) << dialogs.ShownText();
    return project;
}

TrajectoryInputs InputsOfTab(Project& project, int tab) {
    ShowTab(project, tab, ScrollPositionOfResolution(project.tabs[tab].Resolution));
    TrajectoryInputs in;
    in.field = SnapshotOfActiveTab(project);
    in.switches.ParticleEnabled = true;
    in.ParticleCount = project.Active().ParticleCount;
    in.slots = project.Active().particles;
    return in;
}

using Builder = TrajectoryResult (*)(const TrajectoryInputs&, PathStore&);

// Builds again while the time step is cut, as the frame loop does.
TrajectoryResult Settle(TrajectoryInputs in, PathStore& store, Builder build) {
    TrajectoryResult r;
    for (int pass = 0; pass < 20; ++pass) {
        r = build(in, store);
        in.slots[0].dt = r.slot0Dt;
        if (!r.dtCut) break;
    }
    return r;
}

bool Near(double a, double b, double relative) {
    return a == b || std::fabs(a - b) <= relative * std::fmax(std::fabs(a), std::fabs(b));
}

// How far two builds may differ: relatively in the time step, the suggestion and the stored
// values, in radians in the stored directions. 0 asks for the same bits.
struct Tolerance {
    double dt, suggestion, values, angle;
};
constexpr Tolerance UpToRounding{1e-12, 1e-6, 1e-6, 1e-5};
constexpr Tolerance ToTheLastBit{0, 0, 0, 0};

bool SameDirection(float a, float b, double tolerance) {
    const double turn = std::fabs(double(a) - b);
    return a == b || std::fmin(turn, std::fabs(turn - 2 * Pi)) < tolerance;
}

// The same path within the tolerance: the same points, the same stop and the same time step.
void ExpectSamePaths(const TrajectoryInputs& in, Builder first, Builder second, const std::string& what,
                     const Tolerance& tolerance = UpToRounding) {
    auto a = std::make_unique<PathStore>(), b = std::make_unique<PathStore>();
    const TrajectoryResult ra = Settle(in, *a, first), rb = Settle(in, *b, second);
    EXPECT_TRUE(Near(ra.slot0Dt, rb.slot0Dt, tolerance.dt)) << what;
    EXPECT_EQ(ra.storeFull, rb.storeFull) << what;
    EXPECT_TRUE(Near(ra.SuggestedAmplification, rb.SuggestedAmplification, tolerance.suggestion))
        << what << ": " << ra.SuggestedAmplification << " " << rb.SuggestedAmplification;
    const double near = tolerance.values;
    a->Read([&](const PathSet& pa) {
        b->Read([&](const PathSet& pb) {
            for (int s = 0; s < in.ParticleCount && s < MaxParticleSlots; ++s) {
                const PathSlot &sa = pa.slots[s], &sb = pb.slots[s];
                ASSERT_EQ(sa.PathFloatCount, sb.PathFloatCount) << what << " slot " << s;
                for (int i = 0; i < sa.PathFloatCount; ++i)
                    ASSERT_TRUE(Near(sa.PathPoints[i], sb.PathPoints[i], near))
                        << what << " slot " << s << " float " << i << ": " << sa.PathPoints[i] << " "
                        << sb.PathPoints[i];
                for (int i = 0; i < sa.PathFloatCount / 3; ++i) {
                    ASSERT_TRUE(Near(sa.PathSpeed[i], sb.PathSpeed[i], near)) << what << " point " << i;
                    ASSERT_TRUE(Near(sa.PathTime[i], sb.PathTime[i], near)) << what << " point " << i;
                    ASSERT_TRUE(SameDirection(sa.PathAngle[i], sb.PathAngle[i], tolerance.angle))
                        << what << " point " << i;
                }
            }
        });
    });
}

// A slow heavy particle drifting through the middle of the twenty charges.
void Drift(ParticleSlot& s) {
    s.mass = 1e-15;
    s.speed = 1;
    s.x = 4.2f;
    s.y = 5.6f;
    s.angle = 0.4;
    s.dt = 1e-6;
    s.steps = 200000;
}

}  // namespace

TEST(FastTrajectory, StoresThePlainBuildsPathOnEverySampleTab) {
    Project project = Load("sample");
    ASSERT_EQ(project.TabCount, 14);
    for (int tab = 0; tab < project.TabCount; ++tab) {
        TrajectoryInputs in = InputsOfTab(project, tab);
        ExpectSamePaths(in, BuildParticleTrajectory, BuildParticleTrajectoryReference, "tab " + std::to_string(tab + 1));
    }
}

TEST(FastTrajectory, StoresThePlainBuildsPathWithRadiationAndSwappedCharges) {
    Project project = Load("sample");
    for (const int tab : {0, 3, 7}) {
        TrajectoryInputs in = InputsOfTab(project, tab);
        in.switches.BremsstrahlungEnabled = true;
        in.switches.BremsstrahlungFactor = 1e6;
        ExpectSamePaths(in, BuildParticleTrajectory, BuildParticleTrajectoryReference,
                        "radiation, tab " + std::to_string(tab + 1));
        in.switches.BremsstrahlungEnabled = false;
        in.field.SignFactor = -1;
        ExpectSamePaths(in, BuildParticleTrajectory, BuildParticleTrajectoryReference,
                        "swapped, tab " + std::to_string(tab + 1));
    }
}

TEST(FastTrajectory, StoresThePlainBuildsPathAmongTwentyCharges) {
    Project project = Load(VOLTARIS_TEST_DATA "/twenty_charges.psf");
    TrajectoryInputs in = InputsOfTab(project, 0);
    ASSERT_EQ(in.field.ChargeCount, 20);
    ExpectSamePaths(in, BuildParticleTrajectory, BuildParticleTrajectoryReference, "file");
    // A slow heavy particle drifting between them, and two more slots with other starts.
    in.ParticleCount = 3;
    Drift(in.slots[0]);
    in.slots[1] = in.slots[0];
    in.slots[1].angle = 2.5;
    in.slots[2] = Project::Initial().Active().particles[0];  // a positive particle from (1, 1) m
    in.slots[2].steps = 300000;
    in.slots[2].dt = 1e-9;
    ExpectSamePaths(in, BuildParticleTrajectory, BuildParticleTrajectoryReference, "three slots");
}

namespace {

// The plain touch test of the step and FieldAt's float32 components, one call at a time.
bool PlainTouches(const FieldSnapshot& f, float x, float y) {
    for (int i = 0; i < f.ChargeCount; ++i) {
        const double dx = static_cast<double>(x) - f.x[i], dy = static_cast<double>(y) - f.y[i];
        if (!(std::sqrt(dx * dx + dy * dy) > f.radius[i])) return true;
    }
    return false;
}

void ExpectPlainResults(const FieldSnapshot& f, const TrajectoryField& field, float x, float y) {
    float ex = 0, ey = 0;
    const bool touches = field.TouchesOrField(x, y, ex, ey);
    ASSERT_EQ(touches, PlainTouches(f, x, y)) << x << ", " << y;
    if (touches) return;
    float plainX = 0, plainY = 0;
    field.FieldExactly(x, y, plainX, plainY);
    ASSERT_EQ(ex, plainX) << x << ", " << y;
    ASSERT_EQ(ey, plainY) << x << ", " << y;
    double angle = 0;
    ASSERT_EQ(std::sqrt(double(ex) * ex + double(ey) * ey), FieldAt(f, x, y, angle)) << x << ", " << y;
}

}  // namespace

TEST(TrajectoryFieldTest, GivesThePlainTouchTestAndFieldEverywhere) {
    Project project = Load(VOLTARIS_TEST_DATA "/twenty_charges.psf");
    FieldSnapshot f = SnapshotOfActiveTab(project);
    // Charges that are points, or carry a radius below 0 or nothing at all.
    f.radius[3] = 0;
    f.radius[7] = -0.5f;
    f.amount[9] = 0;
    const TrajectoryField field(f);
    std::mt19937 random(7);
    std::uniform_real_distribution<float> anywhere(-2, 12), unit(-1, 1);
    for (int n = 0; n < 20000; ++n) ExpectPlainResults(f, field, anywhere(random), anywhere(random));
    // On, just inside and just outside every rim, at every centre and straight above it.
    for (int i = 0; i < f.ChargeCount; ++i) {
        for (const float r : {f.radius[i], std::nextafter(f.radius[i], 0.0f), std::nextafter(f.radius[i], 1.0f)}) {
            ExpectPlainResults(f, field, f.x[i] + r, f.y[i]);
            ExpectPlainResults(f, field, f.x[i], f.y[i] - r);
            const float c = std::cos(0.7f) * r, s = std::sin(0.7f) * r;
            ExpectPlainResults(f, field, f.x[i] + c, f.y[i] + s);
        }
        ExpectPlainResults(f, field, f.x[i], f.y[i]);
        ExpectPlainResults(f, field, f.x[i], f.y[i] + 1.5f);
        for (int n = 0; n < 200; ++n)
            ExpectPlainResults(f, field, f.x[i] + unit(random) * 1e-6f, f.y[i] + unit(random) * 1e-6f);
    }
}

TEST(TrajectoryFieldTest, GivesThePlainResultsOnTheAtomicScaleAndWithoutCharges) {
    Project project = Load("sample");
    ShowTab(project, 0, ScrollPositionOfResolution(project.tabs[0].Resolution));
    const FieldSnapshot atom = SnapshotOfActiveTab(project);
    const TrajectoryField field(atom);
    std::mt19937 random(3);
    std::uniform_real_distribution<float> square(0, 10 * project.unitLength);
    for (int n = 0; n < 5000; ++n) ExpectPlainResults(atom, field, square(random), square(random));

    const FieldSnapshot empty;
    const TrajectoryField nothing(empty);
    float ex = 1, ey = 1;
    EXPECT_FALSE(nothing.TouchesOrField(3, 4, ex, ey));
    EXPECT_EQ(ex, 0.0f);
    EXPECT_EQ(ey, 0.0f);
}

// An electron falling from rest towards a proton gets suggestions of 70 or less at first,
// which count up again; the suggestion runs on over the slots of the build.
TEST(FastTrajectory, SuggestsTheAmplificationOfThePlainBuildAlsoWhenItCountsUpAgain) {
    TrajectoryInputs in;
    in.switches.ParticleEnabled = true;
    in.ParticleCount = 2;
    in.field.unitLength = 1e-11f;
    in.field.ChargeCount = 1;
    in.field.amount[0] = 1.6e-19;
    in.field.x[0] = 5e-11f;
    in.field.y[0] = 5e-11f;
    in.field.radius[0] = 3.5e-12f;
    ParticleSlot& s = in.slots[0];
    s.charge = -1.6e-19;
    s.mass = 9.1e-31;
    s.speed = 0;
    s.x = 8e-11f;
    s.y = 5.5e-11f;
    s.dt = 1e-20;
    in.slots[1] = s;
    in.slots[1].y = 4e-11f;
    // Step 71 works out about 8, which counts up to above 70 again around step 134, and so on.
    for (const int steps : {60, 100, 150, 400, 3000}) {
        in.slots[0].steps = steps;
        in.slots[1].steps = steps / 3;
        auto a = std::make_unique<PathStore>(), b = std::make_unique<PathStore>();
        const double fast = BuildParticleTrajectory(in, *a).SuggestedAmplification;
        const double plain = BuildParticleTrajectoryReference(in, *b).SuggestedAmplification;
        EXPECT_GT(plain, 1) << steps;
        EXPECT_TRUE(Near(fast, plain, 1e-9)) << steps << ": " << fast << " " << plain;
    }
}

namespace {

void ExpectIdenticalPaths(const TrajectoryInputs& in, const std::string& what) {
    ExpectSamePaths(in, BuildParticleTrajectory, BuildParticleTrajectoryWithoutVectors, what, ToTheLastBit);
}

}  // namespace

// The steps that store nothing run in their own loop on processors with AVX-512; their sums
// are rounded by guessed binades and taken back where a guess fails (on the sample tabs, about
// one step in a hundred). None of it may show in the path.
TEST(FastTrajectory, VectorCodeGivesThePathOfTheScalarStepsToTheLastBit) {
    Project project = Load("sample");
    for (int tab = 0; tab < project.TabCount; ++tab) {
        TrajectoryInputs in = InputsOfTab(project, tab);
        ExpectIdenticalPaths(in, "tab " + std::to_string(tab + 1));
        in.field.SignFactor = -1;
        ExpectIdenticalPaths(in, "swapped, tab " + std::to_string(tab + 1));
    }
    Project twenty = Load(VOLTARIS_TEST_DATA "/twenty_charges.psf");
    TrajectoryInputs in = InputsOfTab(twenty, 0);
    ExpectIdenticalPaths(in, "file");
    Drift(in.slots[0]);
    ExpectIdenticalPaths(in, "drift");
}

// Without the vector code the build still stores the plain build's path.
TEST(FastTrajectory, ScalarStepsStoreThePlainBuildsPath) {
    Project project = Load("sample");
    for (const int tab : {0, 3, 7, 11}) {
        TrajectoryInputs in = InputsOfTab(project, tab);
        ExpectSamePaths(in, BuildParticleTrajectoryWithoutVectors, BuildParticleTrajectoryReference,
                        "tab " + std::to_string(tab + 1));
    }
}

// The quiet steps test a position's place in graph units on both coordinates at once; on the
// square's borders, next to them, outside and at the stored points' spacing they must find
// what the plain tests find.
TEST(GraphPlaceTest, FindsWhatThePlainTestsFind) {
    const float lastPoints[][2] = {{5, 5}, {0.05f, 9.95f}, {10, 0}, {-1, 11}, {30, -4}};
    std::vector<float> graph = {-0.0f, 0, 1e-30f, 5, 10, 12, -3, 40, std::nanf("")};
    for (const float edge : {0.0f, 10.0f}) {
        graph.push_back(std::nextafter(edge, -1.0f));
        graph.push_back(std::nextafter(edge, 11.0f));
    }
    for (const auto& last : lastPoints) {
        for (const float spacing : {0.1f, 0.2f, 0.5f}) {  // next to the spacing from the last point
            for (const float from : {last[0], last[1]}) {
                for (const float offset : {spacing, -spacing}) {
                    graph.push_back(from + offset);
                    graph.push_back(std::nextafter(from + offset, from));
                    graph.push_back(std::nextafter(from + offset, 2 * (from + offset) - from));
                }
            }
        }
    }
    int cases = 0;
    for (const float unitLength : {1.0f, 0.37f, 3.0f}) {
        for (const auto& last : lastPoints) {
            for (const float gx : graph) {
                for (const float gy : graph) {
                    // Positions in metres whose graph values are (about) gx and gy.
                    const float x = gx * unitLength, y = gy * unitLength;
                    const float px = x / unitLength, py = y / unitLength;
                    const bool inSquare = px > 0 && px < 10 && py > 0 && py < 10;
                    const bool farEnough = FarEnoughInGraphUnits(px, py, last[0], last[1]);
                    const GraphPlace place = GraphPlaceOf(x, y, unitLength, LastStoredPoint(last[0], last[1]));
                    ASSERT_EQ(place.inSquare, inSquare) << x << ", " << y << " / " << unitLength;
                    ASSERT_EQ(place.farEnough, farEnough)
                        << x << ", " << y << " / " << unitLength << " from " << last[0] << ", " << last[1];
                    ++cases;
                }
            }
        }
    }
    EXPECT_GT(cases, 10000);
    // Outside the square, offsets right at the spacing there, which grows with the distance.
    std::mt19937 random(5);
    std::uniform_real_distribution<float> place(-45, 55);
    int outside = 0;
    for (int i = 0; i < 20000; ++i) {
        const float gx = place(random), gy = place(random);
        if (gx >= 0 && gx <= 10 && gy >= 0 && gy <= 10) continue;
        const float spacing =
            std::min(StoredSpacingCap, StoredSpacingGrowth * ((gx - 5) * (gx - 5) + (gy - 5) * (gy - 5)));
        for (const float lastGx :
             {gx - spacing, std::nextafter(gx - spacing, gx), std::nextafter(gx - spacing, -99.0f)}) {
            for (const float lastGy : {gy, gy + spacing, std::nextafter(gy + spacing, gy)}) {
                const GraphPlace at = GraphPlaceOf(gx, gy, 1, LastStoredPoint(lastGx, lastGy));
                ASSERT_EQ(at.farEnough, FarEnoughInGraphUnits(gx, gy, lastGx, lastGy)) << gx << ", " << gy;
                outside += at.farEnough;
            }
        }
    }
    EXPECT_GT(outside, 1000);
}
