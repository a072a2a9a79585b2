// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "field/duplicate_start.h"
#include "field/equipotential_lines.h"
#include "field/trace_rules.h"
#include "lines_test_support.h"

namespace voltaris {
namespace {

using test::Line;
using Point = test::LinePoint;

using Tracer = void (*)(const FieldSnapshot&, const ValueRange&, bool, LineStore&);

// The tracer under test (fast or plain) and what it stored.
class Equipotentials : public testing::TestWithParam<Tracer> {
protected:
    std::vector<Line> Trace(const FieldSnapshot& f, const ValueRange& range) {
        GetParam()(f, range, true, store_);
        return test::LinesOf(store_);
    }
    std::vector<Line> Trace(const FieldSnapshot& f) { return Trace(f, test::RangeOf(f)); }

    LineStore store_;
};

INSTANTIATE_TEST_SUITE_P(FastAndPlain, Equipotentials,
                         testing::Values(&TraceEquipotentials, &TraceEquipotentialsReference));

FieldSnapshot Charges(std::vector<test::ChargeText> charges, const char* resolution = "1") {
    return test::TabSnapshot(resolution, charges);
}

double Distance(const Point& p, float cx, float cz) { return std::hypot(p.x - cx, p.z - cz); }

TEST_P(Equipotentials, OnePositiveChargeGivesThirteenClosedCirclesTracedClockwise) {
    const std::vector<Line> lines = Trace(Charges({{"5,6E-10", "5", "5", "0,5"}}));
    // The centre lies at level 2 already, so levels 3 .. 15 fill slots 0 .. 12.
    ASSERT_EQ(lines.size(), 13u);
    double previousRadius = 0;
    for (const Line& line : lines) {
        ASSERT_GT(line.size(), 10u);
        double lo = 1e9, hi = 0;
        for (const Point& p : line) {
            lo = std::min(lo, Distance(p, 5, 5));
            hi = std::max(hi, Distance(p, 5, 5));
            EXPECT_NEAR(p.v, line[0].v, 0.011 * line[0].v);
        }
        EXPECT_LT(hi / lo, 1.03) << "a circle round the charge";
        EXPECT_GT(lo, previousRadius) << "lower levels lie farther out";
        previousRadius = hi;
        // Starts on the ray to the right going down (clockwise) and ends just past that ray.
        EXPECT_GT(line.front().x, 5);
        EXPECT_LT(line.front().z, 5);
        EXPECT_LT(Distance(line.back(), line.front().x, line.front().z), 0.15);
        // Nothing but the closing point lies in the upper-right quadrant twice: one turn.
        const auto upperRight = std::count_if(line.begin(), line.end(), [](const Point& p) { return p.x > 5 && p.z > 5; });
        EXPECT_LT(upperRight, static_cast<long>(line.size()) / 4 + 3);
    }
}

TEST_P(Equipotentials, LineRoundANegativeChargeRunsAnticlockwiseAndDrawsItsFirstQuarterTwice) {
    const std::vector<Line> lines = Trace(Charges({{"-5,6E-10", "5", "5", "0,5"}}));
    // Levels 14 and 15 are matched at the centre: their slot was opened (so `last` names it)
    // and given back, and stays empty.
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_TRUE(lines.back().empty());
    for (size_t s = 0; s + 1 < lines.size(); ++s) {
        const Line& line = lines[s];
        ASSERT_GT(line.size(), 10u);
        EXPECT_GT(line.front().z, 5) << "starts upwards from the ray to the right";
        // It finishes on leaving the upper-right quadrant the second time, at the top.
        EXPECT_LT(std::fabs(line.back().x - 5), 0.15);
        EXPECT_GT(line.back().z, 5);
        const auto upperRight = std::count_if(line.begin(), line.end(), [](const Point& p) { return p.x > 5 && p.z > 5; });
        const auto lowerLeft = std::count_if(line.begin(), line.end(), [](const Point& p) { return p.x < 5 && p.z < 5; });
        EXPECT_GT(upperRight, lowerLeft * 17 / 10);
    }
}

TEST_P(Equipotentials, ALevelMissingOnTheRayLeavesAnEmptySlotAndLaterLinesGoOn) {
    // The potentials near the big charge never occur to the right of the small one.
    const std::vector<Line> lines = Trace(Charges({{"5,6E-9", "2", "5", "0,5"}, {"5,6E-10", "8", "5", "0,5"}}));
    const auto firstEmpty = std::find_if(lines.begin(), lines.end(), [](const Line& l) { return l.empty(); });
    ASSERT_NE(firstEmpty, lines.end());
    EXPECT_TRUE(std::any_of(firstEmpty, lines.end(), [](const Line& l) { return !l.empty(); }));
}

TEST_P(Equipotentials, AtTheSmallestScaleOnlyTheFirstLineSurvivesTheDuplicateCheck) {
    // Tab 1 of the sample: a square of 1E-10 m, so every start lies within 0.01 m of every
    // stored point; each later line is given up in slot 1, which stays opened and empty.
    const std::vector<Line> lines = Trace(test::SampleTab(1));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_GT(lines[0].size(), 0u);
    EXPECT_EQ(lines[1].size(), 0u);
}

TEST_P(Equipotentials, NoLineHoldsMoreThan332Points) {
    // "Ladungsgebirge" has lines round several charges that reach the end of their slot.
    bool someFull = false;
    for (int tab = 1; tab <= test::SampleTabCount; ++tab) {
        for (const Line& line : Trace(test::SampleTab(tab))) {
            ASSERT_LE(line.size(), 332u);
            someFull |= line.size() == 332u;
        }
    }
    EXPECT_TRUE(someFull);
}

TEST_P(Equipotentials, ALineAtZeroVoltsIsCorrectedAndEnds) {
    // Opposite charges at x = 0 and x = 2o, where o is a probe offset of the start search:
    // the probe at o lies exactly between them, where the potential is exactly 0. A tolerance
    // of 1e-30 V lets only that probe match level 8, which is 0 V for the range -1 .. 1.
    float o = 0;
    const float step = StartSearchStep(1.0f);
    for (int j = 0; j < 1000; ++j) o += step;
    FieldSnapshot f;
    f.ChargeCount = 2;
    f.amount = {5.6e-10, -5.6e-10};
    f.x = {0, 2 * o};
    f.y = {5, 5};
    f.radius = {0.1f, 0.1f};
    ValueRange range;
    range.PotentialMin = -1;
    range.PotentialMax = 1;
    range.HeightScale = 1e30f;
    const std::vector<Line> lines = Trace(f, range);
    const auto zeroLine = std::find_if(lines.begin(), lines.end(), [](const Line& l) { return !l.empty(); });
    ASSERT_NE(zeroLine, lines.end());
    for (const Point& p : *zeroLine) {
        EXPECT_NEAR(p.x, o, 0.01);
        EXPECT_LT(std::fabs(p.v), 1e-3);
    }
    // Along the middle line it runs straight down out of the trace area.
    EXPECT_LT(zeroLine->back().z, -50);
}

// Three lines whose points at index 1 lie on the start of a new line (metres = graph units).
TEST(EquipotentialDuplicateStart, GivesUpTheNewLineAndWalksBackWithTheSamePointIndex) {
    LineStore store;
    LineStore::Run run(store);
    const float near = 2.005f;
    auto line = [&](float second) {
        run.OpenSlot();
        run.Append(9, 0, 9);
        run.Append(second, 0, near);
        run.Append(9, 0, 9);
    };
    line(near);  // slot 0: second point on the start
    line(7);     // slot 1: not
    line(near);  // slot 2: on the start
    line(near);  // slot 3: on the start
    run.OpenSlot();  // slot 4: the new line starting at (2, 2)
    EXPECT_TRUE(GiveUpDuplicateStart(run, 2, 2, 1));
    // The hit in slot 3 gives the new line up; the further hit in slot 2 gives slot 3 up as
    // well; slot 1 has no point on the start and ends the walk. The next line goes to slot 3.
    EXPECT_EQ(run.Slot(), 2);
    run.OpenSlot();
    EXPECT_EQ(run.Slot(), 3);
    EXPECT_FALSE(GiveUpDuplicateStart(run, 5, 5, 1));
    EXPECT_EQ(run.Slot(), 3);
}

TEST(EquipotentialDuplicateStart, GivingSlotsUpKeepsLast) {
    LineStore store;
    LineStore::Run run(store);
    run.OpenSlot();
    run.Append(1, 0, 1);
    run.OpenSlot();
    EXPECT_TRUE(GiveUpDuplicateStart(run, 1, 1, 1));
    run.Publish();
    store.Read([](const LineSet& v) { EXPECT_EQ(v.Last(), 1); });
}

TEST(EquipotentialDuplicateStart, ToleranceIsAbsoluteInMetres) {
    LineStore store;
    LineStore::Run run(store);
    run.OpenSlot();
    run.Append(200, 0, 200);  // graph units of 1e-4 m: (0.02, 0.02) m
    run.OpenSlot();
    EXPECT_FALSE(GiveUpDuplicateStart(run, 0.0301f, 0.02f, 1e-4f));
    EXPECT_FALSE(GiveUpDuplicateStart(run, 0.02f, 0.0099f, 1e-4f));
    EXPECT_TRUE(GiveUpDuplicateStart(run, 0.0299f, 0.0101f, 1e-4f));
    EXPECT_EQ(run.Slot(), 0);
}

TEST(EquipotentialRules, ZeroVoltLineCountsAnyDeviationAndOthersOnePercent) {
    EXPECT_TRUE(OffLevel(1e-12, 0.0f));
    EXPECT_FALSE(OffLevel(0.0, 0.0f));
    EXPECT_FALSE(OffLevel(std::nan(""), 0.0f));
    EXPECT_FALSE(OffLevel(-10.09, -10.0f));
    EXPECT_TRUE(OffLevel(-10.11, -10.0f));
}

}  // namespace
}  // namespace voltaris
